#include "instrument/writeout.h"

#include <QCoreApplication>
#include <cerrno>
#include <QPointer>

#include "instrument/CreateDatabase.h"
#include "instrument/DeviceType.h"
#include "instrument/Parse.h"
#include "instrument/ProjectReplay.h"
#include "instrument/ProjectSection.h"
#include "instrument/ProjectTableList.h"
#include "instrument/ProjectText.h"
#include "instrument/StatusCodes.h"
#include "instrument/TableListFit.h"
#include "platform/core/FileErrorText.h"
#include "platform/core/RegularFile.h"
#include "platform/core/WholeFile.h"
#include "platform/db/Database.h"

namespace instrument {

namespace {

// FoundDevice of a file whose line 1 is not a model line.
constexpr qint16 NotAModel = 99;
// A model line is shorter than this.
constexpr int ModelLineLimit = 6;

const QString NoDatabaseMessage = QStringLiteral("The working database could not be opened: %1");
const QString TableMessage = QStringLiteral("A table could not be read: %1");
const QString WriteMessage = QStringLiteral("The file %1 could not be written: %2");
// %1: the file; %2: why the list gives no table.
const QString NotFittingMessage = QStringLiteral("%2 The file %1 was not changed.");
const QString NoTableListedMessage = QStringLiteral("the table list names no table.");
const QString NoTableWrittenMessage = QStringLiteral("none of the listed tables gave any data to write.");
const QString UnreadableMessage = QStringLiteral("The file %1 could not be read: %2");
// %1: what noRegularFileText says of the file.
const QString NotRegularMessage = QStringLiteral("%1, so it was not read.");
const QString TooLargeMessage = QStringLiteral("The file %1 is larger than 1 GB, so it was not read.");
// Larger than any project file the program writes: a download of weeks holds
// a few megabytes.
constexpr qint64 ProjectFileLimit = qint64(1024) * 1024 * 1024;
const QString NotProjectMessage =
    QStringLiteral("%1 is not a project file: its first line is not a model code from 0 to 3.");
const QString NoProjectMessage = QStringLiteral("%1 holds no project: nothing follows its model code.");
const QString CreateMessage = QStringLiteral("The working database could not be created (status %1).");
const QString FailedMessage = QStringLiteral("The project file could not be read past line %1.");
const QString CutOffMessage = QStringLiteral("The project file is cut off: it ends in the middle of its data.");
const QString NoTablesMessage = QStringLiteral("The project file holds no tables that could be read.");
const QString StoppedMessage = QStringLiteral("Reading the project file was stopped.");
const QString StoreMessage =
    QStringLiteral("The working database could not store the project file's data; the disk may be full.");
const QString BusyMessage = QStringLiteral("A project file is already being read.");

struct FirstLine {
  QByteArray text;
  qsizetype bodyStart = 0;
};

FirstLine firstLine(const QByteArray& file) {
  qsizetype end = 0;
  while (end < file.size() && file[end] != '\r' && file[end] != '\n') ++end;
  qsizetype body = end;
  if (body < file.size() && file[body] == '\r') ++body;
  if (body < file.size() && file[body] == '\n') ++body;
  return {file.left(end), body};
}

// The model code of line 1: a number from 0 to 3 between blanks.
std::optional<int> modelCode(const QByteArray& line) {
  if (line.size() >= ModelLineLimit) return std::nullopt;
  const QByteArray digits = line.trimmed();
  if (digits.isEmpty()) return std::nullopt;
  for (char c : digits)
    if (c < '0' || c > '9') return std::nullopt;
  const int code = digits.toInt();
  if (code < ModelCode::LX9100 || code > ModelCode::T7310) return std::nullopt;
  return code;
}

// Whether the body holds anything but blanks and line ends that a parser sees.
bool holdsText(const QByteArray& file, qsizetype bodyStart) {
  for (qsizetype i = bodyStart; i < file.size(); ++i) {
    const auto byte = static_cast<unsigned char>(file[i]);
    if (byte > 32 && byte <= 90) return true;
  }
  return false;
}

bool writeSection(ProjectSection& section, int cd, bool exportCsv) {
  switch (cd) {
    case ModelCode::LX9100: return writeLoadFrameSection(section);
    case ModelCode::N2600A: return writeN2600ASection(section, exportCsv);
    case ModelCode::N2600BX: return writeN2600BXSection(section);
    case ModelCode::T7310: return writeStiffnessSection(section);
    default: return true;
  }
}

}  // namespace

writeout::writeout(int* Download_Status, QObject* parent)
    : QObject(parent), downloadStatus_(Download_Status != nullptr ? Download_Status : &ownStatus_) {}

QString writeout::Pad_Field(const QString& text, int width) {
  return text.size() >= width ? text : QString(width - text.size(), QLatin1Char(' ')) + text;
}

SaveStatus writeout::saveFailed(SaveStatus status, const QString& message) {
  saveStatus_ = status;
  message_ = message;
  return status;
}

SaveStatus writeout::writeout_(const QString& filename, const QString& Table_Names, qint16 cd,
                               const QString& SingleTable, bool Export_CSV) {
  saveStatus_ = SaveStatus::Saved;
  message_.clear();
  if (filename.isEmpty()) return saveFailed(SaveStatus::NoFileName, QString());

  const bool projectIds = cd == ModelCode::N2600A || cd == ModelCode::N2600BX;
  const QStringList names = withoutRepeatedTables(
      listedTables(SingleTable.isEmpty() ? Table_Names : SingleTable + QLatin1Char(' ')), projectIds);
  // A file of line 1 alone, or of tables its model's parser does not read,
  // would replace a project file with one that opens as nothing.
  if (names.isEmpty()) return notFitting(filename, NoTableListedMessage);
  if (!isModelCode(cd)) return notFitting(filename, modelCodeMisfit(cd));
  ProjectText out;
  out.number(cd);
  out.endLine();
  const qsizetype bodyStart = out.bytes().size();
  {
    // Read only, so that a save to another disk needs no room on the working
    // database's own; a missing database is a failure, not created.
    platform::db::Database db;
    if (!db.openForReading(CreateDatabase::databasePath()))
      return saveFailed(SaveStatus::DatabaseFailed, NoDatabaseMessage.arg(db.lastError()));
    const QString misfit = tableListMisfit(db, names, cd);
    if (!misfit.isEmpty()) return notFitting(filename, misfit);
    ProjectSection section{db, names, out, {}};
    if (!writeSection(section, cd, Export_CSV)) {
      return saveFailed(SaveStatus::TableFailed, TableMessage.arg(section.error));
    }
  }
  if (!holdsText(out.bytes(), bodyStart)) return notFitting(filename, NoTableWrittenMessage);

  QString error;
  if (!platform::writeWholeFile(filename, out.bytes(), &error))
    return saveFailed(SaveStatus::WriteFailed, WriteMessage.arg(filename, error));
  return SaveStatus::Saved;
}

SaveStatus writeout::notFitting(const QString& filename, const QString& why) {
  return saveFailed(SaveStatus::NotFitting, NotFittingMessage.arg(filename, why));
}

std::optional<QString> writeout::replayFailed(ReplayStatus status, const QString& message) {
  replayStatus_ = status;
  message_ = message;
  return std::nullopt;
}

std::optional<QByteArray> writeout::readProjectFile(const QString& location) {
  platform::RegularFile file = platform::readRegularFile(location, ProjectFileLimit);
  switch (file.outcome) {
    case platform::RegularFile::Read: return std::move(file.bytes);
    case platform::RegularFile::Missing:
      replayFailed(ReplayStatus::Unreadable, UnreadableMessage.arg(location, platform::fileErrorText(ENOENT)));
      break;
    case platform::RegularFile::NotRegular:
      replayFailed(ReplayStatus::Unreadable, NotRegularMessage.arg(platform::noRegularFileText(location)));
      break;
    case platform::RegularFile::TooLarge:
      replayFailed(ReplayStatus::Unreadable, TooLargeMessage.arg(location));
      break;
    case platform::RegularFile::Unreadable:
      replayFailed(ReplayStatus::Unreadable, UnreadableMessage.arg(location, file.error));
      break;
  }
  return std::nullopt;
}

std::optional<QString> writeout::Get_tables(const QString& location, const QString& current_tables) {
  if (replaying_) {
    // Leave the running replay's status alone; only say why this call did nothing.
    message_ = BusyMessage;
    return std::nullopt;
  }
  replayStatus_ = ReplayStatus::Replayed;
  message_.clear();
  if (location.isEmpty()) return replayFailed(ReplayStatus::NoFileName, QString());

  const std::optional<QByteArray> read = readProjectFile(location);
  if (!read) return std::nullopt;
  const QByteArray& bytes = *read;

  const FirstLine line = firstLine(bytes);
  const std::optional<int> model = modelCode(line.text);
  if (!model) {
    FoundDevice = NotAModel;
    Finished_ = false;
    return replayFailed(ReplayStatus::NotProjectFile, NotProjectMessage.arg(location));
  }
  FoundDevice = static_cast<qint16>(*model);
  // Replayed, a file of its model line only would replace the data with none.
  if (!holdsText(bytes, line.bodyStart)) return replayFailed(ReplayStatus::NoProject, NoProjectMessage.arg(location));
  return replay(bytes, line.bodyStart, *model, current_tables);
}

std::optional<QString> writeout::replay(const QByteArray& file, qsizetype bodyStart, int model,
                                        const QString& current_tables) {
  Parse parser(downloadStatus_);
  const int created = parser.Initit(current_tables);
  *downloadStatus_ = created;
  if (created != status::Ok) return replayFailed(ReplayStatus::DatabaseFailed, CreateMessage.arg(created));

  Finished_ = false;
  replaying_ = true;
  stopRequested_ = false;
  QPointer<writeout> self(this);
  ProjectReplay replay(parser, model, [this, self](qint64 done, qint64 total) {
    return self && yieldToEvents(done, total);
  });
  const ProjectReplay::Outcome outcome = replay.run(file, bodyStart);
  const bool stored = parser.commit();
  parser.DeInit();
  if (!self) return std::nullopt;  // the object went while the events ran
  Finished_ = true;
  emit replayProgress(file.size(), file.size());
  if (!self) return std::nullopt;
  replaying_ = false;

  if (!stored || outcome == ProjectReplay::Outcome::DatabaseFailed) {
    *downloadStatus_ = status::DatabaseWriteFailed;
    return replayFailed(ReplayStatus::DatabaseFailed, StoreMessage);
  }
  switch (outcome) {
    case ProjectReplay::Outcome::DatabaseFailed:
    case ProjectReplay::Outcome::Failed:
      return replayFailed(ReplayStatus::Failed, FailedMessage.arg(replay.failedLine()));
    case ProjectReplay::Outcome::CutOff: return replayFailed(ReplayStatus::CutOff, CutOffMessage);
    case ProjectReplay::Outcome::Stopped: return replayFailed(ReplayStatus::Stopped, StoppedMessage);
    case ProjectReplay::Outcome::Complete: break;
  }
  const QString tables = parser.retrn_message();
  if (tables.isEmpty() && holdsText(file, bodyStart)) return replayFailed(ReplayStatus::NoTables, NoTablesMessage);
  message_.clear();  // a refused call meanwhile may have left its words
  return tables;
}

bool writeout::yieldToEvents(qint64 done, qint64 total) {
  QPointer<writeout> self(this);
  emit replayProgress(done, total);
  if (self && QCoreApplication::instance() != nullptr) QCoreApplication::processEvents();
  return self && !stopRequested_;
}

}  // namespace instrument
