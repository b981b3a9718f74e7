#include "instrument/TokenFields.h"

#include <QVariant>

#include "instrument/TextNumbers.h"
#include "platform/db/Recordset.h"

namespace instrument::tokenfields {

bool setLong(platform::db::Recordset& rs, const QString& field, QStringView token) {
  const auto value = text::toLong(token);
  return value && rs.setValue(field, QVariant::fromValue(*value));
}

bool setSingle(platform::db::Recordset& rs, const QString& field, QStringView token) {
  const auto value = text::toSingle(token);
  return value && rs.setValue(field, QVariant::fromValue(*value));
}

bool setText(platform::db::Recordset& rs, const QString& field, const QString& text) {
  return text.isEmpty() || rs.setValue(field, text);
}

QString withoutDots(QStringView name) {
  QString result;
  result.reserve(name.size());
  for (QChar ch : name)
    if (ch != QLatin1Char('.')) result.append(ch);
  return result;
}

}  // namespace instrument::tokenfields
