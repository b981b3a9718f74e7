// The project-file frame: line 1, the table list, failures of a save, and the
// replay's refusals, progress and stop.

#include <QDir>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

#include "ProjectFileSupport.h"
#include "instrument/CreateDatabase.h"
#include "instrument/DeviceType.h"
#include "instrument/StatusCodes.h"
#include "instrument/writeout.h"
#include "platform/db/Database.h"
#include "support/FileSizeLimit.h"
#include "support/FullDisk.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

namespace {

using instrument::ReplayStatus;
using instrument::SaveStatus;
using instrument::writeout;
using instrument::ModelCode::LX9100;

QVariantMap loadReading(int number) {
  return {{"READNUMBER", number}, {"TIME", "00:00:01"}, {"CH1", 1},       {"CH2", 2},      {"CH3", 3},
          {"CH4", 4},             {"CH1NAME", "A"},     {"CH2NAME", "B"}, {"CH3NAME", "C"}, {"CH4NAME", "D"}};
}

QByteArray loadFrameFile(int readings, bool withEnd = true) {
  QByteArray text = " 0 \r\nCBR/LBR TEST\r\n\r\nRD #, TIME, (A), (B), (C), (D)\r\n";
  for (int i = 1; i <= readings; ++i) text += QByteArray::number(i) + ", 00:00:01, 1.5, 2.5, 3.5, 4.5\r\n";
  if (withEnd) text += "END\r\n\r\n";
  return text;
}

class ProjectFile : public testing::Test {
 protected:
  void SetUp() override {
    projecttest::createTables(instrument::DeviceType::LoadFrameSingle, {"CBR_LBR1", "MARSHALL1"});
    projecttest::addRow("CBR_LBR1", loadReading(1));
    projecttest::addRow("MARSHALL1", loadReading(1));
  }

  QByteArray save(const QString& list, qint16 cd = LX9100, const QString& single = QString()) {
    writeout writer;
    EXPECT_EQ(writer.writeout_(file_, list, cd, single), SaveStatus::Saved) << writer.message().toStdString();
    return projecttest::fileBytes(file_);
  }

  // Replays text; returns the table list or nothing.
  std::optional<QString> open(const QByteArray& text, writeout& reader) {
    projecttest::writeFile(file_, text);
    return reader.Get_tables(file_, QStringLiteral("CBR_LBR1 MARSHALL1 "));
  }

  testsupport::TempProgramFolder folder_;
  QString file_ = folder_.path(QStringLiteral("project.txt"));
};

// Each would have written a file that opens as nothing: line 1 alone, or
// load-frame tables under the stiffness gauge's code.
TEST_F(ProjectFile, AListThatGivesNoTableOfItsModelLeavesThePreviousFile) {
  const QByteArray previous = save("CBR_LBR1 ");
  ASSERT_TRUE(previous.startsWith(" 0 \r\nCBR/LBR TEST"));
  const std::pair<QString, qint16> misfits[] = {{"CBR_LBR1 ", 9},
                                                {"CBR_LBR1 ", -1},
                                                {"CBR_LBR1 ", 4},
                                                {"CBR_LBR1 ", instrument::ModelCode::T7310},
                                                {" ", LX9100}};
  for (const auto& [list, cd] : misfits) {
    writeout writer;
    EXPECT_EQ(writer.writeout_(file_, list, cd), SaveStatus::NotFitting) << cd;
    EXPECT_TRUE(writer.message().contains(file_)) << writer.message().toStdString();
    EXPECT_EQ(projecttest::fileBytes(file_), previous) << cd;
  }
}

TEST_F(ProjectFile, ASingleTableReplacesTheListAndAnUnendedNameIsLeftOut) {
  const QByteArray single = save("CBR_LBR1 MARSHALL1 ", LX9100, "MARSHALL1");
  EXPECT_FALSE(single.contains("CBR/LBR"));
  EXPECT_TRUE(single.contains("MARSHALL TEST"));
  const QByteArray unended = save("CBR_LBR1 MARSHALL1");
  EXPECT_TRUE(unended.contains("CBR/LBR"));
  EXPECT_FALSE(unended.contains("MARSHALL"));
}

TEST_F(ProjectFile, SavingLeavesTheViewsConnectionOpen) {
  platform::db::Database view;
  ASSERT_TRUE(view.open(instrument::CreateDatabase::databasePath()));
  save("CBR_LBR1 ");
  EXPECT_TRUE(view.isOpen());
  EXPECT_TRUE(view.hasTable("CBR_LBR1"));
}

TEST_F(ProjectFile, AFailedSaveSaysSoAndKeepsThePreviousFile) {
  projecttest::writeFile(file_, "previous");
  writeout writer;
  EXPECT_EQ(writer.writeout_(QString(), "CBR_LBR1 ", LX9100), SaveStatus::NoFileName);
  EXPECT_EQ(writer.writeout_(file_, "CBR_LBR1 NOSUCH1 CBR_LBR9 ", LX9100), SaveStatus::TableFailed);
  EXPECT_FALSE(writer.message().isEmpty());
  EXPECT_EQ(projecttest::fileBytes(file_), QByteArray("previous"));
  EXPECT_EQ(writer.writeout_(folder_.path("missing/folder/p.txt"), "CBR_LBR1 ", LX9100), SaveStatus::WriteFailed);
  EXPECT_FALSE(writer.message().isEmpty());
  QFile::remove(instrument::CreateDatabase::databasePath());
  EXPECT_EQ(writer.writeout_(file_, "CBR_LBR1 ", LX9100), SaveStatus::DatabaseFailed);
  EXPECT_FALSE(QFile::exists(instrument::CreateDatabase::databasePath()));
  EXPECT_EQ(projecttest::fileBytes(file_), QByteArray("previous"));
}

TEST_F(ProjectFile, PadFieldRightAlignsAndNeverCuts) {
  EXPECT_EQ(writeout::Pad_Field("TIME", 8), QStringLiteral("    TIME"));
  EXPECT_EQ(writeout::Pad_Field("ABCDEF", 4), QStringLiteral("ABCDEF"));
}

// Nothing of the working database is touched before line 1 is known to be a
// model code.
TEST_F(ProjectFile, AFileThatIsNotAProjectFileIsRefusedUntouched) {
  const auto before = projecttest::snapshot();
  for (const QByteArray& text : {QByteArray("  0   \r\nCBR/LBR TEST\r\n"), QByteArray("12345\r\n"), QByteArray("X\r\n"),
                                 QByteArray(" 4 \r\n"), QByteArray(), QByteArray("\x01\xff garbage")}) {
    writeout reader;
    EXPECT_FALSE(open(text, reader).has_value());
    EXPECT_EQ(reader.replayStatus(), ReplayStatus::NotProjectFile) << text.toStdString();
    EXPECT_EQ(reader.FoundDevice, 99);
    EXPECT_FALSE(reader.message().isEmpty());
  }
  writeout reader;
  EXPECT_FALSE(reader.Get_tables(folder_.path("nosuch.txt"), QString()).has_value());
  EXPECT_EQ(reader.replayStatus(), ReplayStatus::Unreadable);
  EXPECT_EQ(projecttest::snapshot(), before);
}

TEST_F(ProjectFile, AReplayThatFailsPartWayIsAFailure) {
  writeout reader;
  const QByteArray good = loadFrameFile(3);
  EXPECT_FALSE(open(good.left(good.indexOf("END")), reader).has_value());
  EXPECT_EQ(reader.replayStatus(), ReplayStatus::CutOff);
  EXPECT_FALSE(open(good.left(good.indexOf("2, 00")), reader).has_value());
  EXPECT_EQ(reader.replayStatus(), ReplayStatus::CutOff);
  EXPECT_FALSE(open(" 3 \r\nRun#,  1,Meas:, 1.5,CalFac:, 0.98,Date:, 06/01/2004,Time:, 10:20:30", reader));
  EXPECT_EQ(reader.replayStatus(), ReplayStatus::CutOff);
  // A reading number met twice cannot be stored.
  EXPECT_FALSE(open(" 0 \r\nCBR/LBR TEST\r\n1, 00:00:01, 1, 2, 3, 4\r\n1, 00:00:02, 1, 2, 3, 4\r\nEND\r\n", reader));
  EXPECT_EQ(reader.replayStatus(), ReplayStatus::Failed);
  EXPECT_TRUE(reader.message().contains("4")) << reader.message().toStdString();
  EXPECT_FALSE(open(" 0 \r\n" + testsupport::readData("lx9100/garbage.txt"), reader).has_value());
  EXPECT_EQ(reader.replayStatus(), ReplayStatus::Failed);
  EXPECT_FALSE(open(" 2 \r\nNOTHING HERE TO READ\r\n", reader).has_value());
  EXPECT_EQ(reader.replayStatus(), ReplayStatus::NoTables);
  EXPECT_TRUE(reader.Finished_);
}

TEST_F(ProjectFile, BareLineFeedsEndLinesToo) {
  projecttest::createTables(instrument::DeviceType::LoadFrameSingle, {});
  writeout reader;
  QByteArray text = loadFrameFile(2);
  text.replace("\r\n", "\n");
  EXPECT_EQ(open(text, reader), QStringLiteral("CBR_LBR1 ")) << reader.message().toStdString();
  EXPECT_EQ(projecttest::snapshot().value("CBR_LBR1").size(), 2);
}

// The feed drops the "~" as a download would, and line feeds: what follows
// the date line's carriage return still belongs to its end.
TEST_F(ProjectFile, WhatFollowsACarriageReturnReadsAsThePrintoutDoes) {
  for (const QByteArray& lineEnd : {QByteArray("\r~\n"), QByteArray("\r\n\n")}) {
    const QByteArray body = "R#, 5\r\nM:, 1.5\r\nCF:, 0.98\r\nD:, 06/01/2004" + lineEnd + "T:, 10:20:30\r\n";
    const QString parsed = projecttest::parsePrintout(instrument::ModelCode::T7310, body);
    const auto printout = projecttest::snapshot();
    ASSERT_TRUE(printout.value("RUN5").join(' ').contains("10:20:30")) << printout.keys().join(' ').toStdString();
    writeout reader;
    EXPECT_EQ(open(" 3 \r\n" + body, reader), parsed) << reader.message().toStdString();
    EXPECT_EQ(projecttest::snapshot(), printout) << lineEnd.toHex().constData();
  }
}

// Replayed, such a file would leave the working database empty.
TEST_F(ProjectFile, AFileOfLineOneOnlyIsRefusedUntouched) {
  const auto before = projecttest::snapshot();
  for (const QByteArray& text : {QByteArray(" 0 \r\n"), QByteArray(" 1 \r\n  \r\n\r\n"), QByteArray(" 3 ")}) {
    int downloadStatus = -7;
    writeout reader(&downloadStatus);
    EXPECT_FALSE(open(text, reader).has_value()) << text.toStdString();
    EXPECT_EQ(reader.replayStatus(), ReplayStatus::NoProject);
    EXPECT_TRUE(reader.message().contains(file_)) << reader.message().toStdString();
    EXPECT_EQ(downloadStatus, -7);
  }
  EXPECT_EQ(projecttest::snapshot(), before);
}

TEST_F(ProjectFile, TheReplayTurnsTheEventLoopReportsProgressAndStopsWhenAsked) {
  bool timerRan = false;
  QTimer::singleShot(0, [&] { timerRan = true; });
  writeout reader;
  QList<qint64> done;
  bool timerRanDuringReplay = false;
  QObject::connect(&reader, &writeout::replayProgress, [&](qint64 read, qint64 total) {
    done.append(read);
    EXPECT_EQ(total, loadFrameFile(20000).size());
    timerRanDuringReplay = timerRanDuringReplay || (timerRan && !reader.Finished_);
    // A second replay is refused while this one runs.
    EXPECT_FALSE(reader.Get_tables(file_, QString()).has_value());
    if (done.size() == 2) reader.stopReplay();
  });
  EXPECT_FALSE(open(loadFrameFile(20000), reader).has_value());
  EXPECT_EQ(reader.replayStatus(), ReplayStatus::Stopped);
  EXPECT_TRUE(timerRanDuringReplay);
  ASSERT_EQ(done.size(), 3);  // two turns of the loop, then the end
  EXPECT_LT(done[0], done[1]);
  EXPECT_EQ(done[2], loadFrameFile(20000).size());
  EXPECT_TRUE(reader.Finished_);
}

}  // namespace

namespace {

// A project file this small fits the write buffer: only the flush meets the
// full disk.
TEST_F(ProjectFile, ASaveToAFullDiskFailsAndKeepsThePreviousFile) {
  const testsupport::FullDisk disk;
  if (!disk.mounted()) GTEST_SKIP() << "no memory file system could be mounted";
  const QString file = disk.path(QStringLiteral("project.txt"));
  ASSERT_TRUE(QFile::rename(disk.path(QStringLiteral("filler")), file));
  const QByteArray previous = projecttest::fileBytes(file);
  writeout writer;
  EXPECT_EQ(writer.writeout_(file, "CBR_LBR1 MARSHALL1 ", LX9100), SaveStatus::WriteFailed);
  EXPECT_TRUE(writer.message().contains(file)) << writer.message().toStdString();
  EXPECT_EQ(projecttest::fileBytes(file), previous);
}

// The database outgrows the room left on the disk part-way through the file.
TEST_F(ProjectFile, AnOpenThatFillsTheDiskFailsWithADatabaseStatus) {
  const QByteArray text = loadFrameFile(5000);
  projecttest::writeFile(file_, text);
  int downloadStatus = -7;
  writeout reader(&downloadStatus);
  {
    const testsupport::FileSizeLimit full(96 * 1024);
    EXPECT_FALSE(reader.Get_tables(file_, QStringLiteral("CBR_LBR1 MARSHALL1 ")).has_value());
  }
  EXPECT_EQ(reader.replayStatus(), ReplayStatus::DatabaseFailed);
  EXPECT_EQ(downloadStatus, instrument::status::DatabaseWriteFailed);
  EXPECT_FALSE(reader.message().isEmpty());
  // With room enough the same file opens whole.
  EXPECT_EQ(reader.Get_tables(file_, QString()), QStringLiteral("CBR_LBR1 "));
  EXPECT_EQ(projecttest::snapshot().value("CBR_LBR1").size(), 5000);
}

// The end marker closes a printout just as a line end does.
TEST_F(ProjectFile, AFileWhoseLastByteIsTheEndMarkerIsComplete) {
  const QByteArray printout = testsupport::readData("n2600a/soil_asphalt.txt");
  writeout reader;
  const auto tables = open(" 1 \r\n" + printout + char(253), reader);
  ASSERT_TRUE(tables.has_value()) << reader.message().toStdString();
  EXPECT_FALSE(tables->isEmpty());
  EXPECT_EQ(reader.replayStatus(), ReplayStatus::Replayed);
  // Only the marker ends a line: a body cut in the middle of one still is not.
  writeout cut;
  EXPECT_FALSE(open(" 1 \r\n" + printout.left(printout.size() - 9), cut).has_value());
  EXPECT_EQ(cut.replayStatus(), ReplayStatus::CutOff);
}

}  // namespace

namespace {

// Reading the working database for a save writes nothing beside it, so a
// disk without room for its index (here: no file may grow past 4 KB) still
// lets the save to another disk go through.
TEST_F(ProjectFile, ASaveNeedsNoRoomBesideTheWorkingDatabase) {
  platform::db::Database::closeAllConnections(instrument::CreateDatabase::databasePath());
  writeout writer;
  {
    const testsupport::FileSizeLimit full(4096);
    EXPECT_EQ(writer.writeout_(file_, "CBR_LBR1 ", LX9100), SaveStatus::Saved) << writer.message().toStdString();
  }
  EXPECT_TRUE(projecttest::fileBytes(file_).contains("CBR/LBR"));
  EXPECT_EQ(QDir(folder_.path("info")).entryList(QDir::Files), QStringList{"KORVIS.qvd"});
}

TEST_F(ProjectFile, ADatabaseThatCannotBeOpenedIsSaidSo) {
  platform::db::Database::removeFile(instrument::CreateDatabase::databasePath());
  projecttest::writeFile(instrument::CreateDatabase::databasePath(), QByteArray(4096, 'x'));
  writeout writer;
  EXPECT_EQ(writer.writeout_(file_, "CBR_LBR1 ", LX9100), SaveStatus::DatabaseFailed);
  EXPECT_TRUE(writer.message().startsWith("The working database could not be opened"))
      << writer.message().toStdString();
}

}  // namespace
