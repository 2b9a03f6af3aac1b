#include "app/title_window.h"

#include "gui/ui/accessibility.h"
#include "gui/ui/layout.h"
#include "gui/window_id.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>

namespace title {

QString makerCredit()
{
    return QCoreApplication::translate("TitleWindow", "Laboratorio Virtual de Física");
}

QString authorCredit()
{
    return QCoreApplication::translate("TitleWindow", "Curso de Mecánica Clásica");
}

QSvgWidget *emblem(QWidget *parent, int left, int top)
{
    auto *image = ui::makeControl<QSvgWidget>(parent, "Image1");
    image->load(QStringLiteral(":/assets/emblem.svg"));
    ui::describePicture(image, QCoreApplication::translate("TitleWindow", "Emblema de Cuestaval"),
                        QCoreApplication::translate("TitleWindow",
                                                    "Un bloque sobre un plano inclinado, unido por una cuerda que "
                                                    "pasa por una polea a un bloque que cuelga."));
    ui::place(image, left, top, 2040, 1800);
    return image;
}

namespace {
QFont face(double points)
{
    return ui::font({QStringLiteral("Arial Unicode MS"), points, true, true});
}
} // namespace

TitleWindow::TitleWindow(const Layout &layout, ui::WindowId next, QWidget *parent)
    : ui::FormBase(layout.caption, 10875, 7995, parent), m_next(next)
{
    setObjectName(QString::fromLatin1(layout.objectName));

    Image1 = emblem(this, layout.emblem.x(), layout.emblem.y());
    const auto placed = [this](const char *name, const QString &text, const QRect &at, double points) {
        return ui::centredLabel(this, name, text, face(points), at.x(), at.y(), at.width(), at.height());
    };
    Label1 = placed("Label1", makerCredit(), layout.maker, 21.75);
    Label2 = placed("Label2", layout.title, layout.titleLabel, 26.25);
    ui::makeBlue(Label2);
    Label3 = placed("Label3", authorCredit(), layout.author, 18);
    // Made in tab order, so the first one also comes first in the focus chain.
    const auto makeSalir = [&] {
        //: Button: ends the program
        Command1 = ui::pushButton(this, "Command1", tr("Salir"), face(15.75), layout.salir.x(), layout.salir.y(),
                                  2895, 855);
    };
    const auto makeContinuar = [&] {
        //: Button: goes on to the next window
        Command2 = ui::pushButton(this, "Command2", tr("Continuar"), face(15.75), layout.continuar.x(),
                                  layout.continuar.y(), 2895, 855);
    };
    if (layout.continuarFirst) {
        makeContinuar();
        makeSalir();
        setTabOrder(Command2, Command1);
    } else {
        makeSalir();
        makeContinuar();
        setTabOrder(Command1, Command2);
    }
    Command2->setFocus();

    connect(Command1, &QPushButton::clicked, this, &TitleWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &TitleWindow::Command2_Click);
}

void TitleWindow::Command1_Click()
{
    ui::navigator().endProgram();
}

void TitleWindow::Command2_Click()
{
    ui::navigator().goTo(m_next, std::exchange(m_values, {}));
}

} // namespace title
