#pragma once

#include "core/class_sets/class_set.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

// A class set as a Moodle question bank (Moodle XML): a category record,
// then one cloze question per variant, its diagram carried in the file. What
// Moodle's importer reads: numbers in an embedded answer with a decimal point
// and nothing else ("1,000" would be read as 1), "}", "#" and "~" escaped in
// an answer's feedback, HTML in CDATA sections that never hold "]]>".
namespace class_sets {

// "$course$/top/Cuestaval/Plano inclinado/Calcula a", each name's own "/"
// doubled as Moodle wants it.
QString categoryPath(const Choice &choice);

// The diagram of a question, as the file carries it.
struct MoodleImage {
    QString name; // "inclined_plane_diagram.png"
    QByteArray png;
    QSize shown; // in the question, in pixels
    QString description;
};

// The embedded answer of one unknown: the exact value and its margin, then
// each typical mistake's value with its hint as feedback,
// "{1:NUMERICAL:=3.2086:0.0321~%0%5.4012:0.054#Parece que…}".
QString clozeNumerical(const Variant &variant, const exercises::Unknown &unknown);

// A feedback text safe inside an embedded answer: "}", "#" and "~" with a
// backslash before them, which Moodle removes again.
QString clozeEscaped(const QString &text);

// Text in one or more CDATA sections, so that "]]>" inside it survives.
QString cdata(const QString &text);

// One <question type="cloze">: the code in its name, the statement, the
// diagram and one embedded answer per unknown with its unit after it; the
// worked solution (`feedbackHtml`) as its general feedback.
QString questionXml(const Variant &variant, const MoodleImage &image, const QString &feedbackHtml);

// The file: the category record, then the questions.
QByteArray moodleXml(const QString &category, const QStringList &questions);

} // namespace class_sets
