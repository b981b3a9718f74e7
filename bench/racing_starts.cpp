// Four starts of the program race for one program folder, round after round,
// each time on a lock file left in one state: "empty" (a power loss right
// after it was made), "garbled", "garbage" (random bytes, a line end in about
// every eighth, from a fixed seed: many have three whole lines or more),
// "dead" (naming a process that has ended on this computer), "other"
// (naming another computer: no start holds it, every start says so) or
// "absent". Every start that gets the claim keeps it until
// all four have tried, so two holders in a round would hold at once. Run by
// hand:
//
//   bench_racing_starts [rounds=1000] [state=all|empty|garbled|garbage|dead|other|absent] [forced|accounts]
//
// "forced" makes the first start of each round wait 20 ms between opening
// (or making) the lock file and taking its native lock, the moment in which
// a second start could once take the claim over. "accounts" (run as root)
// has every start hide new files from others (umask 077) and the second and
// fourth start run as the account nobody, on a folder every account may
// write but not delete others' files in (mode 1777). Prints, per state, the
// rounds with one holder, none, and more than one, and the starts that were
// refused with a reason other than "already running".

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/core/LockFile.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/ProgramFolderLock.h"

namespace {

using platform::ProgramFolderLock;

constexpr int Starts = 4;

struct Tally {
  int oneHolder = 0;
  int noHolder = 0;
  int twoOrMore = 0;
  int otherRefusals = 0;
  int threeWholeLines = 0;  // rounds whose lock file had three whole lines or more
};

qint64 endedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

// Random bytes of random length, lines of random bytes among them.
QByteArray garbage() {
  static QRandomGenerator random(50);
  QByteArray text(random.bounded(160), '\0');
  for (char& c : text) c = random.bounded(8) == 0 ? '\n' : static_cast<char>(random.bounded(256));
  return text;
}

void leaveLockFile(const QString& state, const QString& path) {
  QFile::remove(path);
  if (state == QLatin1String("absent")) return;
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return;
  if (state == QLatin1String("garbled")) file.write("\x01\xfe garbled\n\n");
  if (state == QLatin1String("garbage")) file.write(garbage());
  if (state == QLatin1String("dead"))
    file.write(QByteArray::number(endedProcess()) + "\nquorvane\n" + QSysInfo::machineHostName().toUtf8() + '\n' +
               QSysInfo::machineUniqueId() + '\n');
  if (state == QLatin1String("other")) file.write("4242\nquorvane\nlab-pc-7\n0123456789abcdef0123456789abcdef\n");
}

// One start: waits for the go, claims, says how it went, holds until told.
[[noreturn]] void start(int go, int said, int hold, bool waitInTheGap, bool asNobody) {
  if (asNobody && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(1);
  char byte = 0;
  (void)::read(go, &byte, 1);
  if (waitInTheGap) platform::LockFile::beforeNextLock([] { ::usleep(20000); });
  ProgramFolderLock lock;
  const ProgramFolderLock::Claim claim = lock.take();
  byte = static_cast<char>(claim);
  (void)::write(said, &byte, 1);
  (void)::read(hold, &byte, 1);
  ::_exit(0);
}

void round(Tally& tally, bool forced, bool accounts) {
  int go[2], said[2], hold[2];
  if (::pipe(go) != 0 || ::pipe(said) != 0 || ::pipe(hold) != 0) return;
  pid_t children[Starts];
  for (int i = 0; i < Starts; ++i) {
    children[i] = ::fork();
    if (children[i] == 0) {
      ::close(go[1]);
      ::close(said[0]);
      ::close(hold[1]);
      if (accounts) ::umask(077);
      start(go[0], said[1], hold[0], forced && i == 0, accounts && i % 2 == 1);
    }
  }
  ::close(go[0]);
  ::close(said[1]);
  ::close(hold[0]);
  ::close(go[1]);  // all four go at once
  int holders = 0;
  char byte = 0;
  for (int i = 0; i < Starts && ::read(said[0], &byte, 1) == 1; ++i) {
    const auto claim = static_cast<ProgramFolderLock::Claim>(byte);
    if (claim == ProgramFolderLock::Claim::Taken) ++holders;
    else if (claim != ProgramFolderLock::Claim::HeldElsewhere) ++tally.otherRefusals;
  }
  ::close(hold[1]);
  ::close(said[0]);
  for (pid_t child : children) ::waitpid(child, nullptr, 0);
  if (holders == 1) ++tally.oneHolder;
  else if (holders == 0) ++tally.noHolder;
  else ++tally.twoOrMore;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  const int rounds = args.value(1, QStringLiteral("1000")).toInt();
  const QString only = args.value(2, QStringLiteral("all"));
  const bool forced = args.value(3) == QLatin1String("forced");
  const bool accounts = args.value(3) == QLatin1String("accounts");
  QTemporaryDir dir;
  QDir(dir.path()).mkpath(QStringLiteral("info"));
  if (accounts) {
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    ::chmod(QFile::encodeName(dir.filePath(QStringLiteral("info"))).constData(), 01777);
  }
  platform::ProgramFolder::setRoot(dir.path());
  const QString lockPath = platform::ProgramFolder::path(platform::ProgramFiles::ProgramLock);
  std::printf("%d rounds of %d starts%s\n", rounds, Starts,
              forced     ? ", the first waiting in the gap"
              : accounts ? ", two of them as nobody, all under umask 077"
                         : "");
  for (const char* state : {"empty", "garbled", "garbage", "dead", "other", "absent"}) {
    if (only != QLatin1String("all") && only != QLatin1String(state)) continue;
    Tally tally;
    for (int i = 0; i < rounds; ++i) {
      leaveLockFile(QLatin1String(state), lockPath);
      QFile left(lockPath);
      if (left.open(QIODevice::ReadOnly) && left.readAll().count('\n') >= 3) ++tally.threeWholeLines;
      left.close();
      round(tally, forced, accounts);
    }
    std::printf("%-8s one holder %5d   none %3d   two or more %3d   other refusals %3d   three whole lines %5d\n",
                state, tally.oneHolder, tally.noHolder, tally.twoOrMore, tally.otherRefusals, tally.threeWholeLines);
  }
  return 0;
}
