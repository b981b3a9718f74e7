#include "instrument/TextNumbers.h"

namespace instrument::text {

QStringView trimBlanks(QStringView text) {
  qsizetype begin = 0, end = text.size();
  while (begin < end && text[begin] == QLatin1Char(' ')) ++begin;
  while (end > begin && text[end - 1] == QLatin1Char(' ')) --end;
  return text.sliced(begin, end - begin);
}

QString trimmed(QStringView text) { return trimBlanks(text).toString(); }

bool readsAsNumber(QStringView text) { return toNumber(text).has_value(); }
std::optional<double> toNumber(QStringView) { return std::nullopt; }
std::optional<qint16> toInteger(QStringView) { return std::nullopt; }
std::optional<qint32> toLong(QStringView) { return std::nullopt; }
std::optional<float> toSingle(QStringView) { return std::nullopt; }
double singleValue(float value) { return value; }
QString formatSingle(float value, int decimals) { return QString::number(value, 'f', decimals); }

}  // namespace instrument::text
