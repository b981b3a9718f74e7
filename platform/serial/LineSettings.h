#pragma once

#include <QString>
#include <optional>

namespace platform {

// Speed and framing of a serial line, as written in a settings string such as
// "1200,N,8,1" (speed, parity N/E/O/M/S, data bits 5 to 8, stop bits 1, 1.5
// or 2).
struct LineSettings {
  enum class Parity { None, Even, Odd, Mark, Space };
  enum class StopBits { One, OneAndHalf, Two };

  qint32 baudRate = 9600;
  Parity parity = Parity::None;
  int dataBits = 8;
  StopBits stopBits = StopBits::One;

  // The settings of a well-formed string, nothing otherwise (the text comes
  // from callers and settings files, so every part is checked).
  static std::optional<LineSettings> parse(const QString& text);
  QString toString() const;

  friend bool operator==(const LineSettings&, const LineSettings&) = default;
};

}  // namespace platform
