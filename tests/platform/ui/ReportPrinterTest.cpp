#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "../report/ReportTestSupport.h"
#include "platform/report/ReportDefinitions.h"
#include "platform/ui/ReportPrinter.h"

using namespace platform;
using namespace reporttest;

namespace {

void printToPdf(ReportPrinter& printer, const QString& file) {
  printer.printer().setOutputFormat(QPrinter::PdfFormat);
  printer.printer().setOutputFileName(file);
}

// The "Page n of m" of every page of a PDF, in order.
QStringList pageLabels(const QString& pdf) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  process.waitForFinished(60000);
  QStringList labels;
  const QString text = QString::fromUtf8(process.readAllStandardOutput());
  for (const QString& page : text.split(QLatin1Char('\f'), Qt::SkipEmptyParts)) {
    const auto match = QRegularExpression(QStringLiteral("Page \\d+ of \\d+")).match(page);
    if (match.hasMatch()) labels.append(match.captured());
  }
  return labels;
}

using reporttest::pdfInfo;

class DialogGuard {
 public:
  explicit DialogGuard(ReportPrinter::DialogRunner runner) { ReportPrinter::setDialogRunner(std::move(runner)); }
  ~DialogGuard() { ReportPrinter::setDialogRunner({}); }
};

}  // namespace

TEST(ReportPrinter, PrintsThePageRangeCollatedOrPageByPage) {
  QTemporaryDir dir;
  auto report = fourPageReport();
  ReportPrinter collated;
  printToPdf(collated, dir.filePath(QStringLiteral("collated.pdf")));
  ASSERT_EQ(collated.printOut(*report, 2, true, 2, 3, fixedMoment()), ReportStatus::Ok);
  EXPECT_EQ(pageLabels(dir.filePath(QStringLiteral("collated.pdf"))),
            QStringList({"Page 2 of 4", "Page 3 of 4", "Page 2 of 4", "Page 3 of 4"}));
  ReportPrinter uncollated;
  printToPdf(uncollated, dir.filePath(QStringLiteral("uncollated.pdf")));
  ASSERT_EQ(uncollated.printOut(*report, 2, false, 2, 3, fixedMoment()), ReportStatus::Ok);
  EXPECT_EQ(pageLabels(dir.filePath(QStringLiteral("uncollated.pdf"))),
            QStringList({"Page 2 of 4", "Page 2 of 4", "Page 3 of 4", "Page 3 of 4"}));
}

TEST(ReportPrinter, NoRangePrintsEveryPageInTheDesignersOrientation) {
  QTemporaryDir dir;
  auto report = fourPageReport();
  ReportPrinter printer;
  const QString file = dir.filePath(QStringLiteral("all.pdf"));
  printToPdf(printer, file);
  ASSERT_EQ(printer.printOut(*report, 1, true, 0, 0, fixedMoment()), ReportStatus::Ok);
  EXPECT_EQ(pdfInfo(file, "Pages:"), QStringLiteral("4"));
  EXPECT_TRUE(pdfInfo(file, "Page size:").startsWith(QStringLiteral("612 x 792")));
  auto landscape = ReportDefinitions::createReport();
  ASSERT_EQ(printer.printOut(*landscape, 1, true, 0, 0, fixedMoment()), ReportStatus::Ok);
  EXPECT_TRUE(pdfInfo(file, "Page size:").startsWith(QStringLiteral("792 x 612")));
  EXPECT_EQ(printer.printOut(*report, 1, true, 5, 9, fixedMoment()), ReportStatus::NoPages);
}

TEST(ReportPrinter, DialogChoicesAreReadBack) {
  DialogGuard guard([](QPrinter& printer, int maximumPage, QWidget*) {
    EXPECT_EQ(maximumPage, 3);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    printer.setCopyCount(2);
    printer.setCollateCopies(false);
    return true;
  });
  ReportPrinter printer;
  ASSERT_TRUE(printer.showPrintDialog(3));
  EXPECT_EQ(printer.fromPage(), 2);
  EXPECT_EQ(printer.toPage(), 3);
  EXPECT_EQ(printer.copies(), 2);
  EXPECT_FALSE(printer.collated());
  DialogGuard cancel([](QPrinter&, int, QWidget*) { return false; });
  EXPECT_FALSE(printer.showPrintDialog(0));
}
