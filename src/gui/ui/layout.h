#pragma once

#include "gui/ui/zoom.h"

#include <QFont>
#include <QString>

#include <initializer_list>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;

// Controls are laid out as the windows were designed: positions and sizes in
// twips (15 to a logical pixel), font sizes in points.
namespace ui {

// Places a control from Left, Top, Width, Height in twips, at the zoom of
// its window.
void place(QWidget *control, int left, int top, int width, int height);

struct FontSpec {
    QString family;
    double points;
    bool bold = false;
    bool italic = false;
};

// Sizes are set in pixels (points × 96 / 72, rounded: 12 pt is 16 px) so the
// fixed layouts fit whatever the screen's DPI, times the program's zoom.
// Windows faces fall back to their metric twins from Liberation.
QFont font(const FontSpec &face);
int pointsToPixels(double points);
QString substituteFamily(const QString &family);

// A centred label with its text and font, placed in twips.
QLabel *centredLabel(QWidget *parent, const char *name, const QString &text, const QFont &font, int left, int top,
                     int width, int height);

// Labels of every window are centred; some are blue (0, 0, 255).
void centre(QLabel *label);
void makeBlue(QWidget *control);

// Tab moves through the controls in this order.
void setTabChain(std::initializer_list<QWidget *> chain);

// A horizontal scroll bar's range and steps, as the windows were designed.
struct ScrollSettings {
    int minimum;
    int maximum;
    int smallChange;
    int largeChange;
    int value;
};

// A horizontal scroll bar that is a stop in the tab order and whose arrow
// keys move it the way they point (a bare QScrollBar takes no focus and
// inverts its keys).
QScrollBar *scrollBar(QWidget *parent, const char *name, const ScrollSettings &settings, int left, int top,
                      int width, int height);

// Object name and parent in one step, so tests can find controls by name.
template<typename Control>
Control *makeControl(QWidget *parent, const char *name)
{
    auto *control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// A push button with its caption and font, placed in twips.
QPushButton *pushButton(QWidget *parent, const char *name, const QString &caption, const QFont &font, int left,
                        int top, int width, int height);

// A one-line field with its font, placed in twips. Output fields are read
// only: the window writes them and nothing reads them back.
enum class FieldUse { Input, Output };
QLineEdit *lineField(QWidget *parent, const char *name, const QFont &font, int left, int top, int width, int height,
                     FieldUse use = FieldUse::Input);

// The unit after a field ("kg", "m/s²"), a small gap to its right, in the
// field's font; the field's accessible name says the caption and the unit in
// words, which a screen reader reads better than symbols. No label for a
// quantity without unit.
struct Unit {
    QString symbol; // empty for a quantity without unit
    QString words;  // "kilogramos", "sin unidades"
};
QLabel *unitLabel(QWidget *parent, const char *name, QLineEdit *field, const QString &caption, const Unit &unit,
                  int width);

} // namespace ui
