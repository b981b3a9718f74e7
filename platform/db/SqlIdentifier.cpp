#include "platform/db/SqlIdentifier.h"

namespace platform::db {

QString quoteIdentifier(QStringView name) {
  QString quoted;
  quoted.reserve(name.size() + 2);
  quoted += QLatin1Char('"');
  for (QChar c : name) {
    if (c == QLatin1Char('"')) quoted += QLatin1Char('"');
    quoted += c;
  }
  quoted += QLatin1Char('"');
  return quoted;
}

bool isValidName(QStringView name) {
  if (name.isEmpty() || name.size() > MaxNameLength) return false;
  if (name.front() == QLatin1Char(' ')) return false;
  for (QChar c : name) {
    if (c.unicode() < 32 || c.unicode() == 127) return false;
    switch (c.unicode()) {
      case '.': case '!': case '`': case '[': case ']': case '"':
        return false;
      default:
        break;
    }
  }
  return true;
}

}  // namespace platform::db
