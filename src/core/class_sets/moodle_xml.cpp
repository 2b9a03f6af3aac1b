#include "core/class_sets/moodle_xml.h"

#include "core/exercises/mistakes.h"

namespace class_sets {

namespace {

QString xmlText(const QString &text)
{
    return text.toHtmlEscaped();
}

QString moodleNumber(double value)
{
    return answerNumber(value, QLocale::c());
}

QString categoryName(const QString &name)
{
    return QString(name).replace(QLatin1Char('/'), QStringLiteral("//"));
}

} // namespace

QString categoryPath(const Choice &choice)
{
    return QStringLiteral("$course$/top/Cuestaval/%1/%2")
        .arg(categoryName(problemLabel(choice)), categoryName(questionLabel(choice)));
}

QString clozeEscaped(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (QChar c : text) {
        if (c == u'}' || c == u'#' || c == u'~')
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return escaped;
}

QString clozeNumerical(const Variant &variant, const exercises::Unknown &unknown)
{
    QString part =
        QStringLiteral("{1:NUMERICAL:=%1:%2").arg(moodleNumber(unknown.exact), moodleNumber(unknown.tolerance));
    for (const exercises::MistakeValue &wrong : unknown.mistakes) {
        // "%0%": a wrong answer, worth nothing, whose feedback names the step.
        part += QStringLiteral("~%0%") + moodleNumber(wrong.value) + QLatin1Char(':') + moodleNumber(wrong.tolerance) +
                QLatin1Char('#') +
                clozeEscaped(exercises::hint(variant.exercise.problem(), wrong.mistake).toHtmlEscaped());
    }
    return part + QLatin1Char('}');
}

QString cdata(const QString &text)
{
    QString safe = text;
    // "]]>" ends a section: end it after "]]" and open another before ">".
    safe.replace(QStringLiteral("]]>"), QStringLiteral("]]]]><![CDATA[>"));
    return QStringLiteral("<![CDATA[") + safe + QStringLiteral("]]>");
}

QString questionXml(const Variant &variant, const MoodleImage &image, const QString &feedbackHtml)
{
    const exercises::ProblemKind problem = variant.exercise.problem();
    QString html = QStringLiteral("<p>%1</p>").arg(variant.statement.situation.toHtmlEscaped());
    html += QStringLiteral("<p><img src=\"@@PLUGINFILE@@/%1\" alt=\"%2\" width=\"%3\" height=\"%4\"></p>")
                .arg(image.name, image.description.toHtmlEscaped())
                .arg(image.shown.width())
                .arg(image.shown.height());
    html += QStringLiteral("<p>%1</p><p>%2</p>")
                .arg(variant.statement.dataLine.toHtmlEscaped(), variant.statement.question.toHtmlEscaped());
    QStringList answers;
    for (const exercises::Unknown &unknown : variant.exercise.unknowns) {
        const QString unit = exercises::unit(problem, unknown.field);
        answers.append(QStringLiteral("%1 = %2%3")
                           .arg(exercises::symbol(problem, unknown.field), clozeNumerical(variant, unknown),
                                unit.isEmpty() ? QString() : QStringLiteral(" ") + unit.toHtmlEscaped()));
    }
    html += QStringLiteral("<p>%1</p>").arg(answers.join(QStringLiteral("<br>")));

    const QString name = QStringLiteral("%1 · %2 · %3")
                             .arg(variant.code(), exercises::problemName(problem),
                                  exercises::caseName(*exercises::findCase(problem, variant.exercise.code.caseNumber)));
    return QStringLiteral("  <question type=\"cloze\">\n"
                          "    <name>\n      <text>%1</text>\n    </name>\n"
                          "    <questiontext format=\"html\">\n      <text>%2</text>\n"
                          "      <file name=\"%3\" path=\"/\" encoding=\"base64\">%4</file>\n"
                          "    </questiontext>\n"
                          "    <generalfeedback format=\"html\">\n      <text>%5</text>\n    </generalfeedback>\n"
                          "    <penalty>0.3333333</penalty>\n"
                          "    <hidden>0</hidden>\n"
                          "  </question>\n")
        .arg(xmlText(name), cdata(html), xmlText(image.name), QString::fromLatin1(image.png.toBase64()),
             cdata(feedbackHtml));
}

QByteArray moodleXml(const QString &category, const QStringList &questions)
{
    QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n"
                                 "  <question type=\"category\">\n"
                                 "    <category>\n      <text>%1</text>\n    </category>\n"
                                 "  </question>\n")
                      .arg(xmlText(category));
    for (const QString &question : questions)
        xml += question;
    xml += QStringLiteral("</quiz>\n");
    return xml.toUtf8();
}

} // namespace class_sets
