#include "gui/ui/diagram.h"

#include <QCoreApplication>
#include <QFile>

namespace ui {

namespace {

// Every label of the diagrams that holds a word rather than symbols only.
const char *const Labels[] = {
    //: A label of the inclined-plane diagram: the normal force.
    QT_TRANSLATE_NOOP("Diagram", "Normal"),
    //: A label of the inclined-plane diagram: the weight along the plane ("sen" is the sine).
    QT_TRANSLATE_NOOP("Diagram", "m g sen θ"),
};

} // namespace

QByteArray diagramSvg(const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray svg = file.readAll();
    for (const char *label : Labels) {
        const QString shown = QCoreApplication::translate("Diagram", label);
        if (shown != QString::fromUtf8(label))
            svg.replace('>' + QByteArray(label) + '<', '>' + shown.toUtf8() + '<');
    }
    return svg;
}

} // namespace ui
