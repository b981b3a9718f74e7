#include "instrument/TableListFit.h"

#include <optional>

#include "instrument/DeviceType.h"
#include "instrument/ProjectTableList.h"
#include "instrument/RecordLayouts.h"
#include "platform/db/Database.h"

namespace instrument {
namespace {

// %1: the model code.
const QString NotAModelMessage =
    QStringLiteral("the table list names the model code %1, which is none of the models 0 to 3.");
// %1: the table; %2: the model code.
const QString OtherLayoutMessage =
    QStringLiteral("the table %1 does not hold the data of the table list's model code %2.");

// The table creator's layout of a model's tables.
int deviceTypeOf(int modelCode) {
  return modelCode == ModelCode::T7310 ? DeviceType::T7310 : modelCode;
}

QString tableOf(const QString& listed, int modelCode) {
  const bool projectIds = modelCode == ModelCode::N2600A || modelCode == ModelCode::N2600BX;
  return projectIds ? projectTable(listed) : listedTable(listed);
}

bool hasEveryField(const platform::db::TableDef& table, const platform::db::TableDef& layout) {
  for (const platform::db::FieldDef& field : layout.fields())
    if (table.indexOf(field.name) < 0) return false;
  return true;
}

}  // namespace

bool isModelCode(int modelCode) { return modelCode >= ModelCode::LX9100 && modelCode <= ModelCode::T7310; }

QString modelCodeMisfit(int modelCode) { return isModelCode(modelCode) ? QString() : NotAModelMessage.arg(modelCode); }

QString tableListMisfit(platform::db::Database& db, const QStringList& names, int modelCode) {
  if (!isModelCode(modelCode)) return modelCodeMisfit(modelCode);
  for (const QString& listed : names) {
    const QString table = tableOf(listed, modelCode);
    const std::optional<platform::db::TableDef> held = db.tableDef(table);
    if (!held) continue;
    const std::optional<platform::db::TableDef> layout = layoutFor(deviceTypeOf(modelCode), table);
    if (layout && !hasEveryField(*held, *layout)) return OtherLayoutMessage.arg(table).arg(modelCode);
  }
  return {};
}

}  // namespace instrument
