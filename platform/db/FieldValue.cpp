#include "platform/db/FieldValue.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace platform::db {
namespace {

// A number written plainly: blanks around, an optional sign, digits with one
// optional point, an optional exponent. Nothing else (no "inf", no grouping).
std::optional<double> numberOfText(const QString& text) {
  const QString t = text.trimmed();
  if (t.isEmpty() || t.size() > 64) return std::nullopt;
  char buffer[65];
  qsizetype n = 0, i = 0;
  if (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')) {
    if (t[i] == QLatin1Char('-')) buffer[n++] = '-';
    ++i;
  }
  int digits = 0;
  bool point = false, exponent = false, exponentDigits = false;
  for (; i < t.size(); ++i) {
    const char16_t c = t[i].unicode();
    if (c >= u'0' && c <= u'9') {
      if (exponent)
        exponentDigits = true;
      else
        ++digits;
    } else if (c == u'.' && !point && !exponent) {
      point = true;
    } else if ((c == u'e' || c == u'E') && digits > 0 && !exponent) {
      exponent = true;
    } else if ((c == u'+' || c == u'-') && exponent && !exponentDigits &&
               (t[i - 1] == QLatin1Char('e') || t[i - 1] == QLatin1Char('E'))) {
      // the exponent's sign
    } else {
      return std::nullopt;
    }
    buffer[n++] = static_cast<char>(c);
  }
  if (digits == 0 || (exponent && !exponentDigits)) return std::nullopt;
  double d = 0;
  const auto [end, error] = std::from_chars(buffer, buffer + n, d);
  if (error != std::errc() || end != buffer + n) return std::nullopt;
  return d;
}

std::optional<double> numberOf(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::QString:
      return numberOfText(value.toString());
    case QMetaType::QByteArray:
      return numberOfText(QString::fromLatin1(value.toByteArray()));
    case QMetaType::Bool:
      return value.toBool() ? -1.0 : 0.0;  // the engine's True is -1
    default: {
      bool ok = false;
      const double d = value.toDouble(&ok);
      if (!ok) return std::nullopt;
      return d;
    }
  }
}

QString textOf(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::Double:
      return QString::number(value.toDouble(), 'g', 15);
    case QMetaType::Float:
      return QString::number(singlePrecision(value.toFloat()), 'g', 7);
    default:
      return value.toString();
  }
}

bool fail(QString* error, const QString& text) {
  if (error != nullptr) *error = text;
  return false;
}

}  // namespace

double singlePrecision(double value) {
  const float f = static_cast<float>(value);
  if (!std::isfinite(f)) return f;
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, f);
  double shortest = f;
  std::from_chars(buffer, written.ptr, shortest);
  return shortest;
}

std::optional<QVariant> toFieldValue(const FieldDef& field, const QVariant& value, QString* error) {
  if (!value.isValid() || value.isNull()) return QVariant();
  if (field.type == FieldType::Text) {
    QString text = textOf(value);
    if (text.size() > field.textSize()) {
      fail(error, QStringLiteral("text too long for field %1 (%2 > %3 characters)")
                      .arg(field.name).arg(text.size()).arg(field.textSize()));
      return std::nullopt;
    }
    return QVariant(text);
  }
  const std::optional<double> number = numberOf(value);
  if (!number || !std::isfinite(*number)) {
    fail(error, QStringLiteral("not a number for field %1").arg(field.name));
    return std::nullopt;
  }
  switch (field.type) {
    case FieldType::Long: {
      const double rounded = std::nearbyint(*number);  // halves to even
      if (rounded < std::numeric_limits<qint32>::min() || rounded > std::numeric_limits<qint32>::max()) {
        fail(error, QStringLiteral("value out of range for field %1").arg(field.name));
        return std::nullopt;
      }
      return QVariant(static_cast<qint32>(rounded));
    }
    case FieldType::Single:
      if (std::fabs(*number) > std::numeric_limits<float>::max()) {
        fail(error, QStringLiteral("value out of range for field %1").arg(field.name));
        return std::nullopt;
      }
      return QVariant(singlePrecision(*number));
    default:
      return QVariant(*number);
  }
}

}  // namespace platform::db
