#include "instrument/TokenFields.h"

#include <QVariant>

#include "instrument/TextNumbers.h"
#include "platform/db/Recordset.h"
#include "platform/db/TableDef.h"

namespace instrument::tokenfields {

FieldPositions::FieldPositions(const platform::db::TableDef& layout) {
  const auto& fields = layout.fields();
  for (int i = 0; i < fields.size(); ++i) positions_.insert(fields[i].name, i);
}

bool setLong(platform::db::Recordset& rs, int field, QStringView token) {
  const auto value = text::toLong(token);
  return value && rs.setValue(field, QVariant::fromValue(*value));
}

bool setSingle(platform::db::Recordset& rs, int field, QStringView token) {
  const auto value = text::toSingle(token);
  return value && rs.setValue(field, QVariant::fromValue(*value));
}

bool setText(platform::db::Recordset& rs, int field, const QString& text) {
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
