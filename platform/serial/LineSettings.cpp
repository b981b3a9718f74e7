#include "platform/serial/LineSettings.h"

#include <QStringList>

namespace platform {
namespace {

constexpr int MinDataBits = 5;
constexpr int MaxDataBits = 8;

std::optional<LineSettings::Parity> parseParity(const QString& text) {
  if (text.size() != 1) return std::nullopt;
  switch (text.at(0).toUpper().toLatin1()) {
    case 'N': return LineSettings::Parity::None;
    case 'E': return LineSettings::Parity::Even;
    case 'O': return LineSettings::Parity::Odd;
    case 'M': return LineSettings::Parity::Mark;
    case 'S': return LineSettings::Parity::Space;
    default: return std::nullopt;
  }
}

std::optional<LineSettings::StopBits> parseStopBits(const QString& text) {
  if (text == QLatin1String("1")) return LineSettings::StopBits::One;
  if (text == QLatin1String("1.5")) return LineSettings::StopBits::OneAndHalf;
  if (text == QLatin1String("2")) return LineSettings::StopBits::Two;
  return std::nullopt;
}

bool allDigits(const QString& text) {
  if (text.isEmpty()) return false;
  for (QChar ch : text)
    if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) return false;
  return true;
}

}  // namespace

std::optional<LineSettings> LineSettings::parse(const QString& text) {
  const QStringList parts = text.split(QLatin1Char(','));
  if (parts.size() != 4) return std::nullopt;
  const QString baud = parts[0].trimmed();
  const QString data = parts[2].trimmed();
  if (!allDigits(baud) || !allDigits(data) || baud.size() > 7 || data.size() > 1) return std::nullopt;

  LineSettings settings;
  settings.baudRate = baud.toInt();
  settings.dataBits = data.toInt();
  const auto parity = parseParity(parts[1].trimmed());
  const auto stopBits = parseStopBits(parts[3].trimmed());
  if (settings.baudRate <= 0 || settings.dataBits < MinDataBits || settings.dataBits > MaxDataBits ||
      !parity || !stopBits)
    return std::nullopt;
  settings.parity = *parity;
  settings.stopBits = *stopBits;
  return settings;
}

QString LineSettings::toString() const {
  static const char parityLetters[] = {'N', 'E', 'O', 'M', 'S'};
  static const char* const stopTexts[] = {"1", "1.5", "2"};
  return QStringLiteral("%1,%2,%3,%4")
      .arg(baudRate)
      .arg(QLatin1Char(parityLetters[static_cast<int>(parity)]))
      .arg(dataBits)
      .arg(QLatin1String(stopTexts[static_cast<int>(stopBits)]));
}

}  // namespace platform
