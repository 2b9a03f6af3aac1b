#include "gui/ui/plugins.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>
#include <QStringList>

namespace ui {

namespace {

QStringList pluginFolders()
{
    const QString bin = QCoreApplication::applicationDirPath();
    return {QDir(bin).absoluteFilePath(QString::fromUtf8(CUESTAVAL_PLUGIN_INSTALL_RELDIR)),
            QString::fromUtf8(CUESTAVAL_PLUGIN_BUILD_DIR)};
}

} // namespace

QObject *loadPlugin(const QString &name, QString *error)
{
    const QString file = QStringLiteral("lib%1.so").arg(name);
    QString lastError = QStringLiteral("%1 not found").arg(file);
    for (const QString &folder : pluginFolders()) {
        const QString path = QDir(folder).absoluteFilePath(file);
        if (!QFileInfo::exists(path))
            continue;
        QPluginLoader loader(path);
        if (QObject *root = loader.instance())
            return root;
        lastError = loader.errorString();
    }
    if (error)
        *error = lastError;
    return nullptr;
}

} // namespace ui
