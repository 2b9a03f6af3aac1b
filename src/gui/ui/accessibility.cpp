#include "gui/ui/accessibility.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <limits>

namespace ui {

namespace {

QString captionOf(const QWidget *caption)
{
    if (const auto *label = qobject_cast<const QLabel *>(caption))
        return label->text();
    if (const auto *box = qobject_cast<const QCheckBox *>(caption))
        return box->text();
    return {};
}

// Two controls share a row when their heights overlap by at least half of
// the smaller one.
bool sameRow(const QRect &a, const QRect &b)
{
    const int overlap = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top());
    return overlap * 2 >= std::min(a.height(), b.height());
}

QString captionBefore(const QWidget *control, const QList<QWidget *> &captions)
{
    const QRect place = control->geometry();
    const QWidget *nearest = nullptr;
    int nearestDistance = std::numeric_limits<int>::max();
    for (const QWidget *caption : captions) {
        const QRect at = caption->geometry();
        const int distance = place.left() - at.right();
        if (at.center().x() < place.left() && sameRow(place, at) && distance < nearestDistance
            && !captionOf(caption).isEmpty()) {
            nearest = caption;
            nearestDistance = distance;
        }
    }
    return nearest ? captionOf(nearest) : QString();
}

} // namespace

void nameFieldsAfterTheirCaptions(QWidget *window)
{
    QList<QWidget *> captions;
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (qobject_cast<QLabel *>(child) || qobject_cast<QCheckBox *>(child))
            captions.append(child);
    }
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (!qobject_cast<QLineEdit *>(child) && !qobject_cast<QScrollBar *>(child))
            continue;
        if (!child->accessibleName().isEmpty())
            continue;
        const QString caption = captionBefore(child, captions);
        if (!caption.isEmpty())
            child->setAccessibleName(caption);
    }
}

void describePicture(QWidget *picture, const QString &name, const QString &description)
{
    picture->setAccessibleName(name);
    picture->setAccessibleDescription(description);
}

} // namespace ui
