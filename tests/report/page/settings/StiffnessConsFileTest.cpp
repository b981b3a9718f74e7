#include "report/page/settings/StiffnessConsFile.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <gtest/gtest.h>

#include "platform/core/ProgramFiles.h"
#include "platform/core/SettingsFile.h"
#include "support/TempProgramFolder.h"

namespace report {
namespace {

class StiffnessConsFileTest : public ::testing::Test {
 protected:
  QString filePath() const { return folder.path(platform::ProgramFiles::StiffnessConstants); }

  void writeFile(const QByteArray& text) {
    QFile file(filePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }

  QByteArray readFile() const {
    QFile file(filePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  static StiffnessConstants sample() { return {0.12, 1.234567, -0.35, 110.5, 0.0123, -2.5, 1770}; }

  testsupport::TempProgramFolder folder;
};

TEST_F(StiffnessConsFileTest, SaveWritesSevenKeyedLinesWithPointsWhateverTheLocale) {
  const QLocale previous;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  ASSERT_TRUE(saveStiffnessConstants(sample()));
  QLocale::setDefault(previous);
  EXPECT_EQ(readFile(),
            QByteArray("MeasMs = 0.12\r\nAssmas = 1.234567\r\nPoisra = -0.35\r\nDensit = 110.5\r\n"
                       "Slopes = 0.0123\r\nInterc = -2.5\r\nDensi2 = 1770\r\n"));
}

TEST_F(StiffnessConsFileTest, LoadKeepsEachConstantsDecimalsAndNegativeValues) {
  ASSERT_TRUE(saveStiffnessConstants(sample()));
  StiffnessConstants loaded;
  EXPECT_EQ(loadStiffnessConstants(loaded).outcome, StiffnessConsLoad::Loaded);
  EXPECT_DOUBLE_EQ(loaded.MeasMs, 0.12);
  EXPECT_DOUBLE_EQ(loaded.Assmas, 1.2346);  // four decimals
  EXPECT_DOUBLE_EQ(loaded.Poisra, -0.35);
  EXPECT_DOUBLE_EQ(loaded.Interc, -2.5);
  EXPECT_DOUBLE_EQ(loaded.Densi2, 1770);
}

TEST_F(StiffnessConsFileTest, AnEmptyOrMissingLineSetsAllSevenToZeroAndNamesWhatIsMissing) {
  StiffnessConstants constants = sample();
  writeFile("MeasMs = 0.5\r\nAssmas = 2\r\nPoisra = 0.3\r\n\r\nSlopes = 1\r\nInterc = 1\r\nDensi2 = 1\r\n");
  StiffnessConsLoad result = loadStiffnessConstants(constants);
  EXPECT_EQ(result.outcome, StiffnessConsLoad::Defaulted);
  EXPECT_EQ(result.missingKeys, (QStringList{"Densit", "Slopes", "Interc", "Densi2"}));
  EXPECT_DOUBLE_EQ(constants.MeasMs, 0);
  EXPECT_DOUBLE_EQ(constants.Poisra, 0);

  // A short file must not repeat its last line into the constants after it.
  constants = sample();
  writeFile("MeasMs = 0.5\r\nAssmas = 2\r\n");
  result = loadStiffnessConstants(constants);
  EXPECT_EQ(result.outcome, StiffnessConsLoad::Defaulted);
  EXPECT_EQ(result.missingKeys, (QStringList{"Poisra", "Densit", "Slopes", "Interc", "Densi2"}));
  EXPECT_DOUBLE_EQ(constants.Assmas, 0);
  EXPECT_DOUBLE_EQ(constants.Poisra, 0);
}

TEST_F(StiffnessConsFileTest, LinesEndAtCrLfLfOrCrAlone) {
  for (const QByteArray end : {QByteArray("\r"), QByteArray("\n"), QByteArray("\r\n")}) {
    StiffnessConstants constants;
    QByteArray text = stiffnessConstantsFileText(sample());
    text.replace("\r\n", end);
    writeFile(text);
    EXPECT_EQ(loadStiffnessConstants(constants).outcome, StiffnessConsLoad::Loaded) << end.toHex().constData();
    EXPECT_DOUBLE_EQ(constants.MeasMs, 0.12);
    EXPECT_DOUBLE_EQ(constants.Densi2, 1770);
  }
}

// The user is asked for the constants, rather than given seven zeros.
TEST_F(StiffnessConsFileTest, AnEmptyOrUnreadableFileCountsAsMissing) {
  StiffnessConstants constants = sample();
  for (const QByteArray& text : {QByteArray(), QByteArray("\r\n \r\n")}) {
    writeFile(text);
    EXPECT_EQ(loadStiffnessConstants(constants).outcome, StiffnessConsLoad::Missing);
  }
  writeFile(stiffnessConstantsFileText(sample()) + QByteArray(platform::SettingsFileLimit, ' '));
  const StiffnessConsLoad result = loadStiffnessConstants(constants);
  EXPECT_EQ(result.outcome, StiffnessConsLoad::Missing);
  EXPECT_FALSE(result.unreadable.isEmpty());
  EXPECT_DOUBLE_EQ(constants.Assmas, sample().Assmas);
}

TEST_F(StiffnessConsFileTest, AnUnknownKeyUsesUpOneOfTheSevenLines) {
  StiffnessConstants constants;
  writeFile("Unknow = 9\r\nMeasMs = 0.5\r\nAssmas = 2\r\nPoisra = 0.3\r\nDensit = 4\r\n"
            "Slopes = 5\r\nInterc = 6\r\nDensi2 = 7\r\n");
  const StiffnessConsLoad result = loadStiffnessConstants(constants);
  EXPECT_EQ(result.outcome, StiffnessConsLoad::Loaded);
  EXPECT_EQ(result.missingKeys, QStringList{"Densi2"});
  EXPECT_DOUBLE_EQ(constants.Interc, 6);
  EXPECT_DOUBLE_EQ(constants.Densi2, 0);  // its line is the eighth
}

TEST_F(StiffnessConsFileTest, AValueThatIsNoNumberKeepsThePreviousOneAndIsNamed) {
  StiffnessConstants constants = sample();
  writeFile("MeasMs = abc\r\nAssmas = 2\r\nPoisra = 0.3x\r\nDensit = 4\r\n"
            "Slopes = 5\r\nInterc = 6\r\nDensi2 = 7\r\n");
  const StiffnessConsLoad result = loadStiffnessConstants(constants);
  EXPECT_EQ(result.unreadKeys, (QStringList{"MeasMs", "Poisra"}));
  EXPECT_DOUBLE_EQ(constants.MeasMs, 0.12);
  EXPECT_DOUBLE_EQ(constants.Poisra, -0.35);
  EXPECT_DOUBLE_EQ(constants.Assmas, 2);
}

TEST_F(StiffnessConsFileTest, ADecimalCommaOfAnOlderInstallationReadsAsAPoint) {
  double value = 0;
  EXPECT_TRUE(parseStiffnessConstant(QStringLiteral("0,12"), value));
  EXPECT_DOUBLE_EQ(value, 0.12);
  EXPECT_TRUE(parseStiffnessConstant(QStringLiteral("-1,5"), value));
  EXPECT_DOUBLE_EQ(value, -1.5);
  for (const char* refused : {"1,2,3", "1,000.5", "1.2.3", "", "inf", "1e999"})
    EXPECT_FALSE(parseStiffnessConstant(QString::fromLatin1(refused), value)) << refused;

  StiffnessConstants constants;
  writeFile("MeasMs = 0,12\r\nAssmas = 2,5\r\nPoisra = 0.3\r\nDensit = 4\r\n"
            "Slopes = 5\r\nInterc = 6\r\nDensi2 = 7\r\n");
  loadStiffnessConstants(constants);
  EXPECT_DOUBLE_EQ(constants.MeasMs, 0.12);
  EXPECT_DOUBLE_EQ(constants.Assmas, 2.5);
}

TEST_F(StiffnessConsFileTest, AFailedSaveIsReportedNotSaved) {
  // A folder in the file's place cannot be replaced by the renamed file.
  ASSERT_TRUE(QDir(folder.root()).mkpath(platform::ProgramFiles::StiffnessConstants + "/kept"));
  QString error;
  EXPECT_FALSE(saveStiffnessConstants(sample(), &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_TRUE(QDir(filePath() + "/kept").exists());
}

}  // namespace
}  // namespace report
