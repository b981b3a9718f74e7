#pragma once

#include <QDir>
#include <QLatin1String>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <initializer_list>

#include "platform/core/ProgramFolder.h"
#include "platform/db/SqlIdentifier.h"

// What the benchmarks share: a program folder of their own and the statement
// of the direct inserts they compare the program's paths with.
namespace benchsupport {

// A program folder with the given subfolders in a temporary directory, made
// current for the run.
class BenchProgramFolder {
 public:
  explicit BenchProgramFolder(std::initializer_list<const char*> subfolders = {"info"}) {
    for (const char* sub : subfolders) QDir(dir_.path()).mkpath(QLatin1String(sub));
    platform::ProgramFolder::setRoot(dir_.path());
  }

  QString filePath(const QString& name) const { return QDir(dir_.path()).filePath(name); }

 private:
  QTemporaryDir dir_;
};

// A prepared insert of one row into table: every field named, each value bound.
inline QString insertStatement(const QString& table, const QStringList& fields) {
  QStringList quoted;
  for (const QString& field : fields) quoted.append(platform::db::quoteIdentifier(field));
  return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
      .arg(platform::db::quoteIdentifier(table), quoted.join(QLatin1Char(',')),
           QStringList(fields.size(), QStringLiteral("?")).join(QLatin1Char(',')));
}

}  // namespace benchsupport
