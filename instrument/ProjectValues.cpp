#include "instrument/ProjectValues.h"

#include "instrument/TextNumbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace instrument::projectvalues {

namespace {

constexpr int SingleDigits = 7;
constexpr int SingleRoundTripDigits = 9;
constexpr int DoubleDigits = 15;

QString numberText(const QVariant& value, int significant) {
  if (value.isNull()) return {};
  bool ok = false;
  const double number = value.toDouble(&ok);
  return ok ? decimalText(number, significant) : value.toString();
}

}  // namespace

QString longText(const QVariant& value) {
  if (value.isNull()) return {};
  bool ok = false;
  const qlonglong number = value.toLongLong(&ok);
  return ok ? QString::number(number) : value.toString();
}

QString singleText(const QVariant& value) { return numberText(value, SingleDigits); }

// Seven digits are how a single is printed; a value read with more keeps as
// many as it takes to read back as the same single (nine always do).
QString exactSingleText(const QVariant& value) {
  if (value.isNull()) return {};
  bool ok = false;
  const double number = value.toDouble(&ok);
  if (!ok) return value.toString();
  const float single = static_cast<float>(number);
  for (int digits = SingleDigits; digits < SingleRoundTripDigits; ++digits) {
    const QString text = decimalText(number, digits);
    if (static_cast<float>(text.toDouble()) == single) return text;
  }
  return decimalText(number, SingleRoundTripDigits);
}
QString doubleText(const QVariant& value) { return numberText(value, DoubleDigits); }
QString textText(const QVariant& value) { return value.isNull() ? QString() : value.toString(); }

QString valueText(const QVariant& value, ValueKind kind) {
  switch (kind) {
    case ValueKind::Long: return longText(value);
    case ValueKind::Single: return exactSingleText(value);
    case ValueKind::Text: break;
  }
  return textText(value);
}

QString decimalText(double value, int significant) {
  if (!std::isfinite(value) || value == 0.0) return QStringLiteral("0");
  // Scientific form gives the rounded significant digits and the exponent.
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer - 1, std::fabs(value),
                                     std::chars_format::scientific, significant - 1);
  *written.ptr = '\0';
  QByteArray digits;
  const char* p = buffer;
  for (; *p != 'e'; ++p)
    if (*p != '.') digits += *p;
  const int exponent = std::atoi(p + 1);
  while (digits.size() > 1 && digits.endsWith('0')) digits.chop(1);

  QByteArray text;
  if (exponent < 0) {
    text = "0." + QByteArray(-exponent - 1, '0') + digits;
  } else {
    const int whole = exponent + 1;
    if (digits.size() <= whole) {
      text = digits + QByteArray(whole - digits.size(), '0');
    } else {
      text = digits.left(whole) + '.' + digits.mid(whole);
    }
  }
  if (value < 0) text.prepend('-');
  return QString::fromLatin1(text);
}

// The rounding works on the digits of the decimal value, not on the binary
// double: 0.075 is stored as 0.07499999999999999722 and must still give 0.08.
QString fixedText(double value, int decimals) {
  if (!std::isfinite(value)) return QString::number(value);
  const QByteArray magnitude = decimalText(std::fabs(value), DoubleDigits).toLatin1();
  const std::string text = text::roundedDecimalText(magnitude.toStdString(), value < 0, decimals);
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString tenthsText(double value) { return fixedText(value, 1); }

}  // namespace instrument::projectvalues
