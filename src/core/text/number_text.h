#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Numbers as the user types and reads them, in the current default QLocale
// (core::numberLocaleFor in the program, es_ES in the tests).
namespace core {

// Strict reading of a typed number: blanks around it are allowed, but not
// group separators, empty text, letters, "inf", "nan" or anything that is
// not a finite double. In es_ES "2,5" is 2.5, while "2.5" and "12.345" are
// rejected rather than silently read as 25 or 12345.
std::optional<double> parseNumber(const QString &text);

// A number typed with the other decimal separator ("0.2" where the locale
// writes 0,2): the same number as it must be typed here, "0,2"; none when
// the text is no such number, or might mean thousands ("12.345").
std::optional<QString> withLocaleDecimal(const QString &text);

// The patterns "#,##0.00" (decimals = 2) and "#,##0.000" (decimals = 3):
// the locale's decimal separator, thousands always grouped in threes, a minus
// sign for negatives, and never a negative zero ("-0,00").
QString formatGrouped(double value, int decimals);

inline QString format2(double value) { return formatGrouped(value, 2); }
// The number formatGrouped writes for `value`: rounded to `decimals` as the
// decimal text is, halves of the last digit as the text rounds them.
double roundedAsShown(double value, int decimals);
inline QString format3(double value) { return formatGrouped(value, 3); }

// The shortest decimal text that reads back as the same double, with the
// locale's decimal separator and no grouping: 0.25 → "0,25", 1 → "1".
QString formatShortest(double value);

} // namespace core
