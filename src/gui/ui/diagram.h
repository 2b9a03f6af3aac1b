#pragma once

#include <QByteArray>
#include <QString>

namespace ui {

// A diagram of assets/ as SVG text, its word labels in the program's
// language ("m g sen θ" is "m g sin θ" in English); the symbols stay.
QByteArray diagramSvg(const QString &resource);

} // namespace ui
