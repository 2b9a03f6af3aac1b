#include "core/exercises/statement.h"

#include "core/problems/atwood_cases.h"
#include "core/problems/horizontal_plane_cases.h"
#include "core/problems/inclined_plane_cases.h"
#include "core/problems/working.h"

#include <QCoreApplication>

namespace exercises {

namespace {

struct Exercises {
    Q_DECLARE_TR_FUNCTIONS(Exercises)
};

QString situation(ProblemKind problem)
{
    switch (problem) {
    case ProblemKind::InclinedPlane:
        return Exercises::tr("Un bloque baja deslizándose por un plano inclinado que forma un ángulo θ con la "
                             "horizontal, con aceleración a. Entre el bloque y el plano hay fricción cinética, de "
                             "coeficiente μ.");
    case ProblemKind::HorizontalPlane:
        return Exercises::tr("Un bloque de masa m₁ está sobre una mesa horizontal, con coeficiente de fricción "
                             "cinética μ entre el bloque y la mesa. Una cuerda que pasa por una polea en el borde "
                             "de la mesa lo une a un bloque colgante de masa m₂, que baja y lo arrastra: los dos se "
                             "mueven con aceleración a, y la tensión de la cuerda es T. La cuerda y la polea tienen "
                             "masa despreciable.");
    case ProblemKind::AtwoodMachine:
        break;
    }
    return Exercises::tr("Dos bloques cuelgan de los extremos de una cuerda que pasa por una polea fija (máquina "
                         "de Atwood): el de masa m₁ baja y el de masa m₂ sube, los dos con aceleración a, y la "
                         "tensión de la cuerda es T. La cuerda y la polea tienen masa despreciable.");
}

// An unknown as the question names it: "la masa m₂ del bloque colgante".
QString sought(ProblemKind problem, int field)
{
    if (problem == ProblemKind::InclinedPlane) {
        using namespace solvers::inclined;
        if (field == Angle)
            return Exercises::tr("el ángulo θ del plano");
        if (field == Friction)
            return Exercises::tr("el coeficiente de fricción μ");
        return Exercises::tr("la aceleración a del bloque");
    }
    if (problem == ProblemKind::HorizontalPlane) {
        using namespace solvers::horizontal;
        if (field == Mass1)
            return Exercises::tr("la masa m₁ del bloque de la mesa");
        if (field == Mass2)
            return Exercises::tr("la masa m₂ del bloque colgante");
        if (field == Friction)
            return Exercises::tr("el coeficiente de fricción μ");
        if (field == Acceleration)
            return Exercises::tr("la aceleración a");
        return Exercises::tr("la tensión T de la cuerda");
    }
    using namespace solvers::atwood;
    if (field == Mass1)
        return Exercises::tr("la masa m₁ del bloque que baja");
    if (field == Mass2)
        return Exercises::tr("la masa m₂ del bloque que sube");
    if (field == Acceleration)
        return Exercises::tr("la aceleración a");
    return Exercises::tr("la tensión T de la cuerda");
}

QString listed(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    //: The last two items of a list: "θ = 30°, μ = 0,2 y g = 9,81 m/s²".
    return Exercises::tr("%1 y %2").arg(QStringList(items.mid(0, items.size() - 1)).join(QStringLiteral(", ")),
                                       items.last());
}

QString quantity(const QString &symbol, double value, const QString &unit)
{
    return QStringLiteral("%1 = %2").arg(symbol, solvers::withUnit(solvers::givenNumber(value), unit));
}

} // namespace

QString Statement::text() const
{
    return QStringList{situation, dataLine, question}.join(QLatin1Char(' '));
}

Statement statement(const Exercise &exercise)
{
    const ProblemKind problem = exercise.problem();
    Statement words;
    words.situation = situation(problem);
    for (int field : exercise.given)
        words.data.append(quantity(symbol(problem, field), exercise.values[field], unit(problem, field)));
    words.data.append(quantity(QStringLiteral("g"), solvers::Gravity, QStringLiteral("m/s²")));
    //: %1 lists the given values: "m₁ = 2 kg, m₂ = 3 kg, μ = 0,2 y g = 9,81 m/s²".
    words.dataLine = Exercises::tr("Datos: %1.").arg(listed(words.data));
    QStringList asked;
    for (const Unknown &unknown : exercise.unknowns)
        asked.append(sought(problem, unknown.field));
    words.question = asked.size() == 1
                         //: %1 names the unknown: "el coeficiente de fricción μ".
                         ? Exercises::tr("Calcula %1.").arg(asked.first())
                         //: %1 and %2 name the unknowns: "la masa m₂ del bloque colgante", "la aceleración a".
                         : Exercises::tr("Calcula %1 y %2.").arg(asked.first(), asked.last());
    return words;
}

QList<AnswerField> answerFields(const Exercise &exercise)
{
    const ProblemKind problem = exercise.problem();
    QList<AnswerField> fields;
    for (const Unknown &unknown : exercise.unknowns)
        fields.append({unknown.field, symbol(problem, unknown.field), unit(problem, unknown.field),
                       caption(problem, unknown.field)});
    return fields;
}

} // namespace exercises
