#include "report/page/output/ReportPrintCommand.h"

#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/report/ReportNames.h"
#include "platform/report/ReportTestSupport.h"
#include "platform/ui/ReportViewer.h"
#include "platform/ui/ScriptedDialogs.h"
#include "report/builder/ReportDesigners.h"
#include "report/page/ReportTabPage.h"

namespace report {
namespace {

using platform::PaperOrientation::Landscape;
using platform::PaperOrientation::Portrait;

const QString PrintFailed = QStringLiteral("The report could not be printed.");

QString pdfText(const QString& pdf) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
  process.waitForFinished(60000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

class ReportPrintCommandTest : public ::testing::Test {
 protected:
  ReportPrintCommandTest() {
    designers.Report = reporttest::fourPageReport();  // portrait, four pages
    header(3).SetText(QStringLiteral("Col 2"));
    command.setColumnHiding([this](platform::ReportDesigner& report) {
      calls << "hide";
      report.member(platform::ReportNames::columnHeader(3)).setSuppress(true);
      return std::function<void()>([this, &report] {
        calls << "restore";
        report.member(platform::ReportNames::columnHeader(3)).setSuppress(false);
      });
    });
    platform::ReportPrinter::setDialogRunner([this](QPrinter& printer, int maximumPage, QWidget*) {
      calls << QStringLiteral("dialog %1").arg(maximumPage);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(output);
      printer.setFromTo(from, to);
      return !cancel;
    });
  }
  ~ReportPrintCommandTest() override { platform::ReportPrinter::setDialogRunner({}); }

  platform::ObjectRef header(int k) const { return designers.Report->member(platform::ReportNames::columnHeader(k)); }

  QTemporaryDir dir;
  QString output = dir.filePath(QStringLiteral("print.pdf"));
  int from = 0;
  int to = 0;
  bool cancel = false;
  QStringList calls;
  platform::ui::ScriptedDialogs dialogs;
  platform::ui::ScopedDialogSeam seam{dialogs};
  ReportTabPage page;
  ReportDesigners designers;
  instrument::ProgramState state;
  ReportPrintCommand command{designers, state, page};
};

TEST_F(ReportPrintCommandTest, RawDataPrintsWithoutFreeColumnsWhichShowAgainAfterwards) {
  command.CRViewer1_PrintButtonClicked();
  EXPECT_EQ(calls, (QStringList{"dialog 4", "hide", "restore"}));
  EXPECT_FALSE(header(3).suppress().value());
  EXPECT_FALSE(pdfText(output).contains(QStringLiteral("Col 2")));
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(ReportPrintCommandTest, EachModelPrintsInItsOrientationAndTheReportKeepsItsOwn) {
  for (const auto& [model, size] : {std::pair{0, "612 x 792"}, {1, "792 x 612"}, {3, "792 x 612"}}) {
    state.Model_Code = model;
    command.CRViewer1_PrintButtonClicked();
    EXPECT_TRUE(reporttest::pdfInfo(output, "Page size:").startsWith(QLatin1String(size))) << model;
    EXPECT_EQ(designers.Report->paperOrientation(), Portrait) << model;
  }
}

TEST_F(ReportPrintCommandTest, APageRangeNeedsBothPages) {
  const struct {
    int from, to;
    const char* pages;
  } cases[] = {{2, 3, "2"}, {0, 2, "4"}, {2, 0, "4"}, {4, 4, "1"}};
  for (const auto& c : cases) {
    from = c.from;
    to = c.to;
    command.CRViewer1_PrintButtonClicked();
    EXPECT_EQ(reporttest::pdfInfo(output, "Pages:"), QLatin1String(c.pages)) << c.from << " to " << c.to;
  }
}

TEST_F(ReportPrintCommandTest, AFailedPrintSaysSoAndStillShowsTheColumnsAgain) {
  output = dir.filePath(QStringLiteral("missing/print.pdf"));
  command.CRViewer1_PrintButtonClicked();
  EXPECT_EQ(calls, (QStringList{"dialog 4", "hide", "restore"}));
  EXPECT_FALSE(header(3).suppress().value());
  EXPECT_EQ(dialogs.messageTexts(), QStringList{PrintFailed});
}

TEST_F(ReportPrintCommandTest, CancelChangesNothing) {
  cancel = true;
  command.CRViewer1_PrintButtonClicked();
  EXPECT_EQ(calls, QStringList{"dialog 4"});
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_FALSE(QFile::exists(output));
}

TEST_F(ReportPrintCommandTest, TheStiffnessTabPrintsStiffyReportWithoutHiding) {
  state.Model_Code = 3;
  designers.StiffyReport->setPaperOrientation(Portrait);
  page.ReportTab->setCurrentIndex(1);
  command.CRViewer1_PrintButtonClicked();
  EXPECT_EQ(calls, QStringList{"dialog 1"});
  EXPECT_TRUE(reporttest::pdfInfo(output, "Page size:").startsWith(QLatin1String("792 x 612")));
  EXPECT_EQ(designers.StiffyReport->paperOrientation(), Portrait);
  EXPECT_TRUE(pdfText(output).contains(QStringLiteral("Cal. Factor:")));
}

// The report toggle can show the stiffness report on the raw-data tab.
TEST_F(ReportPrintCommandTest, TheReportTheToggleShowsIsTheOnePrinted) {
  state.Model_Code = 3;
  page.ReportTab->setCurrentIndex(0);
  page.CRViewer1[1]->setVisible(true);
  page.CRViewer1[0]->setVisible(false);
  command.CRViewer1_PrintButtonClicked();
  EXPECT_EQ(calls, QStringList{"dialog 1"});  // no free columns hidden: not the raw-data report
  EXPECT_TRUE(pdfText(output).contains(QStringLiteral("Cal. Factor:")));
}

}  // namespace
}  // namespace report
