#pragma once

#include <QString>
#include <QStringList>

namespace report {

// The entries of the report page's column list: "Column1" to "Column<count>".
inline const QString ColumnListPrefix = QStringLiteral("Column");

inline QStringList columnListEntries(int count) {
  QStringList entries;
  for (int i = 1; i <= count; ++i) entries.append(ColumnListPrefix + QString::number(i));
  return entries;
}

}  // namespace report
