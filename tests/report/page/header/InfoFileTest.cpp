#include "report/page/header/InfoFile.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "platform/core/ProgramFiles.h"
#include "platform/core/SettingsFile.h"
#include "report/page/header/CompanyInfoSave.h"
#include "support/TempProgramFolder.h"

namespace report {
namespace {

class InfoFileTest : public ::testing::Test {
 protected:
  QByteArray fileBytes() const {
    QFile file(folder.path(platform::ProgramFiles::CompanyInfo));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  void writeFile(const QByteArray& bytes) const {
    QFile file(folder.path(platform::ProgramFiles::CompanyInfo));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  static CompanyInfo filled() {
    CompanyInfo info;
    const char* texts[] = {"Acme Soils", "12 Main St", "Springfield", "555-0100",
                           "555-0101",   "lab@acme",   "Route 9",     "LX-44",    "J. Doe"};
    for (int i = 0; i < CInfoCount; ++i) info.CInfo[i] = QString::fromLatin1(texts[i]);
    return info;
  }

  testsupport::TempProgramFolder folder;
};

TEST_F(InfoFileTest, SaveWritesOneQuotedRecordOfTenItems) {
  CompanyInfo info = filled();
  QString title = QStringLiteral("Projects (site4.txt)");
  EXPECT_TRUE(Info_File(InfoFileSave, info, title));
  EXPECT_EQ(fileBytes(),
            QByteArray("\"Acme Soils\r12 Main St\rSpringfield\r555-0100\r555-0101\rlab@acme\r"
                       "Route 9\rLX-44\rJ. Doe\rProjects (site4.txt)\r\"\r\n"));
}

TEST_F(InfoFileTest, AllTextsEmpty) {
  CompanyInfo info;
  info.CInfo.fill(QString());
  QString title = QStringLiteral("T");
  Info_File(InfoFileSave, info, title);
  EXPECT_EQ(fileBytes(), QByteArray("\"\r\r\r\r\r\r\r\r\rT\r\"\r\n"));
}

TEST_F(InfoFileTest, LoadRestoresWhatWasSaved) {
  CompanyInfo saved = filled();
  QString savedTitle = QStringLiteral("Tests (Dwnld:1/2/26)");
  Info_File(InfoFileSave, saved, savedTitle);

  CompanyInfo loaded;
  QString title;
  EXPECT_TRUE(Info_File(InfoFileLoad, loaded, title));
  EXPECT_EQ(loaded.CInfo, saved.CInfo);
  EXPECT_EQ(title, savedTitle);
}

TEST_F(InfoFileTest, EmptyItemsAndMissingLinesKeepWhatTheyHad) {
  writeFile("\"New Co\r\r\r\r\r\r\rM-2\r");  // items 1 to 6 empty, file cut after item 7
  CompanyInfo info;
  QString title = QStringLiteral("old title");
  Info_File(InfoFileLoad, info, title);
  EXPECT_EQ(info.CInfo[CompanyName], QStringLiteral("New Co"));
  EXPECT_EQ(info.CInfo[FirstInfoLine], CInfoPlaceholder);
  EXPECT_EQ(info.CInfo[MachineNumber], QStringLiteral("M-2"));
  EXPECT_EQ(info.CInfo[TestedBy], CInfoPlaceholder);
  EXPECT_EQ(title, QStringLiteral("old title"));
}

// Only the record's own opening and closing quotes are dropped on load.
TEST_F(InfoFileTest, DoubleQuotesInsideTheTextsSurvive) {
  CompanyInfo info = filled();
  info.CInfo[CompanyName] = QStringLiteral("\"Acme\" Soils");
  info.CInfo[ProjectName] = QStringLiteral("Bridge \"A\", deck");
  QString title = QStringLiteral("Tests \"x\"");
  Info_File(InfoFileSave, info, title);
  CompanyInfo loaded;
  QString loadedTitle;
  Info_File(InfoFileLoad, loaded, loadedTitle);
  EXPECT_EQ(loaded.CInfo, info.CInfo);
  EXPECT_EQ(loadedTitle, title);
}


TEST_F(InfoFileTest, LineBreaksInsideATextDoNotShiftTheItems) {
  CompanyInfo info = filled();
  info.CInfo[CompanyName] = QStringLiteral("Acme\r\nSoils");
  QString title = QStringLiteral("Run Number (a.txt)");
  Info_File(InfoFileSave, info, title);
  CompanyInfo loaded;
  QString loadedTitle;
  Info_File(InfoFileLoad, loaded, loadedTitle);
  EXPECT_EQ(loaded.CInfo[CompanyName], QStringLiteral("Acme  Soils"));
  EXPECT_EQ(loaded.CInfo[TestedBy], QStringLiteral("J. Doe"));
  EXPECT_EQ(loadedTitle, title);
}

TEST_F(InfoFileTest, MissingFileAndOtherModesChangeNothing) {
  CompanyInfo info = filled();
  QString title = QStringLiteral("kept");
  EXPECT_FALSE(Info_File(InfoFileLoad, info, title));
  EXPECT_EQ(info.CInfo, filled().CInfo);
  EXPECT_EQ(title, QStringLiteral("kept"));
  EXPECT_FALSE(Info_File(2, info, title));
  EXPECT_FALSE(QFile::exists(folder.path(platform::ProgramFiles::CompanyInfo)));
}

TEST_F(InfoFileTest, ASaveThatCannotWriteFailsQuietly) {
  ASSERT_TRUE(QDir(folder.path(QStringLiteral("info"))).removeRecursively());
  CompanyInfo info = filled();
  QString title = QStringLiteral("new");
  EXPECT_FALSE(Info_File(InfoFileSave, info, title));
  EXPECT_FALSE(QFile::exists(folder.path(platform::ProgramFiles::CompanyInfo)));
}

// Only the user's own save may replace a file the program could not read.
TEST_F(InfoFileTest, AnOversizedFileOutlivesTheTitleSaveOfADownload) {
  const QByteArray oversized = "\"" + QByteArray(platform::SettingsFileLimit, 'A') + "\r\"\r\n";
  writeFile(oversized);
  CompanyInfo info;
  ReportFlags flags;
  QString title = QStringLiteral("old");
  EXPECT_FALSE(Info_File(InfoFileLoad, info, title));
  title = QStringLiteral("Projects (site4.txt)");
  saveDataSetTitle(nullptr, info, title, flags);
  EXPECT_EQ(fileBytes(), oversized);
  EXPECT_TRUE(Info_File(InfoFileSave, info, title));
  EXPECT_TRUE(saveDataSetTitle(nullptr, info, title, flags));
  EXPECT_TRUE(fileBytes().endsWith("Projects (site4.txt)\r\"\r\n"));
}

TEST_F(InfoFileTest, AHugeTextIsCutToWhatAReportCanShow) {
  writeFile("\"" + QByteArray(500000, 'N') + "\rStreet\r\"\r\n");
  CompanyInfo info;
  QString title;
  EXPECT_TRUE(Info_File(InfoFileLoad, info, title));
  EXPECT_LT(info.CInfo[CompanyName].size(), 1000);
  EXPECT_TRUE(info.CInfo[CompanyName].startsWith(QStringLiteral("NNNN")));
  EXPECT_EQ(info.CInfo[FirstInfoLine], QStringLiteral("Street"));
}

// The title of an open is stored; the texts cut on load stay whole in the
// file, and stay unsaved here.
TEST_F(InfoFileTest, TheTitleSaveOfAnOpenKeepsTextsCutOnLoadWholeInTheFile) {
  const QByteArray longText(300, 'N');
  writeFile("\"" + longText + "\rStreet\r\r\r\r\r\r\r\rOld title\r\"\r\n");
  CompanyInfo info;
  ReportFlags flags;
  flags.Info_Changed = true;
  QString title;
  ASSERT_TRUE(Info_File(InfoFileLoad, info, title));
  ASSERT_TRUE(info.textsCut);
  title = QStringLiteral("Projects (site4.txt)");
  EXPECT_TRUE(saveDataSetTitle(nullptr, info, title, flags));
  EXPECT_EQ(fileBytes(), "\"" + longText + "\rStreet\r\r\r\r\r\r\r\rProjects (site4.txt)\r\"\r\n");
  EXPECT_TRUE(flags.Info_Changed);

  CompanyInfo reloaded;
  QString reloadedTitle;
  ASSERT_TRUE(Info_File(InfoFileLoad, reloaded, reloadedTitle));
  EXPECT_EQ(reloadedTitle, title);
  EXPECT_EQ(reloaded.CInfo[FirstInfoLine], QStringLiteral("Street"));
}

}  // namespace
}  // namespace report
