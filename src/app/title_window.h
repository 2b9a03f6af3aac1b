#pragma once

#include <QFont>
#include <QString>

class QLabel;
class QPushButton;
class QSvgWidget;
class QWidget;

// Pieces shared by the windows that only lead elsewhere (start, menu and the
// two title windows): the emblem, the credit lines and their big buttons.
namespace title {

QString makerCredit();
QString authorCredit();

// The emblem picture, stretched to 2040 × 1800 twips at Left, Top.
QSvgWidget *emblem(QWidget *parent, int left, int top);
QLabel *label(QWidget *parent, const char *name, const QString &text, int left, int top, int width,
              int height, const QFont &font);
// A 2895 × 855 twips button.
QPushButton *button(QWidget *parent, const char *name, const QString &text, int left, int top,
                    const QFont &font);

} // namespace title
