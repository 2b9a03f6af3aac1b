#include "core/simulations/scroll_bridge.h"

#include "core/text/number_text.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace run_data {

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

Handover handover(const QList<std::pair<double, ScrollScale>> &values)
{
    Handover result;
    QStringList notes;
    for (const auto &[quantity, scale] : values) {
        const ScrollSetting setting = toScroll(quantity, scale);
        result.scrollValues.append(setting.value);
        if (setting.note)
            notes.append(*setting.note);
    }
    result.note = notes.join(QStringLiteral("; "));
    return result;
}

} // namespace

ScrollScale inclinedAngleScale()
{
    return {QStringLiteral("θ"), QStringLiteral("°"), 1, 90, 0};
}

ScrollScale inclinedFrictionScale()
{
    return {QStringLiteral("μ"), QString(), 1000, 1000, 0};
}

ScrollScale tableFrictionScale()
{
    return {QStringLiteral("μ"), QString(), 100, 100, 0};
}

ScrollScale massScale(int body)
{
    return {body == 1 ? QStringLiteral("m₁") : QStringLiteral("m₂"), QStringLiteral(" kg"), 1, 100, 1};
}

ScrollSetting toScroll(double quantity, const ScrollScale &scale)
{
    double steps = std::isfinite(quantity) ? std::clamp(quantity * scale.stepsPerUnit, -1e9, 1e9) : 0;
    // Halves go up, as they do on paper: 2,5 kg becomes 3 kg, and 0,285 becomes
    // 0,29 although 0,285 × 100 is 28,4999… in binary.
    steps = std::round(steps * 1e6) / 1e6;
    const long long nearest = std::llround(steps);
    const int clipped = int(std::clamp<long long>(nearest, 0, scale.maximumSteps));

    ScrollSetting setting;
    setting.value = scale.valueAtZero + clipped;
    setting.shown = clipped / double(scale.stepsPerUnit);

    const int decimals = decimalsOf(scale.stepsPerUnit);
    const QString given = problemText(quantity, decimals);
    const QString shown = core::formatShortest(setting.shown);
    QString limit;
    if (nearest > scale.maximumSteps)
        //: Appended to a note: the scroll bar is at its highest value. Keep the leading blank
        limit = QCoreApplication::translate("ScrollBridge", " (el máximo)");
    else if (nearest < 0)
        //: Appended to a note: the scroll bar is at its lowest value. Keep the leading blank
        limit = QCoreApplication::translate("ScrollBridge", " (el mínimo)");
    if (given != shown || !limit.isEmpty())
        //: A problem's value the scroll bar cannot hold: %1 the symbol (m₁, μ, θ), %2 the value given,
        //: %3 its unit (may be empty), %4 the value the bar shows, %5 empty or " (el máximo)" / " (el mínimo)"
        setting.note = QCoreApplication::translate("ScrollBridge", "%1 = %2%3 se muestra como %4%3%5")
                           .arg(scale.symbol, given, scale.unit, shown, limit);
    return setting;
}

Handover toInclinedPlane(double angleDegrees, double mu)
{
    return handover({{angleDegrees, inclinedAngleScale()}, {mu, inclinedFrictionScale()}});
}

Handover toHorizontalPlane(double m1, double m2, double mu)
{
    return handover({{m1, massScale(1)}, {m2, massScale(2)}, {mu, tableFrictionScale()}});
}

Handover toAtwood(double m1, double m2)
{
    return handover({{m1, massScale(1)}, {m2, massScale(2)}});
}

} // namespace run_data
