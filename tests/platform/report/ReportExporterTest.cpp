#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "ReportTestSupport.h"
#include "platform/report/ReportExporter.h"

using namespace platform;
using namespace reporttest;

namespace {

int countOf(const QByteArray& data, const QByteArray& what) {
  int count = 0;
  for (qsizetype at = data.indexOf(what); at >= 0; at = data.indexOf(what, at + 1)) ++count;
  return count;
}

class OpenerGuard {
 public:
  explicit OpenerGuard(ReportExporter::ApplicationOpener opener) { ReportExporter::setApplicationOpener(opener); }
  ~OpenerGuard() { ReportExporter::setApplicationOpener({}); }
};

}  // namespace

TEST(ReportExporter, DiskFileGetsTheFormatAndPageRangeOfTheOptions) {
  QTemporaryDir dir;
  auto report = fourPageReport();
  ReportExportOptions& options = report->exportOptions();
  options.destinationType = ExportDestination::DiskFile;
  options.formatType = ExportFormat::RichText;
  options.diskFileName = dir.filePath(QStringLiteral("raw.rtf"));
  options.rtfAllPages = false;
  options.rtfFirstPage = 2;
  options.rtfLastPage = 3;
  options.pdfAllPages = true;  // not used for rich text
  ASSERT_EQ(ReportExporter::exportReport(*report, fixedMoment()), ReportStatus::Ok);
  QFile rtf(options.diskFileName);
  ASSERT_TRUE(rtf.open(QIODevice::ReadOnly));
  const QByteArray written = rtf.readAll();
  EXPECT_TRUE(written.startsWith("{\\rtf1"));
  EXPECT_EQ(countOf(written, "\\page\\par\n"), 1);
  EXPECT_TRUE(written.contains("Page 2 of 4"));
  EXPECT_FALSE(written.contains("Page 4 of 4"));

  options.formatType = ExportFormat::Pdf;
  options.diskFileName = dir.filePath(QStringLiteral("raw.pdf"));
  ASSERT_EQ(ReportExporter::exportReport(*report, fixedMoment()), ReportStatus::Ok);
  QFile pdf(options.diskFileName);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
}

TEST(ReportExporter, RangesAreCutToTheReportAndEmptyRangesWriteNothing) {
  QTemporaryDir dir;
  auto report = fourPageReport();
  ReportExportOptions& options = report->exportOptions();
  options.formatType = ExportFormat::RichText;
  options.rtfAllPages = false;
  options.rtfFirstPage = 3;
  options.rtfLastPage = 99;
  options.diskFileName = dir.filePath(QStringLiteral("cut.rtf"));
  EXPECT_EQ(ReportExporter::exportReport(*report, fixedMoment()), ReportStatus::Ok);
  options.rtfFirstPage = 5;
  options.diskFileName = dir.filePath(QStringLiteral("none.rtf"));
  EXPECT_EQ(ReportExporter::exportReport(*report, fixedMoment()), ReportStatus::NoPages);
  EXPECT_FALSE(QFile::exists(options.diskFileName));
  options.formatType = 99;
  EXPECT_EQ(ReportExporter::exportReport(*report, fixedMoment()), ReportStatus::Refused);
}

TEST(ReportExporter, ApplicationDestinationOpensATemporaryFile) {
  QString opened;
  OpenerGuard guard([&](const QString& file) {
    opened = file;
    return true;
  });
  auto report = fourPageReport();
  ReportExportOptions& options = report->exportOptions();
  options.destinationType = ExportDestination::Application;
  options.formatType = ExportFormat::Pdf;
  options.diskFileName = QStringLiteral("/nowhere/not-used.pdf");
  ASSERT_EQ(ReportExporter::exportReport(*report, fixedMoment()), ReportStatus::Ok);
  ASSERT_FALSE(opened.isEmpty());
  EXPECT_TRUE(opened.endsWith(QStringLiteral(".pdf")));
  EXPECT_GT(QFileInfo(opened).size(), 1000);
  QFile::remove(opened);
}

TEST(ReportExporter, ApplicationThatCannotOpenIsAFailure) {
  OpenerGuard guard([](const QString& file) {
    QFile::remove(file);
    return false;
  });
  auto report = fourPageReport();
  report->exportOptions().destinationType = ExportDestination::Application;
  report->exportOptions().formatType = ExportFormat::RichText;
  EXPECT_EQ(ReportExporter::exportReport(*report, fixedMoment()), ReportStatus::FileError);
}
