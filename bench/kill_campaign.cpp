// Kills a project open or a download at random moments and checks, after the
// start-up recovery a restart runs, that the working data are either those
// from before or the complete new ones, never a mix; or kills a project save
// and checks that the project file is either the one before or the complete
// new one. Run by hand:
//
//   bench_kill_campaign open|download|save [kills=100] [seed] [norecover]
//
// "norecover" leaves out the start-up recovery: the control run, which shows
// that the campaign does see mixed data.
//
// Each round forks a child that replaces the working data as the program does
// (copies aside, replay or receive, table list, copies dropped); the parent
// kills it with SIGKILL after a random delay up to a little more than a whole
// run, then recovers as a start would and compares.

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

#include "download/Communication.h"
#include "instrument/DBTablesFile.h"
#include "instrument/DeviceType.h"
#include "instrument/StatusCodes.h"
#include "instrument/WorkingDatabaseBackup.h"
#include "instrument/writeout.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/WholeFile.h"
#include "platform/db/Database.h"
#include "platform/serial/CommControl.h"
#include "platform/serial/ScriptedSerialDevice.h"

namespace {

using platform::ProgramFolder;
namespace files = platform::ProgramFiles;

QByteArray loadFramePrintout(int tests, int readings) {
  QByteArray text;
  for (int test = 0; test < tests; ++test) {
    text += test % 2 == 0 ? "CBR/LBR TEST\r\n\r\n" : "MARSHALL TEST\r\n\r\n";
    text += "RD #, TIME, (LOAD), (PEN), (C), (D)\r\n";
    for (int i = 1; i <= readings; ++i)
      text += QByteArray::number(i) + ", 00:00:05, " + QByteArray::number(i * 7 + test) + ", 2.5, 3, 4\r\n";
    text += "END\r\n\r\n";
  }
  return text;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

// The working data as one fingerprint: the table list, and every table with
// every row; "<corrupt>" when the database fails its own check.
QByteArray fingerprint() {
  QCryptographicHash hash(QCryptographicHash::Sha1);
  hash.addData(readFile(ProgramFolder::path(files::TableList)));
  const QString path = ProgramFolder::path(files::Database);
  if (!QFile::exists(path)) return hash.result().toHex() + "-nodb";
  platform::db::Database db;
  if (!db.open(path)) return "<unopenable>";
  auto check = db.exec(QStringLiteral("PRAGMA integrity_check"));
  if (!check || !check->next() || check->value(0).toString() != QStringLiteral("ok")) return "<corrupt>";
  QStringList tables = db.tableNames();
  tables.sort();
  for (const QString& table : tables) {
    hash.addData(table.toLatin1());
    auto rows = db.exec(QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(table));
    if (!rows) return "<unreadable>";
    while (rows->next())
      for (int i = 0; i < rows->record().count(); ++i) hash.addData(rows->value(i).toString().toUtf8() + '|');
  }
  return hash.result().toHex();
}

QString listedTables() {
  qint32 model = 0;
  return instrument::DBTables_File(instrument::DBTablesMode::Read, QString(), model);
}

// What the program does for an open, in the child.
[[noreturn]] void openProject(const QString& projectFile) {
  const QString previous = listedTables();
  instrument::WorkingDatabaseBackup backup;
  if (!backup.take()) _exit(3);
  instrument::writeout reader;
  const std::optional<QString> tables = reader.Get_tables(projectFile, previous);
  if (tables && instrument::writeTableList(*tables, reader.FoundDevice)) {
    backup.discard();
    _exit(0);
  }
  std::fprintf(stderr, "open failed: %s\n", qPrintable(reader.message()));
  backup.restore();
  _exit(4);
}

// What the program does for a single load-frame download, in the child: the
// printout arrives one character a poll on a scripted port.
[[noreturn]] void download(const QByteArray& printout) {
  auto devices = std::make_shared<platform::ScriptedDeviceProvider>();
  devices->line(1)->silence().chars(printout).chars(QByteArray(1, char(253)));
  platform::CommControl control(devices);
  download::Communication comm;
  comm.setComm_Object(&control);
  comm.setSerial_Port(1);
  comm.setBaud_Rate(19200);
  comm.Tables_Created = listedTables();
  instrument::WorkingDatabaseBackup backup;
  if (!backup.take()) _exit(3);
  if (comm.RunTest() != instrument::status::Ok) _exit(5);
  const int result = comm.GetData(instrument::DeviceType::LoadFrameSingle, false);
  comm.Close_Port();
  if (result == instrument::status::Ok && !comm.Tables_Created.isEmpty() &&
      instrument::writeTableList(comm.Tables_Created, instrument::ModelCode::LX9100)) {
    backup.discard();
    _exit(0);
  }
  backup.restore();
  _exit(4);
}

// What the program does for Save All, in the child: the working data written
// over the project file that a save before made.
[[noreturn]] void saveProject(const QString& projectFile) {
  instrument::writeout writer;
  const instrument::SaveStatus status = writer.writeout_(projectFile, listedTables(), instrument::ModelCode::LX9100);
  _exit(status == instrument::SaveStatus::Saved ? 0 : 4);
}

QByteArray fileFingerprint(const QString& path) {
  return QCryptographicHash::hash(readFile(path), QCryptographicHash::Sha1).toHex();
}

// The writer's temporary files beside a file: its name, the writer's mark and
// six letters.
int leftoversBeside(const QString& path) {
  const QFileInfo file(path);
  const QString temporary = file.fileName() + platform::WholeFileTemporaryMark + QStringLiteral("??????");
  return file.dir().entryList({temporary}, QDir::Files | QDir::Hidden).size();
}

struct Campaign {
  QString mode;
  QString newFile;     // the project file opened
  QByteArray printout;  // the printout downloaded
  QString pristine;    // the working data before, kept to start each round from
  QString savedFile;   // the project file a save replaces
  QByteArray savedBefore;  // what it held before

  bool saving() const { return mode == QStringLiteral("save"); }

  [[noreturn]] void work() const {
    if (mode == QStringLiteral("open")) openProject(newFile);
    if (saving()) saveProject(savedFile);
    download(printout);
  }

  // What a round compares: the project file for a save, else the working data.
  QByteArray state() const { return saving() ? fileFingerprint(savedFile) : fingerprint(); }

  // Runs the work in a child; killed after delayUs unless negative. Returns
  // whether the child ran to its end (and with which code).
  bool runChild(qint64 delayUs, int& exitCode) const {
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) work();
    if (delayUs >= 0) {
      usleep(static_cast<useconds_t>(delayUs));
      kill(child, SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return WIFEXITED(status);
  }

  void resetWorkingData() const {
    if (saving()) {
      platform::removeWholeFileLeftovers(savedFile);
      writeFile(savedFile, savedBefore);
      return;
    }
    platform::db::Database::removeFile(ProgramFolder::path(files::Database));
    for (const QString& name : {files::TableList, files::DatabaseBackup, files::TableListBackup,
                                files::ReplacementMark})
      QFile::remove(ProgramFolder::path(name));
    QFile::copy(pristine + QStringLiteral("/db"), ProgramFolder::path(files::Database));
    QFile::copy(pristine + QStringLiteral("/list"), ProgramFolder::path(files::TableList));
  }
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  Campaign campaign;
  campaign.mode = args.value(1, QStringLiteral("open"));
  const int kills = args.value(2, QStringLiteral("100")).toInt();
  std::mt19937 random(args.value(3, QStringLiteral("1")).toUInt());
  const bool recover = args.value(4) != QStringLiteral("norecover");

  QTemporaryDir dir;
  QDir(dir.path()).mkpath(QStringLiteral("info"));
  QDir(dir.path()).mkpath(QStringLiteral("pristine"));
  ProgramFolder::setRoot(dir.path());
  campaign.pristine = dir.filePath(QStringLiteral("pristine"));

  // The data before: a small open of two tests.
  const QString oldFile = dir.filePath(QStringLiteral("old.txt"));
  writeFile(oldFile, " 0 \r\n" + loadFramePrintout(2, 5));
  int code = 0;
  Campaign first = campaign;
  first.mode = QStringLiteral("open");
  first.newFile = oldFile;
  if (!first.runChild(-1, code) || code != 0) {
    std::printf("could not make the data before (exit %d)\n", code);
    return 1;
  }
  QFile::copy(ProgramFolder::path(files::Database), campaign.pristine + QStringLiteral("/db"));
  QFile::copy(ProgramFolder::path(files::TableList), campaign.pristine + QStringLiteral("/list"));

  // The new data, complete: one run to its end, timed.
  campaign.printout = loadFramePrintout(2, campaign.mode == QStringLiteral("download") ? 100 : 20000);
  campaign.newFile = dir.filePath(QStringLiteral("new.txt"));
  writeFile(campaign.newFile, " 0 \r\n" + campaign.printout);
  if (campaign.saving()) {
    // A save writes the large data over the file of the small ones.
    first.newFile = campaign.newFile;
    if (!first.runChild(-1, code) || code != 0) return 1;
    campaign.savedFile = dir.filePath(QStringLiteral("saved.txt"));
    campaign.savedBefore = readFile(oldFile);
    campaign.resetWorkingData();
  }
  const QByteArray before = campaign.state();
  QElapsedTimer timer;
  timer.start();
  if (!campaign.runChild(-1, code) || code != 0) {
    std::printf("a whole %s failed (exit %d)\n", qPrintable(campaign.mode), code);
    return 1;
  }
  const qint64 wholeRunUs = timer.nsecsElapsed() / 1000;
  const QByteArray after = campaign.state();

  int previous = 0, complete = 0, mixed = 0, finished = 0, recovered = 0, leftovers = 0;
  std::uniform_int_distribution<qint64> delay(0, wholeRunUs * 11 / 10);
  for (int round = 0; round < kills; ++round) {
    campaign.resetWorkingData();
    if (campaign.runChild(delay(random), code)) ++finished;
    // The restart.
    if (recover && instrument::WorkingDatabaseBackup::recoverInterrupted().outcome ==
                       instrument::WorkingDatabaseBackup::Recovery::PutBack)
      ++recovered;
    if (campaign.saving()) leftovers += leftoversBeside(campaign.savedFile);
    const QByteArray now = campaign.state();
    if (now == before) {
      ++previous;
    } else if (now == after) {
      ++complete;
    } else {
      ++mixed;
      std::printf("round %d: mixed data (%s)\n", round, now.constData());
    }
  }
  std::printf("%s: %d kills over %.0f ms runs; %d ended before the kill; %d recoveries at restart\n",
              qPrintable(campaign.mode), kills, wholeRunUs / 1000.0, finished, recovered);
  std::printf("previous data %d, complete new data %d, mixed %d\n", previous, complete, mixed);
  if (campaign.saving()) std::printf("temporary files left beside the project file: %d\n", leftovers);
  return mixed == 0 ? 0 : 2;
}
