#include "app/title_window.h"

#include "ui/layout.h"

#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>

namespace title {

QString makerCredit()
{
    return QStringLiteral("Laboratorio Virtual de Física");
}

QString authorCredit()
{
    return QStringLiteral("Curso de Mecánica Clásica");
}

QSvgWidget *emblem(QWidget *parent, int left, int top)
{
    auto *image = ui::makeControl<QSvgWidget>(parent, "Image1");
    image->load(QStringLiteral(":/assets/emblem.svg"));
    ui::place(image, left, top, 2040, 1800);
    return image;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, int left, int top, int width,
              int height, const QFont &font)
{
    auto *label = ui::makeControl<QLabel>(parent, name);
    label->setText(text);
    label->setFont(font);
    ui::centre(label);
    ui::place(label, left, top, width, height);
    return label;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, int left, int top,
                    const QFont &font)
{
    auto *button = ui::makeControl<QPushButton>(parent, name);
    button->setText(text);
    button->setFont(font);
    ui::place(button, left, top, 2895, 855);
    return button;
}

} // namespace title
