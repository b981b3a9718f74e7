#pragma once

#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

#include <initializer_list>

// Stored rows as comparable text: the non-Null fields of a row as
// "NAME=value", sorted by name and joined by "|"; numbers to twelve digits.
namespace rowtext {

inline QString valueText(const QVariant& value) {
  if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float)
    return QString::number(value.toDouble(), 'g', 12);
  return value.toString();
}

// leftOut: upper-case names of fields not compared.
inline QString rowText(const QSqlRecord& record, const QStringList& leftOut = {}) {
  QStringList fields;
  for (int i = 0; i < record.count(); ++i) {
    const QString name = record.fieldName(i).toUpper();
    if (!record.isNull(i) && !leftOut.contains(name)) fields.append(name + "=" + valueText(record.value(i)));
  }
  fields.sort();
  return fields.join('|');
}

// An expected row written as "NAME=value|..." in any order.
inline QString expectedRow(const QString& text) {
  QStringList fields = text.split('|', Qt::SkipEmptyParts);
  fields.sort();
  return fields.join('|');
}

inline QStringList expectedRows(std::initializer_list<const char*> rows) {
  QStringList out;
  for (const char* row : rows) out.append(expectedRow(QString::fromLatin1(row)));
  return out;
}

}  // namespace rowtext
