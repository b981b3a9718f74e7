#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace instrument {

// The project ids a density-gauge parse has met, in order of first
// appearance, each followed by one blank, dots kept (Project_List), and the
// tables made for them. Ids that differ only by their dots (12.5 and 125)
// share one table: it is made once and never defined again in the same parse,
// so the rows already read into it stay.
class DensityProjectList {
 public:
  const QString& text() const { return text_; }
  void clear();

  // The entries in order, each trimmed of blanks.
  QStringList entries() const;
  // Whether an entry equals id exactly.
  bool contains(QStringView id) const;
  void append(const QString& id);

  // "P" and the id without its dots: the table of a project.
  static QString tableName(QStringView id);
  bool tableMade(const QString& table) const;
  void noteTableMade(const QString& table);

 private:
  QString text_;
  QSet<QString> tablesMade_;
};

}  // namespace instrument
