#include "core/text/number_text.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace core {

std::optional<double> parseNumber(const QString &text)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<QString> withLocaleDecimal(const QString &text)
{
    const QString point = QLocale().decimalPoint();
    const QString other = point == QLatin1String(",") ? QStringLiteral(".") : QStringLiteral(",");
    const QString typed = text.trimmed();
    if (typed.count(other) != 1 || typed.contains(point))
        return std::nullopt;
    const qsizetype at = typed.indexOf(other);
    // Three digits after a whole number may be thousands, as "12.345" is in
    // Spanish: no guess is safe then.
    const QString whole = typed.left(at);
    const bool wholeIsZero = whole.isEmpty() || whole == QLatin1String("0") || whole == QLatin1String("-0");
    if (typed.size() - at - 1 == 3 && !wholeIsZero)
        return std::nullopt;
    QString meant = typed;
    meant.replace(at, other.size(), point);
    if (!parseNumber(meant))
        return std::nullopt;
    return meant;
}

namespace {

// Turns the C-locale digits "1234567.89" into the user's "1.234.567,89".
QString localiseDigits(const QString &plain, int decimals)
{
    const QLocale locale;
    const qsizetype point = plain.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? plain : plain.left(point);

    QString grouped;
    grouped.reserve(whole.size() + whole.size() / 3);
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            grouped += locale.groupSeparator();
        grouped += whole.at(i);
    }
    if (decimals > 0 && point >= 0)
        grouped += locale.decimalPoint() + plain.mid(point + 1);
    return grouped;
}

} // namespace

QString formatGrouped(double value, int decimals)
{
    if (!std::isfinite(value))
        return QLocale().toString(value);

    const QString digits = QString::number(std::fabs(value), 'f', decimals);
    const bool roundsToZero = std::none_of(digits.cbegin(), digits.cend(), [](QChar c) {
        return c >= QLatin1Char('1') && c <= QLatin1Char('9');
    });
    const QString text = localiseDigits(digits, decimals);
    if (value < 0 && !roundsToZero)
        return QLocale().negativeSign() + text;
    return text;
}

double roundedAsShown(double value, int decimals)
{
    // Decimal rounding of a binary number is only exact through its decimal
    // expansion: 1,005 is 1,00499… in binary and shows as 1,00.
    // + 0 so that "-0,00" is 0, as the text shows it.
    return QString::number(value, 'f', decimals).toDouble() + 0.0;
}

QString formatShortest(double value)
{
    if (!std::isfinite(value))
        return QLocale().toString(value);
    const QLocale locale;
    QString text = QString::number(value, 'f', QLocale::FloatingPointShortest);
    if (text.startsWith(QLatin1Char('-')))
        text = locale.negativeSign() + text.mid(1);
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    if (text == locale.negativeSign() + QLatin1Char('0'))
        return QStringLiteral("0");
    return text;
}

} // namespace core
