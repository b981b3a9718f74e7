#pragma once

// Support of the download tests: a clock the test advances and a wait that
// only moves that clock (one empty-read interval per idle pass), so that a
// 30-second timeout takes no time; onPause runs at every pass of the loop, in
// place of the events a window would handle there. The program's own wait
// with a cue for the instrument to start. And a look at what a download left
// in the working database.

#include <QFile>
#include <QSqlRecord>
#include <QStringList>
#include <functional>
#include <utility>

#include "instrument/CreateDatabase.h"
#include "platform/db/Database.h"
#include "platform/db/SqlIdentifier.h"
#include "platform/serial/ReceiveClock.h"
#include "platform/serial/ReceiveWait.h"

namespace testsupport {

class FakeClock : public platform::ReceiveClock {
 public:
  double seconds() const override { return now; }
  double now = 0.0;
};

class ScriptedWait : public platform::ReceiveWait {
 public:
  explicit ScriptedWait(FakeClock& clock) : clock_(clock) {}

  void yield() override {
    ++yields;
    if (onPause) onPause();
  }
  void idle(platform::CommControl*) override {
    ++idles;
    clock_.now += idleSeconds;
    if (onPause) onPause();
  }
  void block(platform::CommControl*, int millis) override {
    ++blocks;
    clock_.now += millis / 1000.0;
  }

  std::function<void()> onPause;
  // How long an idle pass lasts: longer on a busy computer.
  double idleSeconds = platform::EmptyReadMillis / 1000.0;
  int yields = 0;
  int idles = 0;
  int blocks = 0;

 private:
  FakeClock& clock_;
};

// The program's wait, with an action run once at its next wait for input. The
// receive loop empties the port before it waits for the first character, so an
// instrument started there loses nothing, however long the preparation took.
class CuedWait : public platform::EventLoopWait {
 public:
  void idle(platform::CommControl* control) override {
    if (onceWaiting) std::exchange(onceWaiting, nullptr)();
    EventLoopWait::idle(control);
  }

  std::function<void()> onceWaiting;
};

inline bool databaseExists() { return QFile::exists(instrument::CreateDatabase::databasePath()); }

// The tables of the working database, sorted; empty when there is no file.
inline QStringList storedTables() {
  if (!databaseExists()) return {};
  platform::db::Database db;
  if (!db.open(instrument::CreateDatabase::databasePath())) return {};
  QStringList names = db.tableNames();
  names.sort(Qt::CaseInsensitive);
  return names;
}

// The rows of a table in the order of keyField.
inline QList<QSqlRecord> storedRows(const QString& table, const QString& keyField) {
  platform::db::Database db;
  if (!databaseExists() || !db.open(instrument::CreateDatabase::databasePath())) return {};
  return db
      .select(QStringLiteral("SELECT * FROM %1 ORDER BY %2")
                  .arg(platform::db::quoteIdentifier(table), platform::db::quoteIdentifier(keyField)))
      .value_or(QList<QSqlRecord>());
}

}  // namespace testsupport
