#include "core/simulations/bars.h"

#include "core/text/number_text.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace simulation {

namespace {

int decimalsOf(int stepsPerUnit)
{
    int decimals = 0;
    for (int steps = stepsPerUnit; steps > 1; steps /= 10)
        ++decimals;
    return decimals;
}

// The problem's value with three digits more than the bar holds, without
// trailing zeros: enough to show what was lost, short enough for one line.
// Noise below that is no change worth a note: 0,2000000001 is 0,2.
QString problemText(double value, int decimals)
{
    QString text = core::formatGrouped(value, decimals + 3);
    const QString point = QLocale().decimalPoint();
    if (text.contains(point)) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(point))
            text.chop(point.size());
    }
    return text;
}

} // namespace

Bar angleBar()
{
    return {QStringLiteral("θ"), QStringLiteral("°"), 1, 90, 0, 1, 5, 0};
}

Bar planeFrictionBar()
{
    return {QStringLiteral("μ"), QString(), 1000, 1000, 0, 10, 50, 0};
}

Bar tableFrictionBar()
{
    return {QStringLiteral("μ"), QString(), 100, 100, 0, 1, 5, 0};
}

Bar massBar(int body)
{
    return {body == 1 ? QStringLiteral("m₁") : QStringLiteral("m₂"), QStringLiteral(" kg"), 1, 100, 1, 1, 5, 51};
}

BarSetting toBar(double quantity, const Bar &bar)
{
    double steps = std::isfinite(quantity) ? std::clamp(quantity * bar.stepsPerUnit, -1e9, 1e9) : 0;
    // Halves go up, as they do on paper: 2,5 kg becomes 3 kg, and 0,285 becomes
    // 0,29 although 0,285 × 100 is 28,4999… in binary.
    steps = std::round(steps * 1e6) / 1e6;
    const long long nearest = std::llround(steps);
    const int clipped = int(std::clamp<long long>(nearest, 0, bar.steps));

    BarSetting setting;
    setting.value = bar.valueAtZero + clipped;
    setting.clipped = nearest != clipped;
    setting.shown = clipped / double(bar.stepsPerUnit);

    const int decimals = decimalsOf(bar.stepsPerUnit);
    const QString given = problemText(quantity, decimals);
    const QString shown = core::formatShortest(setting.shown);
    QString limit;
    if (nearest > bar.steps)
        //: Appended to a note: the scroll bar is at its highest value. Keep the leading blank
        limit = QCoreApplication::translate("ScrollBridge", " (el máximo)");
    else if (nearest < 0)
        //: Appended to a note: the scroll bar is at its lowest value. Keep the leading blank
        limit = QCoreApplication::translate("ScrollBridge", " (el mínimo)");
    if (given != shown || !limit.isEmpty())
        //: A problem's value the scroll bar cannot hold: %1 the symbol (m₁, μ, θ), %2 the value given,
        //: %3 its unit (may be empty), %4 the value the bar shows, %5 empty or " (el máximo)" / " (el mínimo)"
        setting.note = QCoreApplication::translate("ScrollBridge", "%1 = %2%3 se muestra como %4%3%5")
                           .arg(bar.symbol, given, bar.unit, shown, limit);
    return setting;
}

Handover toBars(const QList<double> &quantities, const QList<Bar> &bars)
{
    Handover handover;
    QStringList notes;
    for (qsizetype i = 0; i < bars.size() && i < quantities.size(); ++i) {
        const BarSetting setting = toBar(quantities.at(i), bars.at(i));
        handover.values.append(setting.value);
        if (setting.note)
            notes.append(*setting.note);
    }
    handover.note = notes.join(QStringLiteral("; "));
    return handover;
}

bool fitBars(const QList<double> &quantities, const QList<Bar> &bars)
{
    for (qsizetype i = 0; i < bars.size(); ++i) {
        if (i >= quantities.size() || !std::isfinite(quantities.at(i)) || toBar(quantities.at(i), bars.at(i)).clipped)
            return false;
    }
    return true;
}

Typed typedValue(const QString &text, const Bar &bar, int current)
{
    const QString now = core::formatShortest(bar.quantity(current));
    if (text.trimmed().isEmpty())
        return {};
    const std::optional<double> number = core::parseNumber(text);
    if (!number) {
        if (const std::optional<QString> meant = core::withLocaleDecimal(text))
            //: A simulation field refused what was typed: %1 the text, %2 the same number as it must be written,
            //: %3 the symbol (m₁, μ, θ), %4 the value its scroll bar keeps, %5 its unit (may be empty)
            return {std::nullopt, QCoreApplication::translate("ScrollBridge", "«%1» no es un número (escribe %2); %3 sigue en %4%5")
                                      .arg(text.trimmed(), *meant, bar.symbol, now, bar.unit)};
        //: A simulation field refused what was typed: %1 the text, %2 the symbol (m₁, μ, θ), %3 the value its
        //: scroll bar keeps, %4 its unit (may be empty)
        return {std::nullopt, QCoreApplication::translate("ScrollBridge", "«%1» no es un número; %2 sigue en %3%4")
                                  .arg(text.trimmed(), bar.symbol, now, bar.unit)};
    }
    const BarSetting setting = toBar(*number, bar);
    if (setting.clipped) {
        //: A simulation field refused a number its scroll bar cannot reach: %1 the symbol, %2 the number typed,
        //: %3 its unit (may be empty), %4 and %5 the ends of the bar, %6 the value the bar keeps
        return {std::nullopt, QCoreApplication::translate("ScrollBridge", "%1 = %2%3 no cabe en la barra (de %4%3 a %5%3); sigue en %6%3")
                                  .arg(bar.symbol, core::formatShortest(*number), bar.unit,
                                       core::formatShortest(bar.quantity(bar.minimum())),
                                       core::formatShortest(bar.quantity(bar.maximum())), now)};
    }
    return {setting.value, setting.note.value_or(QString())};
}

} // namespace simulation
