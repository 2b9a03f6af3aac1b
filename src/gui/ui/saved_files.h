#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Files the program writes are written whole or not at all; files written
// together (a class set's sheet, key and question bank) all or none.
namespace ui {

struct FileContents {
    QString path;
    QByteArray bytes;
};

// Writes each file through QSaveFile. When one cannot be written, none is
// left: the others are cancelled, or removed if already in place. Returns
// the path that could not be written, empty when all were.
QString saveAll(const QList<FileContents> &files);

// One file: false when it could not be written.
inline bool saveWhole(const QString &path, const QByteArray &bytes)
{
    return saveAll({{path, bytes}}).isEmpty();
}

} // namespace ui
