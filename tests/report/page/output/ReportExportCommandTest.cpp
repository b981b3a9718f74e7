#include "report/page/output/ReportExportCommand.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "instrument/writeout.h"
#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportExporter.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportNames.h"
#include "platform/report/ReportTestSupport.h"
#include "platform/ui/ReportViewer.h"
#include "platform/ui/ScriptedDialogs.h"
#include "report/builder/ReportDesigners.h"
#include "report/page/output/ExportForm.h"
#include "report/page/output/ReportOutputCommands.h"
#include "report/page/ReportTabPage.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

namespace report {
namespace {

std::string fileText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("<missing>");
}

int countOf(const std::string& text, const std::string& what) {
  int count = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

class ReportExportCommandTest : public ::testing::Test {
 protected:
  ReportExportCommandTest() {
    designers.Report = reporttest::fourPageReport();
    // A stiffness report of several pages: a long bin column.
    designers.StiffyReport->member(QStringLiteral("StiffyBinNumber")).SetText(reporttest::numberLines(1, 150));
    state.Last_Path = out.path();
    command.setTableList([this] { return tables; });
    platform::ReportExporter::setApplicationOpener([this](const QString& file) {
      opened << file;
      return true;
    });
  }
  ~ReportExportCommandTest() override { platform::ReportExporter::setApplicationOpener({}); }

  void openProject(const char* file, qint32 model, const QString& table) {
    instrument::writeout reader;
    const std::optional<QString> list = reader.Get_tables(testsupport::dataPath(QLatin1String(file)), QString());
    ASSERT_TRUE(list.has_value());
    tables = *list;
    state.Model_Code = model;
    state.Table_Name = table;
  }
  void choose(const QString& format, const QString& what, const QString& range = ExportChoice::All) {
    Export_Choices& c = command.choices();
    c.Export_Destination = ExportChoice::Disk;
    c.Export_Format = format;
    c.Export_What = what;
    c.Export_Range = range;
    c.Export_Raw_File = path("raw." + format.toLower());
    c.Export_Stiff_File = path("stiff." + format.toLower());
  }
  QString path(const QString& name) const { return out.filePath(name); }

  testsupport::TempProgramFolder folder;
  QTemporaryDir out;
  platform::ui::ScriptedDialogs dialogs;
  platform::ui::ScopedDialogSeam seam{dialogs};
  ReportTabPage page;
  ReportDesigners designers;
  instrument::ProgramState state;
  QString tables;
  QStringList opened;
  ReportExportCommand command{designers, state, page};
};

TEST_F(ReportExportCommandTest, TheDialogsCsvIsTheSelectedTablesRawDataByteForByte) {
  openProject("independent/n2600a_project.txt", 1, QStringLiteral("ROAD"));
  command.Export_Click();
  ASSERT_NE(command.exportForm(), nullptr);
  command.exportForm()->ExportOk_Click();
  EXPECT_EQ(command.exportForm(), nullptr);
  EXPECT_EQ(fileText(path("DataRaw.csv")), testsupport::readData("independent/n2600a_export.csv").toStdString());
  EXPECT_TRUE(dialogs.messages.isEmpty());

  // The viewer's own button repeats the choices, but only the dialog's export
  // writes the gauge's comma-separated layout.
  command.viewerExportClicked(0);
  EXPECT_NE(fileText(path("DataRaw.csv")), testsupport::readData("independent/n2600a_export.csv").toStdString());
}

TEST_F(ReportExportCommandTest, ExportNeedsATableAndOpensOneDialogAtATime) {
  command.Export_Click();
  EXPECT_EQ(command.exportForm(), nullptr);
  state.Table_Name = QStringLiteral("ROAD");
  command.viewerExportClicked(0);  // no choices yet: the dialog asks for them
  ExportForm* form = command.exportForm();
  ASSERT_NE(form, nullptr);
  command.Export_Click();
  EXPECT_EQ(command.exportForm(), form);
  form->close();  // neither OK nor Cancel: nothing is exported
  EXPECT_FALSE(command.choices().Export_Confirmed);
  EXPECT_FALSE(QFile::exists(path("DataRaw.csv")));
}

TEST_F(ReportExportCommandTest, APdfRangeGoesToEveryReportOfAStiffnessRun) {
  state.Model_Code = 3;
  choose(ExportChoice::Pdf, ExportChoice::All, ExportChoice::Range);
  command.choices().Export_Range_Start = QStringLiteral("2");
  command.choices().Export_Range_End = QStringLiteral("3");
  ASSERT_TRUE(command.CRViewer1_ExportButtonClicked(0));
  EXPECT_EQ(reporttest::pdfInfo(path("raw.pdf"), "Pages:"), QStringLiteral("2"));
  EXPECT_EQ(reporttest::pdfInfo(path("stiff.pdf"), "Pages:"), QStringLiteral("2"));
  EXPECT_TRUE(designers.Report->exportOptions().rtfAllPages);

  state.Model_Code = 2;  // other models export only the raw data report
  QFile::remove(path("stiff.pdf"));
  ASSERT_TRUE(command.CRViewer1_ExportButtonClicked(0));
  EXPECT_FALSE(QFile::exists(path("stiff.pdf")));
}

TEST_F(ReportExportCommandTest, RichTextOfTheShownReportReadsBack) {
  state.Model_Code = 3;
  page.ReportTab->setCurrentIndex(1);
  choose(ExportChoice::Rtf, ExportChoice::Current);
  ASSERT_TRUE(command.CRViewer1_ExportButtonClicked(1));
  EXPECT_FALSE(QFile::exists(path("raw.rtf")));
  const std::string rtf = fileText(path("stiff.rtf"));
  EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
  EXPECT_EQ(rtf.find_last_not_of("\r\n"), rtf.rfind('}'));
  EXPECT_EQ(countOf(rtf, "{"), countOf(rtf, "}"));
  const int pages = platform::ReportLayout::layout(*designers.StiffyReport).pageCount();
  EXPECT_GT(pages, 1);
  EXPECT_EQ(countOf(rtf, "\\page\\par"), pages - 1);
  EXPECT_NE(rtf.find("150"), std::string::npos);
  EXPECT_NE(rtf.find("Cal. Factor:"), std::string::npos);
}

TEST_F(ReportExportCommandTest, TheReportTheToggleShowsIsTheOneExported) {
  state.Model_Code = 3;
  page.ReportTab->setCurrentIndex(0);
  page.CRViewer1[1]->setVisible(true);  // the toggle's stiffness report over the raw-data tab
  page.CRViewer1[0]->setVisible(false);
  choose(ExportChoice::Rtf, ExportChoice::Current);
  ASSERT_TRUE(command.CRViewer1_ExportButtonClicked(1));
  EXPECT_FALSE(QFile::exists(path("raw.rtf")));
  EXPECT_NE(fileText(path("stiff.rtf")).find("Cal. Factor:"), std::string::npos);
}

TEST_F(ReportExportCommandTest, AnApplicationGetsTheExportAndTheFileNamesStay) {
  designers.Report->exportOptions().diskFileName = path("older.pdf");
  choose(ExportChoice::Pdf, ExportChoice::Current);
  command.choices().Export_Destination = ExportChoice::Application;
  ASSERT_TRUE(command.CRViewer1_ExportButtonClicked(0));
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(reporttest::pdfInfo(opened[0], "Pages:"), QStringLiteral("4"));
  EXPECT_EQ(designers.Report->exportOptions().diskFileName, path("older.pdf"));
  QFile::remove(opened[0]);
}

TEST_F(ReportExportCommandTest, TheStiffnessCsvComesFirstAndItsFailureKeepsTheRawData) {
  openProject("independent/t7310_project.txt", 3, QStringLiteral("RUN6"));
  designers.StiffyReport->member(QStringLiteral("StiffyRunNumber")).SetText(QStringLiteral("6"));
  choose(ExportChoice::Csv, ExportChoice::All);
  ASSERT_TRUE(command.CRViewer1_ExportButtonClicked(0));
  EXPECT_EQ(fileText(path("stiff.csv")).rfind("RUN#:  6   MEAS:", 0), 0u);
  EXPECT_EQ(fileText(path("raw.csv")),
            " 3 \r\nRun#,  6,Meas:, 2,CalFac:, 1.02,Date:, 06/02/2004,Time:, 08:00:00\r\n\r\n");

  QFile::remove(path("raw.csv"));
  command.choices().Export_Stiff_File = path("missing/stiff.csv");
  EXPECT_FALSE(command.CRViewer1_ExportButtonClicked(0));
  ASSERT_EQ(dialogs.messageTexts().size(), 1);
  EXPECT_TRUE(dialogs.messageTexts()[0].startsWith("The stiffness data could not be exported to " +
                                                   path("missing/stiff.csv") + ": "))
      << dialogs.messageTexts()[0].toStdString();
  EXPECT_TRUE(QFile::exists(path("raw.csv")));
}

// A link to a pipe in the stiffness CSV's place: the refusal names the file
// and why, rather than asking for a file to be closed.
TEST_F(ReportExportCommandTest, AStiffnessCsvRefusedNamesTheFileAndWhy) {
  openProject("independent/t7310_project.txt", 3, QStringLiteral("RUN6"));
  choose(ExportChoice::Csv, ExportChoice::All);
  ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
  ASSERT_TRUE(QFile::link(path("pipe"), path("stiff.csv")));
  EXPECT_FALSE(command.CRViewer1_ExportButtonClicked(0));
  ASSERT_EQ(dialogs.messageTexts().size(), 1);
  EXPECT_EQ(dialogs.messageTexts()[0], "The stiffness data could not be exported to " + path("stiff.csv") + ": " +
                                           path("stiff.csv") + " is a symbolic link: " + path("pipe") +
                                           " is no regular file (a folder, a device, a pipe or a socket).");
}

TEST_F(ReportExportCommandTest, TheViewersButtonNamesTheFilesItWrote) {
  QStringList notices;
  command.setFilesWrittenNotice([&](const QString& text) { notices << text; });
  state.Model_Code = 3;
  choose(ExportChoice::Pdf, ExportChoice::All);
  command.viewerExportClicked(0);  // the last choices, no dialog
  EXPECT_EQ(command.exportForm(), nullptr);
  ASSERT_EQ(notices.size(), 1);
  EXPECT_EQ(notices[0], "Status: Exported to " + QDir::toNativeSeparators(path("raw.pdf")) + ", " +
                            QDir::toNativeSeparators(path("stiff.pdf")));

  command.choices().Export_Stiff_File = path("missing/stiff.pdf");  // the raw report is still written
  command.viewerExportClicked(0);
  EXPECT_EQ(notices.value(1), "Status: Exported to " + QDir::toNativeSeparators(path("raw.pdf")));
}

TEST_F(ReportExportCommandTest, AFailedExportSaysSo) {
  choose(ExportChoice::Pdf, ExportChoice::Current);
  command.choices().Export_Raw_File = path("missing/raw.pdf");
  EXPECT_FALSE(command.CRViewer1_ExportButtonClicked(0));
  choose(ExportChoice::Csv, ExportChoice::Current);
  command.choices().Export_Raw_File = path("missing/raw.csv");
  EXPECT_FALSE(command.CRViewer1_ExportButtonClicked(0));
  ASSERT_EQ(dialogs.messageTexts().size(), 2);
  EXPECT_EQ(dialogs.messageTexts()[0], "The report could not be exported to " + path("missing/raw.pdf") + ".");
  EXPECT_TRUE(dialogs.messageTexts()[1].contains(path("missing/raw.csv")));
}

// Export leaves the free columns out as printing does: the files show the
// printout's heading, and the report on screen keeps its placeholders.
TEST_F(ReportExportCommandTest, ExportsLeaveOutTheFreeColumnsAsThePrintoutDoes) {
  namespace names = platform::ReportNames;
  designers.Report = platform::ReportDefinitions::createReport();
  designers.Report->member(names::columnHeader(2)).SetText(QStringLiteral("Remarks"));
  designers.Report->member(names::columnData(1)).SetText(reporttest::numberLines(1, 3));
  ReportOutputCommands output{designers, state, page};
  choose(ExportChoice::Pdf, ExportChoice::Current);
  output.exporting().choices() = command.choices();
  ASSERT_TRUE(output.exporting().CRViewer1_ExportButtonClicked(0));
  choose(ExportChoice::Rtf, ExportChoice::Current);
  output.exporting().choices() = command.choices();
  ASSERT_TRUE(output.exporting().CRViewer1_ExportButtonClicked(0));
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path("raw.pdf"), QStringLiteral("-")});
  ASSERT_TRUE(pdftotext.waitForFinished(60000));
  const QString pdf = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
  EXPECT_TRUE(pdf.contains(QStringLiteral("RD# Remarks"))) << pdf.toStdString();
  const std::string rtf = fileText(path("raw.rtf"));
  EXPECT_NE(rtf.find("Remarks"), std::string::npos);
  for (int k = 3; k <= 19; ++k) {
    const QString placeholder = QStringLiteral("Col %1").arg(k - 1);
    EXPECT_FALSE(pdf.contains(placeholder)) << k;
    EXPECT_EQ(rtf.find(placeholder.toStdString()), std::string::npos) << k;
    EXPECT_FALSE(designers.Report->member(names::columnHeader(k)).suppress().value_or(true)) << k;
  }
}

TEST_F(ReportExportCommandTest, ThePagesButtonsReachPrintAndExport) {
  ReportOutputCommands output{designers, state, page};
  page.CRViewer1[0]->setReportSource(designers.Report.get());
  page.CRViewer1[1]->setReportSource(designers.StiffyReport.get());
  for (platform::ReportViewer* viewer : page.CRViewer1) viewer->viewReport();
  int printDialogs = 0;
  platform::ReportPrinter::setDialogRunner([&](QPrinter&, int, QWidget*) { return ++printDialogs < 0; });
  emit page.CRViewer1[0]->printButtonClicked();
  emit page.CRViewer1[1]->printButtonClicked();
  platform::ReportPrinter::setDialogRunner({});
  EXPECT_EQ(printDialogs, 2);
  state.Table_Name = QStringLiteral("ROAD");
  emit page.CRViewer1[1]->exportButtonClicked();
  ASSERT_NE(output.exporting().exportForm(), nullptr);
  output.exporting().exportForm()->close();
  page.Export->click();
  EXPECT_NE(output.exporting().exportForm(), nullptr);
}

}  // namespace
}  // namespace report
