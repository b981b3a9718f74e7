#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>
#include <string>
#include <string_view>

// Number reading and formatting shared by the printout parsers. Texts from an
// instrument are read strictly: optional blanks around, an optional sign,
// digits with at most one decimal point (at least one digit), and an optional
// exponent (E, a sign, digits). Nothing else reads as a number.
namespace instrument::text {

// The text without blanks (code 32) at either end.
QStringView trimBlanks(QStringView text);
QString trimmed(QStringView text);

bool readsAsNumber(QStringView text);
std::optional<double> toNumber(QStringView text);

// Whole numbers: the value rounded to the nearest integer, halves to the even
// one; nothing when out of range.
std::optional<qint16> toInteger(QStringView text);
std::optional<qint32> toLong(QStringView text);
std::optional<qint32> toLong(double value);

// Single precision: nothing when out of the float range. singleValue gives the
// value as the double of its shortest decimal form (12345.6, not 12345.599609).
std::optional<float> toSingle(QStringView text);
std::optional<float> toSingle(double value);
double singleValue(float value);

// The single-precision value in fixed notation with the given number of
// decimals, rounded half away from zero from its shortest decimal form: the
// pattern "#0.0000" is formatSingle(v, 4).
QString formatSingle(float value, int decimals);
// The value of formatSingle(value, decimals) as a number.
double roundSingle(float value, int decimals);

// The one fixed-decimal rounding: a plain decimal magnitude ("0.075", digits
// with at most one point) to the given number of decimals, half away from
// zero on its digits, signed unless the result is zero (never "-0.00").
std::string roundedDecimalText(std::string_view magnitude, bool negative, int decimals);

}  // namespace instrument::text
