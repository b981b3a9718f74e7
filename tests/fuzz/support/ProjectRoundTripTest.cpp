// The round-trip target's check, and its filter of the known round-trip
// faults: the project files of the tests and the kept fuzz inputs come back
// equal, with no known fault left to skip.

#include <QDir>
#include <gtest/gtest.h>

#include "fuzz/support/ProjectRoundTrip.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

namespace {

class ProjectRoundTrip : public testing::Test {
 protected:
  fuzzing::RoundTripOutcome roundTrip(const QByteArray& file) { return fuzzing::roundTrip(file, folder_.root()); }

  testsupport::TempProgramFolder folder_;
};

TEST_F(ProjectRoundTrip, TheProjectFilesOfTheTestsComeBackEqual) {
  const QDir dir(testsupport::dataPath(QStringLiteral("projects")));
  for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
    const fuzzing::RoundTripOutcome outcome = roundTrip(testsupport::readData(QStringLiteral("projects/") + name));
    EXPECT_TRUE(outcome.opened) << name.toStdString();
    EXPECT_EQ(outcome.problem.toStdString(), "") << name.toStdString();
    EXPECT_EQ(outcome.knownFault, QString()) << name.toStdString();
  }
}

TEST_F(ProjectRoundTrip, FilesThatDoNotOpenAreNoFinding) {
  for (const QByteArray& file : {QByteArray(), QByteArray("x\r\n"), QByteArray(" 7 \r\nEND\r\n"), QByteArray(" 0 \r\nRD #")}) {
    const fuzzing::RoundTripOutcome outcome = roundTrip(file);
    EXPECT_FALSE(outcome.opened) << file.constData();
    EXPECT_EQ(outcome.problem, QString()) << file.constData();
  }
}

TEST_F(ProjectRoundTrip, TheKeptFuzzInputsComeBackEqualAndNoFaultIsSkipped) {
  // Each input the target once reported, opened as the project file it was.
  const QDir dir(testsupport::dataPath(QStringLiteral("fuzz")));
  for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
    const fuzzing::RoundTripOutcome outcome = roundTrip(testsupport::readData(QStringLiteral("fuzz/") + name));
    EXPECT_TRUE(outcome.opened) << name.toStdString();
    EXPECT_EQ(outcome.problem.toStdString(), "") << name.toStdString();
    EXPECT_EQ(outcome.knownFault, QString()) << name.toStdString();
  }
}

}  // namespace
