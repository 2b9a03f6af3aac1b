#include "gui/ui/settings.h"

namespace ui {

QSettings settings()
{
    return QSettings(QStringLiteral("Cuestaval"), QStringLiteral("cuestaval"));
}

} // namespace ui
