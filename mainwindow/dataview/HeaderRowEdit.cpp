#include "mainwindow/dataview/HeaderRowEdit.h"

#include <QSqlQuery>
#include <QStringList>
#include <QTableView>

#include <optional>

#include "instrument/ProgramState.h"
#include "mainwindow/grids/DataGrids.h"
#include "mainwindow/ProgramInfo.h"
#include "mainwindow/dataview/ViewConnection.h"
#include "platform/db/Database.h"
#include "platform/db/FieldValue.h"
#include "platform/db/SqlIdentifier.h"
#include "platform/ui/Dialogs.h"

namespace mainwindow {
namespace {

const QString ProjectTablePrefix = QStringLiteral("P");
const QString MaxDensity = QStringLiteral("MAXD");
const QString SampleType = QStringLiteral("SA");
const QString DryDensity = QStringLiteral("DD");
const QString WetDensity = QStringLiteral("WD");
const QString PercentCompaction = QStringLiteral("PERC_COMP");
const QString SoilLetter = QStringLiteral("S");

bool isMaxDensity(const platform::db::FieldDef& field) {
  return field.name.compare(MaxDensity, Qt::CaseInsensitive) == 0;
}

bool isAboveZero(const std::optional<QVariant>& value) {
  return value && !value->isNull() && value->toDouble() > 0.0;
}

// The typed value and the stored one, both in the field's own type.
bool sameValue(const platform::db::FieldDef& field, const QVariant& typed, const QVariant& current) {
  const auto currentStored = platform::db::toFieldValue(field, current);
  return currentStored && *currentStored == typed;
}

bool failWith(QString* error, const QString& text) {
  if (error != nullptr) *error = text;
  return false;
}

// UPDATE table SET field = value WHERE key = keyValue.
bool updateField(platform::db::Database& db, const QString& table, const QString& field, const QVariant& value,
                 const QString& key, const QVariant& keyValue, QString* error) {
  using platform::db::quoteIdentifier;
  const QString sql = QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3 = ?")
                          .arg(quoteIdentifier(table), quoteIdentifier(field), quoteIdentifier(key));
  const auto query = db.exec(sql, {value, keyValue});
  if (!query) return failWith(error, db.lastError());
  if (query->numRowsAffected() != 1) return failWith(error, QStringLiteral("record not found"));
  return true;
}

}  // namespace

bool Calc_Percent_Comp(platform::db::Database& db, const QString& t, QString& s, QString* error) {
  using platform::db::quoteIdentifier;
  if (t.isEmpty() || s.isEmpty()) return true;
  s = s.left(1).toUpper();
  const QString table = ProjectTablePrefix + t;
  const auto def = db.tableDef(table);
  if (!def || !def->hasPrimaryIndex()) return failWith(error, QStringLiteral("no such table: ") + table);
  const QString key = def->primaryKeyField();
  const QString density = s == SoilLetter ? DryDensity : WetDensity;
  const bool computable = def->indexOf(density) >= 0 && def->indexOf(PercentCompaction) >= 0;

  QStringList columns{quoteIdentifier(key), quoteIdentifier(SampleType), quoteIdentifier(MaxDensity)};
  if (computable) columns << quoteIdentifier(density);
  const auto rows = db.select(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                                  .arg(columns.join(QLatin1Char(',')), quoteIdentifier(def->name()), quoteIdentifier(key)));
  if (!rows) return failWith(error, db.lastError());
  if (rows->isEmpty()) return failWith(error, QStringLiteral("no header record"));

  const QVariant headerMaxd = rows->first().value(2);
  bool numeric = false;
  const auto maxd = static_cast<float>(headerMaxd.toDouble(&numeric));
  if (headerMaxd.isNull() || !numeric) return failWith(error, QStringLiteral("no maximum density"));

  for (qsizetype i = 1; i < rows->size(); ++i) {
    const QSqlRecord& record = rows->at(i);
    if (record.value(1).toString() != s) continue;
    if (!computable) return failWith(error, QStringLiteral("no density or percent compaction field"));
    if (maxd == 0.0F) return failWith(error, QStringLiteral("division by zero"));
    const QVariant reading = record.value(3);
    QVariant percent;
    if (!reading.isNull()) {
      const float value = static_cast<float>(reading.toDouble()) * 100.0F / maxd;
      percent = platform::db::singlePrecision(value);
    }
    if (!updateField(db, def->name(), PercentCompaction, percent, key, record.value(0), error)) return false;
  }
  return true;
}

HeaderRowEdit::HeaderRowEdit(ViewConnection& view, instrument::ProgramState& state, QTableView& DataGrid1,
                             QWidget* owner)
    : view_(view), state_(state), DataGrid1_(DataGrid1), owner_(owner) {}

bool HeaderRowEdit::DataGrid2_AfterColUpdate(int row, int column, const QVariant& value) {
  RecordGridModel& header = view_.Header_Recordset;
  if (column < 0 || column >= header.fields().size() || header.keyField().isEmpty()) return refuse(UpdateFailed);
  const platform::db::FieldDef& field = header.fields()[column];
  const auto stored = platform::db::toFieldValue(field, value);
  // A maximum density of 0 or none would leave every percentage undefined.
  if (isMaxDensity(field) && !isAboveZero(stored)) return refuse(MaxdNotAboveZero);
  if (!stored) return refuse(UpdateFailed);
  // Enter on an unchanged cell: the percentages stay as the gauge printed them.
  if (sameValue(field, *stored, header.value(row, column))) return true;
  platform::db::Database& db = view_.DB_Connection;
  if (!db.beginTransaction() || !storeAndRecompute(row, field, *stored) || !db.commit()) {
    db.rollback();
    view_.Header_Recordset.requery();
    return refuse(UpdateFailed);
  }
  state_.Data_Edited = true;
  refreshGrids();
  return true;
}

bool HeaderRowEdit::refuse(const QString& message) {
  platform::ui::Dialogs::message(
      {owner_, message, ProgramTitle, platform::ui::MessageButtons::Ok, platform::ui::MessageIcon::Critical});
  return false;
}

bool HeaderRowEdit::storeAndRecompute(int row, const platform::db::FieldDef& field, const QVariant& stored) {
  RecordGridModel& header = view_.Header_Recordset;
  QString error;
  if (!updateField(view_.DB_Connection, header.tableName(), field.name, stored, header.keyField(),
                   header.value(row, header.keyField()), &error))
    return false;
  // The recomputation works on the sample-type letter; Test_Name keeps its text.
  QString sampleType = state_.Test_Name;
  return Calc_Percent_Comp(view_.DB_Connection, state_.Table_Name, sampleType, &error);
}

void HeaderRowEdit::refreshGrids() {
  view_.Header_Recordset.requery();
  view_.Rows_Recordset.requery();
  applyAfterEditColumnRules(DataGrid1_, view_.Rows_Recordset);
}

}  // namespace mainwindow
