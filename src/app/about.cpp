#include "app/about.h"

#include <QCoreApplication>

namespace app {

QString versionNumber()
{
    return QStringLiteral(CUESTAVAL_VERSION);
}

QString aboutText()
{
    return QCoreApplication::translate("About", "Cuestaval %1\n"
                                                "Problemas y simulaciones de la segunda ley de Newton: "
                                                "el plano inclinado con fricción, el bloque sobre una mesa "
                                                "tirado por otro que cuelga de una polea, y la máquina de Atwood.\n"
                                                "Licencia: GPL-3.0-or-later (GNU General Public License, "
                                                "versión 3 o posterior). Es software libre y se distribuye "
                                                "sin ninguna garantía.")
        .arg(versionNumber());
}

} // namespace app
