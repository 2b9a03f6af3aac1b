#pragma once

#include <QString>

class QObject;

// Parts of the program that pull in a large Qt module (printing, charts) are
// plugins, loaded the first time a window needs them, so that starting the
// program never pays for them.
namespace ui {

// The root object of plugin `name` (the file lib<name>.so), from the build
// tree or from the installed program's library folder; nullptr with
// `error` set when it cannot be loaded.
QObject *loadPlugin(const QString &name, QString *error = nullptr);

} // namespace ui
