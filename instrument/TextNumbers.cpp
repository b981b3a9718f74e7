#include "instrument/TextNumbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "platform/db/FieldValue.h"

namespace instrument::text {
namespace {

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// The number's characters as plain ASCII for from_chars (no leading "+"), or
// an empty string when the text is not a number.
std::string numberCharacters(QStringView text) {
  const QStringView t = trimBlanks(text);
  qsizetype i = 0;
  std::string out;
  if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
    if (t[i] == QLatin1Char('-')) out += '-';
    ++i;
  }
  int digits = 0;
  bool point = false;
  for (; i < t.size(); ++i) {
    if (isDigit(t[i])) {
      ++digits;
    } else if (t[i] == QLatin1Char('.') && !point) {
      point = true;
    } else {
      break;
    }
    out += static_cast<char>(t[i].unicode());
  }
  if (digits == 0) return {};
  if (i < t.size() && (t[i] == QLatin1Char('E') || t[i] == QLatin1Char('e'))) {
    out += 'e';
    ++i;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
      out += static_cast<char>(t[i++].unicode());
    int exponentDigits = 0;
    for (; i < t.size() && isDigit(t[i]); ++i, ++exponentDigits) out += static_cast<char>(t[i].unicode());
    if (exponentDigits == 0) return {};
  }
  return i == t.size() ? out : std::string();
}

template <typename Int>
std::optional<Int> toWhole(double number) {
  const double rounded = std::nearbyint(number);  // halves to the even neighbour
  if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max())
    return std::nullopt;
  return static_cast<Int>(rounded);
}

}  // namespace

QStringView trimBlanks(QStringView text) {
  qsizetype begin = 0, end = text.size();
  while (begin < end && text[begin] == QLatin1Char(' ')) ++begin;
  while (end > begin && text[end - 1] == QLatin1Char(' ')) --end;
  return text.sliced(begin, end - begin);
}

QString trimmed(QStringView text) { return trimBlanks(text).toString(); }

bool readsAsNumber(QStringView text) { return toNumber(text).has_value(); }

std::optional<double> toNumber(QStringView text) {
  const std::string chars = numberCharacters(text);
  if (chars.empty()) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(chars.data(), chars.data() + chars.size(), value);
  if (error != std::errc() || end != chars.data() + chars.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<qint16> toInteger(QStringView text) {
  const auto number = toNumber(text);
  return number ? toWhole<qint16>(*number) : std::nullopt;
}

std::optional<qint32> toLong(QStringView text) {
  const auto number = toNumber(text);
  return number ? toWhole<qint32>(*number) : std::nullopt;
}

std::optional<qint32> toLong(double value) { return toWhole<qint32>(value); }

std::optional<float> toSingle(QStringView text) {
  const auto number = toNumber(text);
  return number ? toSingle(*number) : std::nullopt;
}

std::optional<float> toSingle(double value) {
  if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) return std::nullopt;
  return static_cast<float>(value);
}

double singleValue(float value) { return platform::db::singlePrecision(value); }

namespace {

// Adds one unit in the last place of a string of decimal digits.
void roundUp(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

// formatSingle's text as plain ASCII.
std::string fixedText(float value, int decimals) {
  char buffer[128];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed);
  return roundedDecimalText(std::string_view(buffer, written.ptr), std::signbit(value), decimals);
}

}  // namespace

std::string roundedDecimalText(std::string_view magnitude, bool negative, int decimals) {
  decimals = std::max(decimals, 0);
  const auto point = magnitude.find('.');
  const std::string whole(magnitude.substr(0, point));
  std::string fraction = point == std::string_view::npos ? std::string() : std::string(magnitude.substr(point + 1));
  const bool up = static_cast<int>(fraction.size()) > decimals && fraction[decimals] >= '5';
  fraction.resize(decimals, '0');
  std::string digits = whole + fraction;
  if (up) roundUp(digits);
  const bool zero = digits.find_first_not_of('0') == std::string::npos;
  std::string result = (negative && !zero ? "-" : "") + digits.substr(0, digits.size() - decimals);
  if (decimals > 0) result += "." + digits.substr(digits.size() - decimals);
  return result;
}

QString formatSingle(float value, int decimals) {
  const std::string text = fixedText(value, decimals);
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

double roundSingle(float value, int decimals) {
  const std::string text = fixedText(value, decimals);
  double result = 0;
  std::from_chars(text.data(), text.data() + text.size(), result);
  return result;
}

}  // namespace instrument::text
