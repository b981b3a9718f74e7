#include "platform/db/Recordset.h"

#include "platform/db/Database.h"

namespace platform::db {

struct Recordset::State {
  QString table;
  QList<FieldDef> fields;
  QString error;
};

Recordset::Recordset() : state_(std::make_unique<State>()) {}
Recordset::~Recordset() = default;

bool Recordset::openTable(Database&, const QString&, const QString&, const QVariantList&) { return false; }
bool Recordset::openQuery(Database&, const QString&, const QVariantList&) { return false; }
void Recordset::close() {}
bool Recordset::isOpen() const { return false; }
bool Recordset::isUpdatable() const { return false; }
const QString& Recordset::tableName() const { return state_->table; }
const QList<FieldDef>& Recordset::fields() const { return state_->fields; }
int Recordset::fieldIndex(QStringView) const { return -1; }
int Recordset::recordCount() { return 0; }
bool Recordset::bof() { return true; }
bool Recordset::eof() { return true; }
bool Recordset::moveFirst() { return false; }
bool Recordset::moveNext() { return false; }
bool Recordset::movePrevious() { return false; }
bool Recordset::moveLast() { return false; }
QVariant Recordset::value(QStringView) const { return {}; }
QVariant Recordset::value(int) const { return {}; }
bool Recordset::isNull(QStringView) const { return true; }
bool Recordset::addNew() { return false; }
bool Recordset::edit() { return false; }
bool Recordset::setValue(QStringView, const QVariant&) { return false; }
bool Recordset::setValue(int, const QVariant&) { return false; }
bool Recordset::update() { return false; }
void Recordset::cancelUpdate() {}
bool Recordset::isEditing() const { return false; }
QString Recordset::lastError() const { return state_->error; }

}  // namespace platform::db
