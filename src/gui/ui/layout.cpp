#include "gui/ui/layout.h"

#include "gui/ui/zoom.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace ui {

// The control keeps its twips, so a zoom change can place it again.
void place(QWidget *control, int left, int top, int width, int height)
{
    setTwipsGeometry(control, QRect(left, top, width, height));
}

int pointsToPixels(double points)
{
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

QString substituteFamily(const QString &family)
{
    if (family == QLatin1String("Arial Narrow"))
        return QStringLiteral("Liberation Sans Narrow");
    if (family == QLatin1String("Arial") || family == QLatin1String("Arial Unicode MS")
        || family == QLatin1String("@Arial Unicode MS") || family == QLatin1String("MS Sans Serif"))
        return QStringLiteral("Liberation Sans");
    return family;
}

QFont font(const FontSpec &face)
{
    QFont f(substituteFamily(face.family));
    f.setPixelSize(std::max(1, qRound(pointsToPixels(face.points) * zoomFactor())));
    f.setBold(face.bold);
    f.setItalic(face.italic);
    return f;
}

QLabel *centredLabel(QWidget *parent, const char *name, const QString &text, const QFont &font, int left, int top,
                     int width, int height)
{
    auto *label = makeControl<QLabel>(parent, name);
    label->setText(text);
    label->setFont(font);
    centre(label);
    place(label, left, top, width, height);
    return label;
}

void centre(QLabel *label)
{
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
}

void makeBlue(QWidget *control)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    palette.setColor(QPalette::Text, QColor(0, 0, 255));
    palette.setColor(QPalette::ButtonText, QColor(0, 0, 255));
    control->setPalette(palette);
}

void setTabChain(std::initializer_list<QWidget *> chain)
{
    QWidget *previous = nullptr;
    for (QWidget *control : chain) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

QScrollBar *scrollBar(QWidget *parent, const char *name, const ScrollSettings &settings, int left, int top,
                      int width, int height)
{
    auto *bar = makeControl<QScrollBar>(parent, name);
    bar->setOrientation(Qt::Horizontal);
    bar->setRange(settings.minimum, settings.maximum);
    bar->setSingleStep(settings.smallChange);
    bar->setPageStep(settings.largeChange);
    bar->setValue(settings.value);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setInvertedControls(false);
    place(bar, left, top, width, height);
    return bar;
}

QPushButton *pushButton(QWidget *parent, const char *name, const QString &caption, const QFont &font, int left,
                        int top, int width, int height)
{
    auto *button = makeControl<QPushButton>(parent, name);
    button->setText(caption);
    button->setFont(font);
    place(button, left, top, width, height);
    return button;
}

QLineEdit *lineField(QWidget *parent, const char *name, const QFont &font, int left, int top, int width, int height,
                     FieldUse use)
{
    auto *edit = makeControl<QLineEdit>(parent, name);
    edit->setFont(font);
    edit->setReadOnly(use == FieldUse::Output);
    place(edit, left, top, width, height);
    return edit;
}

QLabel *unitLabel(QWidget *parent, const char *name, QLineEdit *field, const QString &caption, const Unit &unit,
                  int width)
{
    // Twips between a field and its unit.
    constexpr int Gap = 75;
    field->setAccessibleName(QStringLiteral("%1, %2").arg(caption, unit.words));
    if (unit.symbol.isEmpty())
        return nullptr;
    const QRect at = twipsGeometry(field);
    auto *label = makeControl<QLabel>(parent, name);
    label->setText(unit.symbol);
    label->setFont(field->font());
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setAccessibleName(unit.words);
    place(label, at.x() + at.width() + Gap, at.y(), width, at.height());
    return label;
}

} // namespace ui
