#include "core/simulations/run_table.h"

#include "core/constants.h"
#include "core/simulations/run_energy.h"
#include "core/text/number_text.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace run_data {

namespace {

// A column of the table: its heading in parts, so the table can stack them
// ("Ec", "bloque 1", "(J)") and a file can run them together.
struct Column {
    QString quantity;
    QString body;
    QString unit;
    QString fullName; // what an energy's symbol stands for, for the table's tooltip
};

QString joinedHeading(const Column &column)
{
    if (column.body.isEmpty())
        return QStringLiteral("%1 (%2)").arg(column.quantity, column.unit);
    //: A column heading: %1 the quantity (Distancia, Velocidad, Ec), %2 the body (bloque 1, masa 2), %3 the unit.
    //: The data window shows the three parts on lines of their own.
    return QCoreApplication::translate("RunTable", "%1 %2 (%3)").arg(column.quantity, column.body, column.unit);
}

// Both bodies of a pair move alike, so every body's distance and speed hold
// the same numbers; they are kept apart so each body can be plotted on its
// own. The energies follow, in the order of the energy bars.
QList<Column> columns(const RunRecord &run)
{
    //: Column heading (table and CSV file)
    const QString time = QCoreApplication::translate("RunTable", "Tiempo");
    QList<Column> list{{time, {}, QStringLiteral("s"), {}}};
    for (const QString &body : run.bodies()) {
        //: Column heading, followed by the body and the unit
        list.append({QCoreApplication::translate("RunTable", "Distancia"), body, QStringLiteral("m"), {}});
        //: Column heading, followed by the body and the unit
        list.append({QCoreApplication::translate("RunTable", "Velocidad"), body, QStringLiteral("m/s"), {}});
    }
    for (const EnergyTerm &term : energyTerms(run, {})) {
        list.append({termSymbol(run, term), term.body >= 0 ? run.bodies().value(term.body) : QString(),
                     QStringLiteral("J"), termName(run, term)});
    }
    return list;
}

// The numbers of a row with their decimals, in the order of the columns;
// the energies as shown, so that the balance adds up in every row. No
// heading is translated for it: a strobe tick makes a row.
QList<std::pair<double, int>> values(const RunRecord &run, const Sample &sample)
{
    QList<std::pair<double, int>> row{{sample.time, TimeDecimals}};
    for (qsizetype body = 0; body < run.bodies().size(); ++body)
        row << std::pair(sample.distance, MotionDecimals) << std::pair(sample.speed, MotionDecimals);
    for (const EnergyTerm &term : energyTerms(run, sample))
        row << std::pair(term.shownJoules(), EnergyDecimals);
    return row;
}

// The run's constants, appended to every exported row.
struct Constant {
    QString heading;
    double value;
    int decimals;
};

QList<Constant> constants(const RunRecord &run)
{
    QList<Constant> list{
        {QCoreApplication::translate("RunTable", "Aceleración (m/s²)"), run.acceleration(), AccelerationDecimals}};
    if (run.tension())
        list.append({QCoreApplication::translate("RunTable", "Tensión (N)"), *run.tension(), TensionDecimals});
    // The energies scale with the masses, which the table would not say.
    const QList<EnergyBody> &bodies = run.energy().bodies;
    for (qsizetype i = 0; i < bodies.size(); ++i) {
        //: Column heading of the files: a body's mass, followed by the body and the unit
        const Column mass{QCoreApplication::translate("RunTable", "Masa"), run.bodies().value(i), QStringLiteral("kg"),
                          {}};
        list.append({joinedHeading(mass), bodies.at(i).mass, MassDecimals});
    }
    return list;
}

// Files are read by spreadsheets, which split on ';' where the decimal
// separator is a comma and on ',' where it is a point (English). Numbers
// carry no grouping and never read "-0,0000".
bool filesUsePoint()
{
    return QLocale().decimalPoint() == QLatin1String(".");
}

QString fileNumber(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.toDouble() == 0)
        text = QString::number(0.0, 'f', decimals);
    if (!filesUsePoint())
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

template<typename Format>
QList<QStringList> exportedTable(const RunRecord &run, Format format)
{
    const QList<Column> cols = columns(run);
    const QList<Constant> consts = constants(run);
    QStringList heading;
    for (const Column &column : cols)
        heading.append(joinedHeading(column));
    for (const Constant &constant : consts)
        heading.append(constant.heading);

    QList<QStringList> table{heading};
    for (const Sample &sample : run.strobes()) {
        QStringList row;
        for (const auto &[value, decimals] : values(run, sample))
            row.append(format(value, decimals));
        for (const Constant &constant : consts)
            row.append(format(constant.value, constant.decimals));
        table.append(row);
    }
    return table;
}

} // namespace

QStringList headings(const RunRecord &run)
{
    QStringList list;
    for (const Column &column : columns(run))
        list.append(joinedHeading(column));
    return list;
}

QStringList stackedHeadings(const RunRecord &run)
{
    QStringList list;
    for (const Column &column : columns(run)) {
        QStringList lines{column.quantity};
        if (!column.body.isEmpty())
            lines.append(column.body);
        lines.append(QStringLiteral("(%1)").arg(column.unit));
        list.append(lines.join(QLatin1Char('\n')));
    }
    return list;
}

QStringList headingTips(const RunRecord &run)
{
    QStringList list;
    for (const Column &column : columns(run))
        list.append(column.fullName);
    return list;
}

QStringList rowTexts(const RunRecord &run, const Sample &sample)
{
    QStringList row;
    for (const auto &[value, decimals] : values(run, sample))
        row.append(core::formatGrouped(value, decimals));
    return row;
}

QStringList summaryTexts(const RunRecord &run)
{
    QStringList texts{QCoreApplication::translate("RunTable", "Aceleración: %1 m/s²")
                          .arg(core::formatGrouped(run.acceleration(), AccelerationDecimals))};
    if (run.tension())
        texts.append(QCoreApplication::translate("RunTable", "Tensión: %1 N")
                         .arg(core::formatGrouped(*run.tension(), TensionDecimals)));
    return texts;
}

QString toTsv(const RunRecord &run)
{
    QString text;
    for (const QStringList &row : exportedTable(run, core::formatGrouped))
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

QByteArray toCsv(const RunRecord &run)
{
    QByteArray bytes("\xEF\xBB\xBF");
    const QChar separator = filesUsePoint() ? QLatin1Char(',') : QLatin1Char(';');
    for (const QStringList &row : exportedTable(run, fileNumber))
        bytes += row.join(separator).toUtf8() + "\r\n";
    return bytes;
}

QString simulationGravityText()
{
    return QStringLiteral("g = %1 m/s²").arg(core::formatShortest(constants::SimulationGravity));
}

} // namespace run_data
