#include "platform/report/TextLines.h"

namespace platform {

QStringList reportTextLines(const QString& text) {
  QStringList lines;
  QString current;
  const int size = static_cast<int>(text.size());
  for (int i = 0; i < size; ++i) {
    const QChar c = text.at(i);
    if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
      if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n')) ++i;
      lines.append(current);
      current.clear();
    } else {
      current.append(c);
    }
  }
  if (!current.isEmpty()) lines.append(current);
  return lines;
}

}  // namespace platform
