#include "core/problems/working.h"

#include "core/text/number_text.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace solvers {

namespace {

// Private-use characters that no typed text reaches: the working is built
// from the program's own texts and numbers only.
constexpr QChar FractionOpen(0xE000);
constexpr QChar FractionBar(0xE001);
constexpr QChar FractionClose(0xE002);

const QString TrueMinus = QStringLiteral("−");

QString withTrueMinus(QString text)
{
    const QString sign = QLocale().negativeSign();
    if (text.startsWith(sign))
        text = TrueMinus + text.mid(sign.size());
    return text;
}

// A side of a fraction that is more than one term gets parentheses when
// the fraction is written on one line.
QString grouped(const QString &side)
{
    const bool simple = !side.contains(QLatin1Char(' ')) && !side.contains(QLatin1Char('/'));
    return simple ? side : QLatin1Char('(') + side + QLatin1Char(')');
}

// A value too large for a double: the working says so rather than "inf".
QString notFinite(double value)
{
    if (std::isnan(value))
        return QCoreApplication::translate("Working", "indeterminado");
    return value > 0 ? QStringLiteral("∞") : QStringLiteral("−∞");
}

} // namespace

QString fraction(const QString &numerator, const QString &denominator)
{
    return FractionOpen + numerator + FractionBar + denominator + FractionClose;
}

QList<FormulaPiece> formulaPieces(const QString &formula)
{
    QList<FormulaPiece> pieces;
    qsizetype at = 0;
    while (at < formula.size()) {
        const qsizetype open = formula.indexOf(FractionOpen, at);
        if (open < 0) {
            pieces.append({formula.mid(at), {}});
            break;
        }
        if (open > at)
            pieces.append({formula.mid(at, open - at), {}});
        const qsizetype bar = formula.indexOf(FractionBar, open);
        const qsizetype close = bar < 0 ? -1 : formula.indexOf(FractionClose, bar);
        if (close < 0) {
            pieces.append({formula.mid(at), {}});
            break;
        }
        pieces.append({formula.mid(open + 1, bar - open - 1), formula.mid(bar + 1, close - bar - 1)});
        at = close + 1;
    }
    return pieces;
}

QString plainText(const QString &formula)
{
    QString text;
    for (const FormulaPiece &piece : formulaPieces(formula))
        text += piece.denominator.isEmpty() ? piece.text
                                            : grouped(piece.text) + QLatin1Char('/') + grouped(piece.denominator);
    return text;
}

QString plainText(const Working &working)
{
    QStringList lines;
    for (const Step &step : working)
        lines.append(plainText(step.text));
    return lines.join(QLatin1Char('\n'));
}

QString givenNumber(double value)
{
    if (!std::isfinite(value))
        return notFinite(value);
    return withTrueMinus(core::formatShortest(value == 0 ? 0.0 : value));
}

QString shownNumber(double value)
{
    if (!std::isfinite(value))
        return notFinite(value);
    return withTrueMinus(core::format2(value));
}

QString shownApart(double value, double other)
{
    // Two significant digits past the first decimal where they differ.
    constexpr int MostDecimals = 12;
    for (int decimals = 2; decimals <= MostDecimals; ++decimals) {
        if (core::formatGrouped(value, decimals) != core::formatGrouped(other, decimals)) {
            const int shown = decimals == 2 ? 2 : std::min(decimals + 1, MostDecimals);
            return std::isfinite(value) ? withTrueMinus(core::formatGrouped(value, shown)) : notFinite(value);
        }
    }
    return shownNumber(value);
}

QString factor(double value)
{
    const QString text = givenNumber(value);
    return text.startsWith(TrueMinus) ? QLatin1Char('(') + text + QLatin1Char(')') : text;
}

QString withUnit(const QString &number, const QString &unit)
{
    if (unit.isEmpty())
        return number;
    if (unit == u"°")
        return number + unit;
    return number + QLatin1Char(' ') + unit;
}

} // namespace solvers
