#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "ReportTestSupport.h"
#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportPdfWriter.h"
#include "platform/report/ReportRtfWriter.h"
#include "support/FileSizeLimit.h"

using namespace platform;
using namespace reporttest;

namespace {

constexpr int Dpi = 72;  // one pixel is 20 twips

// Page `page` of a PDF as a grey image, through pdftoppm.
QImage pageImage(const QString& pdf, int page, const QString& prefix) {
  QProcess process;
  process.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(Dpi), QStringLiteral("-gray"),
                                             QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                             QString::number(page), QStringLiteral("-singlefile"), pdf, prefix});
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
  return QImage(prefix + QStringLiteral(".pgm"));
}


// Dark pixels inside a rectangle given in twips (shrunk by a margin so that
// neighbouring lines and frames do not count).
int inkIn(const QImage& image, const QRect& twips, int marginTwips = 40) {
  const QRect inner = twips.adjusted(marginTwips, marginTwips, -marginTwips, -marginTwips);
  const QRect pixels(inner.left() * Dpi / 1440, inner.top() * Dpi / 1440, inner.width() * Dpi / 1440,
                     inner.height() * Dpi / 1440);
  int dark = 0;
  for (int y = pixels.top(); y <= pixels.bottom(); ++y)
    for (int x = pixels.left(); x <= pixels.right(); ++x)
      if (image.valid(x, y) && qGray(image.pixel(x, y)) < 128) ++dark;
  return dark;
}

}  // namespace

TEST(ReportPdfWriter, TextStandsWhereItsObjectStands) {
  QTemporaryDir dir;
  auto report = ReportDefinitions::createReport();
  report->member(ReportNames::columnHeader(3)).SetText(QStringLiteral("WD"));
  report->member(ReportNames::columnData(3)).SetText(QStringLiteral("88888\r88888\r88888\r"));
  report->member(ReportNames::columnData(6)).SetText(QStringLiteral("88888\r88888\r88888\r"));
  report->member(ReportNames::columnData(6)).setSuppress(true);
  const RenderedReport laid = ReportLayout::layout(*report, fixedMoment());
  const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
  ASSERT_EQ(ReportPdfWriter::write(laid, pdf, 1, laid.pageCount()), ReportStatus::Ok);
  const QImage page = pageImage(pdf, 1, dir.filePath(QStringLiteral("page")));
  ASSERT_FALSE(page.isNull());
  EXPECT_EQ(page.size(), QSize(15840 / 20, 12240 / 20));  // landscape Letter, no margins
  const RenderedText shown = laid.textsOf(ReportNames::columnData(3), 1).first();
  EXPECT_GT(inkIn(page, shown.rect, 0), 30);
  // The same place one column further right holds only blanks.
  EXPECT_EQ(inkIn(page, shown.rect.translated(ReportDefinitions::columnWidth(4) + 60, 0)), 0);
  // A suppressed object leaves no ink.
  const QRect hidden(report->object(ReportNames::columnData(6))->left(), shown.rect.top(),
                     ReportDefinitions::columnWidth(6), shown.rect.height());
  EXPECT_EQ(inkIn(page, hidden), 0);
}

TEST(ReportPdfWriter, RightAlignedAndIndentedTextMovesItsInk) {
  QTemporaryDir dir;
  auto report = ReportDefinitions::createReport();
  const ObjectRef company = report->member(QStringLiteral("Company"));
  company.SetText(QStringLiteral("ACME"));
  company.setLeftIndent(1700);
  const RenderedReport indented = ReportLayout::layout(*report, fixedMoment());
  const QString pdf = dir.filePath(QStringLiteral("indent.pdf"));
  ASSERT_EQ(ReportPdfWriter::write(indented, pdf, 1, 1), ReportStatus::Ok);
  const QImage page = pageImage(pdf, 1, dir.filePath(QStringLiteral("indent")));
  const QRect box = indented.textsOf(QStringLiteral("Company"), 1).first().rect;
  EXPECT_EQ(inkIn(page, QRect(box.left(), box.top(), 1600, box.height()), 0), 0);
  EXPECT_GT(inkIn(page, QRect(box.left() + 1700, box.top(), 1500, box.height()), 0), 20);
  company.setHorAlignment(HorAlignment::Right);
  company.setRightIndent(0);
  const RenderedReport right = ReportLayout::layout(*report, fixedMoment());
  ASSERT_EQ(ReportPdfWriter::write(right, pdf, 1, 1), ReportStatus::Ok);
  const QImage moved = pageImage(pdf, 1, dir.filePath(QStringLiteral("right")));
  EXPECT_EQ(inkIn(moved, QRect(box.left() + 1700, box.top(), 1500, box.height()), 0), 0);
  EXPECT_GT(inkIn(moved, QRect(box.left() + box.width() - 1500, box.top(), 1500, box.height()), 0), 20);
}

TEST(ReportPdfWriter, PageRangeSelectsThePagesWritten) {
  QTemporaryDir dir;
  auto report = fourPageReport();
  const RenderedReport laid = ReportLayout::layout(*report, fixedMoment());
  ASSERT_EQ(laid.pageCount(), 4);
  const QString pdf = dir.filePath(QStringLiteral("range.pdf"));
  ASSERT_EQ(ReportPdfWriter::write(laid, pdf, 2, 3), ReportStatus::Ok);
  EXPECT_EQ(reporttest::pdfInfo(pdf, "Pages:"), QStringLiteral("2"));
  EXPECT_EQ(ReportPdfWriter::write(laid, dir.filePath(QStringLiteral("none.pdf")), 3, 2), ReportStatus::NoPages);
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("none.pdf"))));
  EXPECT_EQ(ReportPdfWriter::write(laid, dir.filePath(QStringLiteral("no/such/folder.pdf")), 1, 1),
            ReportStatus::FileError);
}

// Both writers on a full disk: a failure, and the previous file kept.
TEST(ReportPdfWriter, AFullDiskIsAFileErrorForBothWritersAndKeepsThePreviousFile) {
  QTemporaryDir dir;
  auto report = fourPageReport();
  const RenderedReport laid = ReportLayout::layout(*report, fixedMoment());
  for (const QString& name : {QStringLiteral("report.pdf"), QStringLiteral("report.rtf")}) {
    const QString path = dir.filePath(name);
    {
      QFile previous(path);
      ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
      previous.write("previous");
    }
    ReportStatus status = ReportStatus::Ok;
    {
      const testsupport::FileSizeLimit full(64);
      status = name.endsWith(QStringLiteral("pdf")) ? ReportPdfWriter::write(laid, path, 1, 1)
                                                    : ReportRtfWriter::write(laid, path, 1, 1);
    }
    EXPECT_EQ(status, ReportStatus::FileError) << name.toStdString();
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("previous")) << name.toStdString();
  }
}
