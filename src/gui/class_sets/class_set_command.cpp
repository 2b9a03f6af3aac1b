#include "gui/class_sets/class_set_command.h"

#include "gui/class_sets/class_set_files.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRandomGenerator>

#include <cstdio>
#include <cstring>

namespace class_sets {

namespace {

struct ClassSets {
    Q_DECLARE_TR_FUNCTIONS(ClassSets)
};

using exercises::ProblemKind;

// The --problem values, in the order of the problems' codes.
const QList<std::pair<QString, std::optional<ProblemKind>>> &problemNames()
{
    static const QList<std::pair<QString, std::optional<ProblemKind>>> names{
        {QStringLiteral("inclined"), ProblemKind::InclinedPlane},
        {QStringLiteral("table"), ProblemKind::HorizontalPlane},
        {QStringLiteral("atwood"), ProblemKind::AtwoodMachine},
        {QStringLiteral("any"), std::nullopt},
    };
    return names;
}

// A whole number as typed: digits only.
std::optional<int> wholeNumber(const QString &text)
{
    if (text.isEmpty() || text.size() > 6)
        return std::nullopt;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return text.toInt();
}

QString listed(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    //: The last two items of a list: "1, 2 y 3".
    return ClassSets::tr("%1 y %2").arg(QStringList(items.mid(0, items.size() - 1)).join(QStringLiteral(", ")),
                                       items.last());
}

QString pdfFile()
{
    //: The value name of --sheet and --key in the command line's help.
    return ClassSets::tr("ARCHIVO.pdf");
}

int fail(const QString &message)
{
    std::fprintf(stderr, "cuestaval: %s\n", qUtf8Printable(message));
    return 2;
}

} // namespace

CommandLine::CommandLine()
    : m_exercises(QStringLiteral("exercises"),
                  ClassSets::tr("Prepara N ejercicios distintos, de 1 a %1, uno por alumno, sin abrir ninguna ventana, "
                                "y escribe los archivos que piden --sheet, --key y --moodle.")
                      .arg(MaxStudents),
                  QStringLiteral("N"))
    , m_problem(QStringLiteral("problem"),
                ClassSets::tr("El problema: inclined (plano inclinado), table (plano horizontal), atwood (máquina de "
                              "Atwood) o any (uno cualquiera en cada ejercicio)."),
                QStringLiteral("inclined|table|atwood|any"))
    , m_case(QStringLiteral("case"),
             ClassSets::tr("La pregunta, numerada como en los códigos de los ejercicios (la parte del medio); "
                           "sin ella, cualquiera."),
             QStringLiteral("K"))
    , m_seed(QStringLiteral("seed"),
             ClassSets::tr("El número del primer código, de 0 a 9999; los demás le siguen. Sin él, uno al azar."),
             QStringLiteral("S"))
    , m_sheet(QStringLiteral("sheet"), ClassSets::tr("Escribe la hoja de los alumnos (PDF)."), pdfFile())
    , m_key(QStringLiteral("key"), ClassSets::tr("Escribe la clave de respuestas con las resoluciones (PDF)."),
            pdfFile())
    , m_moodle(QStringLiteral("moodle"), ClassSets::tr("Escribe el banco de preguntas de Moodle (XML)."),
               //: The value name of --moodle in the command line's help.
               ClassSets::tr("ARCHIVO.xml"))
{
}

void CommandLine::addTo(QCommandLineParser &parser) const
{
    parser.addOptions({m_exercises, m_problem, m_case, m_seed, m_sheet, m_key, m_moodle});
}

std::optional<int> CommandLine::run(const QCommandLineParser &parser, const QLocale &numbers) const
{
    const QList<const QCommandLineOption *> files{&m_sheet, &m_key, &m_moodle};
    if (!parser.isSet(m_exercises)) {
        for (const QCommandLineOption *option : {&m_problem, &m_case, &m_seed, &m_sheet, &m_key, &m_moodle}) {
            if (parser.isSet(*option))
                return fail(ClassSets::tr("--%1 solo sirve con --exercises.").arg(option->names().first()));
        }
        return std::nullopt;
    }

    Choice choice;
    const QString count = parser.value(m_exercises);
    const std::optional<int> students = wholeNumber(count);
    if (!students || *students < 1 || *students > MaxStudents)
        return fail(
            ClassSets::tr("--exercises es el número de variantes, de 1 a %1, no «%2».").arg(MaxStudents).arg(count));
    choice.count = *students;

    if (parser.isSet(m_problem)) {
        const QString name = parser.value(m_problem);
        const auto found = std::find_if(problemNames().cbegin(), problemNames().cend(),
                                        [&name](const auto &entry) { return entry.first == name; });
        if (found == problemNames().cend())
            return fail(ClassSets::tr("--problem es inclined, table, atwood o any, no «%1».").arg(name));
        choice.problem = found->second;
    }

    if (parser.isSet(m_case)) {
        if (!choice.problem)
            return fail(ClassSets::tr("--case necesita un problema: --problem inclined, table o atwood."));
        QStringList numbers;
        for (const exercises::CaseInfo &kase : exercises::cases(*choice.problem))
            numbers.append(QString::number(kase.number));
        const QString typed = parser.value(m_case);
        const std::optional<int> number = wholeNumber(typed);
        if (!number || !exercises::findCase(*choice.problem, *number))
            return fail(ClassSets::tr("--problem %1 no tiene la pregunta «%2»; sus preguntas son %3.")
                            .arg(parser.value(m_problem), typed, listed(numbers)));
        choice.caseNumber = *number;
    }

    if (parser.isSet(m_seed)) {
        const QString typed = parser.value(m_seed);
        const std::optional<int> first = wholeNumber(typed);
        if (!first || *first >= exercises::NumbersPerCase)
            return fail(ClassSets::tr("--seed es el número del primer código, de 0 a %1, no «%2».")
                            .arg(exercises::NumbersPerCase - 1)
                            .arg(typed));
        if (*first > lastFirst(choice.count))
            return fail(ClassSets::tr("con --seed %1, %2 variantes llegarían al número %3, pero el último es %4: "
                                      "--seed puede ser como mucho %5.")
                            .arg(*first)
                            .arg(choice.count)
                            .arg(*first + choice.count - 1)
                            .arg(exercises::NumbersPerCase - 1)
                            .arg(lastFirst(choice.count)));
        choice.first = *first;
    } else {
        choice.first = int(QRandomGenerator::global()->bounded(lastFirst(choice.count) + 1));
    }

    Paths paths{parser.value(m_sheet), parser.value(m_key), parser.value(m_moodle)};
    const QList<std::pair<const QCommandLineOption *, QString>> asked{
        {&m_sheet, paths.sheet}, {&m_key, paths.key}, {&m_moodle, paths.moodle}};
    bool any = false;
    for (qsizetype i = 0; i < asked.size(); ++i) {
        const auto &[option, path] = asked.at(i);
        if (parser.isSet(*option) && path.isEmpty())
            return fail(ClassSets::tr("--%1 necesita el nombre de un archivo.").arg(option->names().first()));
        any = any || !path.isEmpty();
        for (qsizetype j = 0; j < i; ++j) {
            const auto &[other, otherPath] = asked.at(j);
            if (!path.isEmpty() && QFileInfo(path).absoluteFilePath() == QFileInfo(otherPath).absoluteFilePath())
                return fail(ClassSets::tr("--%1 y --%2 son el mismo archivo, «%3».")
                                .arg(other->names().first(), option->names().first(), path));
        }
    }
    if (!any)
        return fail(ClassSets::tr("--exercises necesita al menos un archivo que escribir: --sheet, --key o --moodle."));

    // The PDFs need fonts, which only a GUI application has (main starts
    // one, offscreen, for these options).
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return fail(QStringLiteral("no GUI application to write PDFs with"));

    QLocale::setDefault(numbers);
    const Written written = writeFiles(choice, variants(codes(choice)), paths);
    if (!written.failedPath.isEmpty())
        return fail(notWrittenMessage(written.failedPath));
    for (const QString &line : written.lines)
        std::printf("%s\n", qUtf8Printable(line));
    return 0;
}

bool asksForClassSet(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--exercises") == 0 || std::strncmp(argv[i], "--exercises=", 12) == 0)
            return true;
    }
    return false;
}

} // namespace class_sets
