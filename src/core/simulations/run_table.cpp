#include "core/simulations/run_table.h"

#include "core/constants.h"
#include "core/text/number_text.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace run_data {

namespace {

struct Column {
    QString heading;
    double (*value)(const Sample &);
    int decimals;
};

QString bodyHeading(const QString &quantity, const QString &body, const QString &unit)
{
    if (body.isEmpty())
        return QStringLiteral("%1 (%2)").arg(quantity, unit);
    //: A column heading: %1 the quantity (Distancia, Velocidad), %2 the body (bloque 1, masa 2), %3 the unit.
    //: The data window breaks it into lines at the first space and before the bracket.
    return QCoreApplication::translate("RunTable", "%1 %2 (%3)").arg(quantity, body, unit);
}

// Both bodies of a pair move alike, so every body's columns hold the same
// numbers; they are kept apart so each body can be plotted on its own.
QList<Column> columns(const RunRecord &run)
{
    //: Column heading (table and CSV file)
    QList<Column> list{
        {QCoreApplication::translate("RunTable", "Tiempo (s)"), [](const Sample &s) { return s.time; }, TimeDecimals}};
    for (const QString &body : run.bodies()) {
        //: Column heading, followed by the body and the unit
        list.append({bodyHeading(QCoreApplication::translate("RunTable", "Distancia"), body, QStringLiteral("m")),
                     [](const Sample &s) { return s.distance; }, MotionDecimals});
        //: Column heading, followed by the body and the unit
        list.append({bodyHeading(QCoreApplication::translate("RunTable", "Velocidad"), body, QStringLiteral("m/s")),
                     [](const Sample &s) { return s.speed; }, MotionDecimals});
    }
    return list;
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
        heading.append(column.heading);
    for (const Constant &constant : consts)
        heading.append(constant.heading);

    QList<QStringList> table{heading};
    for (const Sample &sample : run.strobes()) {
        QStringList row;
        for (const Column &column : cols)
            row.append(format(column.value(sample), column.decimals));
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
        list.append(column.heading);
    return list;
}

QStringList rowTexts(const RunRecord &run, const Sample &sample)
{
    QStringList row;
    for (const Column &column : columns(run))
        row.append(core::formatGrouped(column.value(sample), column.decimals));
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
