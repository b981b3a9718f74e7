#include "instrument/Parse.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <gtest/gtest.h>

#include "PrintoutFeed.h"
#include "instrument/CreateDatabase.h"
#include "instrument/StatusCodes.h"
#include "platform/core/ProgramFiles.h"
#include "platform/db/Database.h"
#include "support/TempProgramFolder.h"

namespace instrument {
namespace {

using testsupport::feedPrintout;

const QByteArray TwoTests = "CBR/LBR TEST\r1, 0, 1, 2, 3, 4\rEND\rMARSHALL TEST\r1, 0, 1, 2, 3, 4\rEND\r";

class ParseTest : public ::testing::Test {
 protected:
  QString databasePath() const { return folder.path(platform::ProgramFiles::Database); }
  QString lockPath() const { return folder.path(platform::ProgramFiles::DatabaseLock); }

  testsupport::TempProgramFolder folder;
};

TEST_F(ParseTest, InititMakesAFreshDatabaseHeldOpenUntilDeInit) {
  int shared = -5;
  Parse parse(&shared);
  ASSERT_EQ(parse.Initit(), status::Ok);
  EXPECT_EQ(shared, status::Ok);
  EXPECT_TRUE(QFileInfo::exists(databasePath()));
  EXPECT_TRUE(QFileInfo::exists(lockPath()));
  EXPECT_EQ(feedPrintout(parse, &Parse::Parse_LX9100, TwoTests), QList<int>(2, status::ParseComplete));
  parse.DeInit();
  parse.DeInit();
  EXPECT_FALSE(QFileInfo::exists(lockPath()));
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("CBR_LBR1 MARSHALL1 "));

  // The next load starts from nothing: counters, table list and tables.
  ASSERT_EQ(parse.Initit(parse.retrn_message()), status::Ok);
  EXPECT_TRUE(parse.retrn_message().isEmpty());
  EXPECT_TRUE(testsupport::workingTables().isEmpty());
  EXPECT_EQ(feedPrintout(parse, &Parse::Parse_LX9100, TwoTests.left(TwoTests.indexOf("MARSHALL"))),
            QList<int>{status::ParseComplete});
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("CBR_LBR1 "));
}

TEST_F(ParseTest, DeInitBeforeInititIsHarmless) {
  Parse parse;
  parse.DeInit();
  EXPECT_EQ(parse.Download_Status(), status::Ok);
  EXPECT_EQ(parse.Parse_LX9100(u"X"), status::NoValue);
  EXPECT_EQ(parse.Parse_LX9100(u"\r"), status::NoValue);
}

TEST_F(ParseTest, FailedInititLeavesNothingOpenAndNoOldTableList) {
  Parse parse;
  ASSERT_EQ(parse.Initit(), status::Ok);
  feedPrintout(parse, &Parse::Parse_LX9100, TwoTests);
  parse.DeInit();
  ASSERT_FALSE(parse.retrn_message().isEmpty());

  ASSERT_TRUE(QDir(folder.path(QStringLiteral("info"))).removeRecursively());
  EXPECT_EQ(parse.Initit(parse.retrn_message()), status::CreateFailed);
  EXPECT_EQ(parse.Download_Status(), status::CreateFailed);
  EXPECT_TRUE(parse.retrn_message().isEmpty());
  // Every parser fails normally without a database.
  const QList<int> results = feedPrintout(parse, &Parse::Parse_LX9100, TwoTests);
  EXPECT_FALSE(results.contains(status::ParseComplete));
  for (auto member : {&Parse::Parse_T7310, &Parse::Parse_N2600A, &Parse::Parse_N2600BX})
    feedPrintout(parse, member, "R#, 5, 1\r12.5 \rPROJECT ID: 4 \r1,2,3\r");
  EXPECT_TRUE(parse.retrn_message().isEmpty());
  parse.DeInit();
}

TEST_F(ParseTest, InititClosesEveryOtherConnectionBeforeDeletingTheFile) {
  Parse parse;
  ASSERT_EQ(parse.Initit(), status::Ok);
  feedPrintout(parse, &Parse::Parse_LX9100, TwoTests);
  parse.DeInit();
  platform::db::Database view;
  ASSERT_TRUE(view.open(CreateDatabase::databasePath(), QStringLiteral("parse-test-view")));
  ASSERT_EQ(parse.Initit(), status::Ok);
  EXPECT_FALSE(view.isOpen());
  EXPECT_TRUE(testsupport::workingTables().isEmpty());
  feedPrintout(parse, &Parse::Parse_LX9100, TwoTests);
  parse.DeInit();
  // The rows went into the new file, not into an unlinked one.
  EXPECT_EQ(testsupport::readTable(QStringLiteral("MARSHALL1")).size(), 1);
}

TEST_F(ParseTest, CommittedRowsSurviveAnInterruptedDownload) {
  Parse parse;
  ASSERT_EQ(parse.Initit(), status::Ok);
  feedPrintout(parse, &Parse::Parse_LX9100, TwoTests.left(TwoTests.indexOf("1, 0", TwoTests.indexOf("MARSHALL"))));
  feedPrintout(parse, &Parse::Parse_LX9100, "1, 0, 1, 2, 3, 4\r");
  // Another connection sees the completed test while the download still runs.
  EXPECT_EQ(testsupport::readTable(QStringLiteral("CBR_LBR1")).size(), 1);
  QThread::msleep(ParseContext::CommitIntervalMs + 50);
  feedPrintout(parse, &Parse::Parse_LX9100, "2, 0, 1, 2, 3, 4\r");
  EXPECT_EQ(testsupport::readTable(QStringLiteral("MARSHALL1")).size(), 2);
}

TEST_F(ParseTest, MembersByDeviceAndModel) {
  EXPECT_EQ(Parse::memberForDevice(0), &Parse::Parse_LX9100);
  EXPECT_EQ(Parse::memberForDevice(1), &Parse::Parse_N2600A);
  EXPECT_EQ(Parse::memberForDevice(2), &Parse::Parse_N2600BX);
  EXPECT_EQ(Parse::memberForDevice(3), &Parse::Parse_LX9100);
  EXPECT_EQ(Parse::memberForDevice(4), &Parse::Parse_T7310);
  EXPECT_EQ(Parse::memberForDevice(5), nullptr);
  EXPECT_EQ(Parse::memberForModel(0), &Parse::Parse_LX9100);
  EXPECT_EQ(Parse::memberForModel(1), &Parse::Parse_N2600A);
  EXPECT_EQ(Parse::memberForModel(2), &Parse::Parse_N2600BX);
  EXPECT_EQ(Parse::memberForModel(3), &Parse::Parse_T7310);
  EXPECT_EQ(Parse::memberForModel(4), nullptr);
}

}  // namespace
}  // namespace instrument
