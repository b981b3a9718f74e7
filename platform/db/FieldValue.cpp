#include "platform/db/FieldValue.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace platform::db {
namespace {

std::optional<double> numberOf(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::QByteArray: {
      const QString text = value.toString().trimmed();
      if (text.isEmpty()) return std::nullopt;
      bool ok = false;
      const double d = text.toDouble(&ok);
      if (!ok) return std::nullopt;
      return d;
    }
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
