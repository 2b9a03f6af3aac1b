#pragma once

#include "core/class_sets/class_set.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The files of a class set: the students' sheet and the teacher's key (A4
// PDFs) and the Moodle question bank, in the program's language.
namespace class_sets {

// The sheet: two variants a page with a cut line between them, each with its
// code, a line for the name, the diagram, the statement as the practice
// window words it, and an answer line per unknown with its unit.
QByteArray sheetPdf(const QList<Variant> &variants);

// The key: a page per variant with its code and its answers, then the whole
// worked solution as the "Resolución" dialog shows it, dated.
QByteArray keyPdf(const QList<Variant> &variants, const QDate &date);

QByteArray moodleFile(const Choice &choice, const QList<Variant> &variants);

// Where each file goes; an empty path is a file not asked for.
struct Paths {
    QString sheet;
    QString key;
    QString moodle;
};

struct Written {
    // One line per file written ("Hoja para los alumnos, códigos 1-3-100 a
    // 1-3-129: hoja.pdf"); empty when nothing was.
    QStringList lines;
    // The place that could not be written: then no file is left.
    QString failedPath;
};

Written writeFiles(const Choice &choice, const QList<Variant> &variants, const Paths &paths);

// The message for a place that could not be written, saying that no file
// of the set was kept.
QString notWrittenMessage(const QString &path);

// A file's name for a set written into a folder: "hoja 1-3-100 a 1-3-129.pdf".
Paths pathsIn(const QString &folder, const QList<Variant> &variants, bool sheet, bool key, bool moodle);

} // namespace class_sets
