// The stiffness-gauge section of project files.

#include <gtest/gtest.h>

#include "../ProjectFileSupport.h"
#include "../ProjectSectionTest.h"
#include "instrument/DeviceType.h"
#include "support/TestData.h"

namespace {

using instrument::DeviceType::T7310;

QVariantMap runHeader(int run, double measure, double calibration, const QString& date, const QString& time,
                      int bin = 0) {
  return {{"RUN_NUMBER", run}, {"MEASURE", measure}, {"CALFACTOR", calibration}, {"DATE", date},
          {"TIME", time},      {"BIN_NUMBER", bin}};
}

QVariantMap bin(int number, int frequency, int first, int flags, double dsnr, const QVariant& fsnr) {
  const char* values[] = {"REAL_DISPL_ND", "REAL_FORCE_ND", "IMAG_DISPL_ND", "IMAG_FORCE_ND",
                          "REAL_DISPL_SD", "REAL_FORCE_SD", "IMAG_DISPL_SD", "IMAG_FORCE_SD"};
  QVariantMap row{{"BIN_NUMBER", number}, {"FREQUENCY", frequency}, {"NOISE_OL_FLAG", flags},
                  {"SIGNL_OL_FLAG", flags}, {"DSNR", dsnr}};
  if (!fsnr.isNull()) row.insert("FSNR", fsnr);
  for (int i = 0; i < 8; ++i) row.insert(values[i], first < 0 ? first - i : first + i);
  return row;
}

class StiffnessSection : public projecttest::ProjectSectionTest {
 protected:
  StiffnessSection() : ProjectSectionTest(instrument::ModelCode::T7310, QStringLiteral("t7310.txt")) {}
};

TEST_F(StiffnessSection, WritesRunLinesAndBinRowsAndReadsThemBack) {
  projecttest::createTables(T7310, {"RUN5", "RUN6"});
  projecttest::addRow("RUN5", runHeader(5, 1.5, 0.98, "06/01/2004", "10:20:30"));
  projecttest::addRow("RUN5", bin(1, 100, 1, 0, 12.5, 13));
  projecttest::addRow("RUN5", bin(2, 104, -1, 1, 9.25, 11));
  projecttest::addRow("RUN6", runHeader(6, 2.25, 1.02, "06/02/2004", "08:00:01"));

  EXPECT_EQ(save("RUN5 RUN6 ").toStdString(), testsupport::readData("projects/t7310_two_runs.txt").toStdString());
  expectReadBack("RUN5 RUN6 ");
}

TEST_F(StiffnessSection, ABinWithOneRatioKeepsTheOtherEmpty) {
  projecttest::createTables(T7310, {"RUN1"});
  projecttest::addRow("RUN1", runHeader(1, 1.5, 0.98, "06/01/2004", "10:00:00"));
  projecttest::addRow("RUN1", bin(1, 100, 1, 0, 7, QVariant()));
  EXPECT_TRUE(save("RUN1 ").contains(", 0, 0,    7   \r\n"));
  expectReadBack("RUN1 ");
}

// The runs after the twentieth share one table of run headers; it is known
// by its rows, whatever the gauge numbered its runs.
TEST_F(StiffnessSection, TheTableOfLaterRunsIsWrittenAsRunHeadersAndEndsTheSection) {
  projecttest::createTables(T7310, {"RUN121", "RUN122"});
  projecttest::addRow("RUN121", runHeader(121, 1.5, 0.98, "06/01/2004", "10:00:00", 121));
  projecttest::addRow("RUN121", runHeader(122, 2.5, 0.98, "06/01/2004", "10:01:00", 122));
  projecttest::addRow("RUN122", runHeader(122, 9.5, 0.98, "06/01/2004", "10:01:00"));
  EXPECT_EQ(save("RUN121 RUN122 "),
            QByteArray(" 3 \r\n"
                       "Run#,  121,Meas:, 1.5,CalFac:, 0.98,Date:, 06/01/2004,Time:, 10:00:00\r\n\r\n"
                       "Run#,  122,Meas:, 2.5,CalFac:, 0.98,Date:, 06/01/2004,Time:, 10:01:00\r\n\r\n"));
}

TEST_F(StiffnessSection, ARunWhoseHeaderNeverCameComesBackEmpty) {
  projecttest::createTables(T7310, {"RUN7"});
  EXPECT_EQ(save("RUN7 "), QByteArray(" 3 \r\nRun#,  7\r\n\r\n"));
  expectReadBack("RUN7 ");
}

}  // namespace
