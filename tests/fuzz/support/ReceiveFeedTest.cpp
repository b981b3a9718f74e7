// The fuzz targets' model of the receive loop must feed what a download feeds
// and stop where it stops, or the targets test inputs no download can make.

#include <gtest/gtest.h>

#include "fuzz/support/ReceiveFeed.h"
#include "instrument/CreateDatabase.h"
#include "instrument/DeviceType.h"
#include "instrument/Parse.h"
#include "instrument/StatusCodes.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

namespace {

using fuzzing::feedAsReceived;
namespace ModelCode = instrument::ModelCode;
namespace status = instrument::status;

class ReceiveFeed : public testing::Test {
 protected:
  QString feed(int model, const QByteArray& bytes) {
    instrument::Parse parse;
    EXPECT_EQ(parse.Initit(), status::Ok);
    const fuzzing::FeedOutcome outcome = feedAsReceived(parse, model, bytes);
    EXPECT_TRUE(outcome.unexpectedResults.isEmpty());
    EXPECT_FALSE(outcome.databaseFailed);
    return parse.retrn_message();
  }

  testsupport::TempProgramFolder folder_;
};

TEST_F(ReceiveFeed, PrintoutsOfEveryModelMakeTheirTables) {
  EXPECT_EQ(feed(ModelCode::LX9100, testsupport::readData(QStringLiteral("lx9100/several_tests.txt"))).count(' '), 4);
  EXPECT_FALSE(feed(ModelCode::N2600A, testsupport::readData(QStringLiteral("n2600a/two_reports.txt"))).isEmpty());
  EXPECT_EQ(feed(ModelCode::N2600BX, testsupport::readData(QStringLiteral("n2600bx/one_project.txt"))),
            QStringLiteral("4.5 "));
  EXPECT_EQ(feed(ModelCode::T7310, testsupport::readData(QStringLiteral("t7310/three_runs.txt"))).count(' '), 3);
}

TEST_F(ReceiveFeed, EndMarkersAndForeignCodesEndThePrintout) {
  const QByteArray printout = testsupport::readData(QStringLiteral("n2600bx/one_project.txt"));
  const qsizetype cut = printout.indexOf("PROJECT ID");
  for (const char stop : {'\xfd', '\xca', '\x80', '\xe9'})
    EXPECT_EQ(feed(ModelCode::N2600BX, printout.left(cut) + stop + printout.mid(cut)), QString()) << int(stop);
}

TEST_F(ReceiveFeed, EmptyReadsAreFedOnlyAfterACarriageReturn) {
  // Enough empty reads end an N2600BX report only when they follow a
  // carriage return: after any other character the loop does not feed them.
  const QByteArray printout = testsupport::readData(QStringLiteral("n2600bx/one_project.txt"));
  const qsizetype lineEnd = printout.lastIndexOf('\r', printout.indexOf("PROJECT ID"));
  const QByteArray silence(1001, '\0');
  EXPECT_EQ(feed(ModelCode::N2600BX, printout.left(lineEnd + 1) + silence + printout.mid(lineEnd + 1)), QString());
  EXPECT_EQ(feed(ModelCode::N2600BX, printout.left(lineEnd) + silence + printout.mid(lineEnd)), QStringLiteral("4.5 "));
}

TEST_F(ReceiveFeed, EachParserMayReturnOnlyItsOwnStatuses) {
  using fuzzing::parserMayReturn;
  for (const int model : {ModelCode::LX9100, ModelCode::N2600A, ModelCode::N2600BX, ModelCode::T7310}) {
    EXPECT_TRUE(parserMayReturn(model, status::NoValue));
    EXPECT_FALSE(parserMayReturn(model, status::TableFailed)) << model;
    EXPECT_FALSE(parserMayReturn(model, status::DatabaseWriteFailed)) << model;
    EXPECT_EQ(parserMayReturn(model, status::StiffnessRejected), model == ModelCode::T7310) << model;
  }
  EXPECT_FALSE(parserMayReturn(ModelCode::N2600A, status::ParseComplete));
  EXPECT_FALSE(parserMayReturn(ModelCode::T7310, status::ParseFailed));
}

}  // namespace
