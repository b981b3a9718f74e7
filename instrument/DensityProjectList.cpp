#include "instrument/DensityProjectList.h"

#include "instrument/TextNumbers.h"
#include "instrument/TokenFields.h"

namespace instrument {

namespace {
const QString ProjectTablePrefix = QStringLiteral("P");
}

void DensityProjectList::clear() {
  text_.clear();
  tablesMade_.clear();
}

// Every entry ends at a blank; text after the last blank is no entry.
template <typename Visit>
static bool anyEntry(QStringView list, Visit visit) {
  qsizetype start = 0;
  for (qsizetype blank = list.indexOf(QLatin1Char(' ')); blank >= 0;
       start = blank + 1, blank = list.indexOf(QLatin1Char(' '), start))
    if (visit(text::trimBlanks(list.sliced(start, blank - start)))) return true;
  return false;
}

QStringList DensityProjectList::entries() const {
  QStringList result;
  anyEntry(text_, [&](QStringView entry) {
    result.append(entry.toString());
    return false;
  });
  return result;
}

bool DensityProjectList::contains(QStringView id) const {
  return anyEntry(text_, [&](QStringView entry) { return entry == id; });
}

void DensityProjectList::append(const QString& id) { text_ += id + QLatin1Char(' '); }

QString DensityProjectList::tableName(QStringView id) { return ProjectTablePrefix + tokenfields::withoutDots(id); }

bool DensityProjectList::tableMade(const QString& table) const { return tablesMade_.contains(table.toUpper()); }

void DensityProjectList::noteTableMade(const QString& table) { tablesMade_.insert(table.toUpper()); }

}  // namespace instrument
