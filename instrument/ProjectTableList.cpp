#include "instrument/ProjectTableList.h"

#include <QSet>

namespace instrument {

QStringList listedTables(const QString& tableList) {
  QStringList names;
  QString name;
  for (QChar c : tableList) {
    if (c != QLatin1Char(' ')) {
      name += c;
      continue;
    }
    if (!name.isEmpty()) names.append(name);
    name.clear();
  }
  return names;
}

QString listedTable(const QString& listed) {
  QString table = listed;
  return table.remove(QLatin1Char('.'));
}

QString projectTable(const QString& listedId) { return QStringLiteral("P") + listedTable(listedId); }

QStringList withoutRepeatedTables(const QStringList& names, bool projectIds) {
  QStringList kept;
  QSet<QString> tables;
  for (const QString& name : names) {
    const QString table = (projectIds ? projectTable(name) : listedTable(name)).toUpper();
    if (tables.contains(table)) continue;
    tables.insert(table);
    kept.append(name);
  }
  return kept;
}

}  // namespace instrument
