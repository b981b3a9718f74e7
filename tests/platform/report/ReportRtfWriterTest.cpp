#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "ReportTestSupport.h"
#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportRtfWriter.h"

using namespace platform;
using namespace reporttest;

namespace {

// A reader for the rich text written here: the texts of its frames (one
// string per frame, lines joined by '\r') and the number of page breaks.
struct ParsedRtf {
  QStringList frames;
  int pageBreaks = 0;
};

ParsedRtf parseRtf(const QByteArray& rtf) {
  ParsedRtf parsed;
  QString current;
  bool inFrame = false;
  int depth = 0;
  int frameDepth = -1;
  int skipDepth = -1;
  for (int i = 0; i < rtf.size(); ++i) {
    const char c = rtf.at(i);
    if (c == '{') {
      ++depth;
      if (rtf.mid(i, 7) == "{\\pard\\" && !inFrame) {
        inFrame = true;
        frameDepth = depth;
        current.clear();
      } else if (rtf.mid(i, 6) == "{\\pict") {
        skipDepth = depth;
      }
      continue;
    }
    if (c == '}') {
      if (depth == skipDepth) skipDepth = -1;
      if (inFrame && depth == frameDepth) {
        parsed.frames.append(current);
        inFrame = false;
      }
      --depth;
      continue;
    }
    if (skipDepth >= 0) continue;
    if (c == '\\') {
      const char next = rtf.at(i + 1);
      if (next == '\\' || next == '{' || next == '}') {
        if (inFrame) current += QLatin1Char(next);
        ++i;
        continue;
      }
      int j = i + 1;
      while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf.at(j)))) ++j;
      const QByteArray word = rtf.mid(i + 1, j - i - 1);
      int k = j;
      if (k < rtf.size() && (rtf.at(k) == '-' || std::isdigit(static_cast<unsigned char>(rtf.at(k))))) ++k;
      while (k < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf.at(k)))) ++k;
      const int argument = rtf.mid(j, k - j).toInt();
      if (k < rtf.size() && rtf.at(k) == ' ') ++k;
      if (word == "u") {
        if (inFrame) current += QChar(static_cast<char16_t>(static_cast<qint16>(argument)));
        if (k < rtf.size() && rtf.at(k) == '?') ++k;
      } else if (word == "line" && inFrame) {
        current += QLatin1Char('\r');
      } else if (word == "tab" && inFrame) {
        current += QLatin1Char('\t');
      } else if (word == "page") {
        ++parsed.pageBreaks;
      }
      i = k - 1;
      continue;
    }
    if (c == '\n' || c == '\r') continue;
    if (inFrame) current += QLatin1Char(c);
  }
  return parsed;
}

}  // namespace

TEST(ReportRtfWriter, TextsParseBackWithSpecialCharacters) {
  auto report = ReportDefinitions::createReport();
  const QString company = QStringLiteral("Lab {North} \\ Süd – µ-Test 😀");
  const QString info = QStringLiteral(" 12 Main St.\rC:\\data\\{x}\rTel.\t555\r");
  report->member(QStringLiteral("Company")).SetText(company);
  report->member(QStringLiteral("Companyinfo")).SetText(info);
  report->member(ReportNames::columnData(2)).SetText(QStringLiteral("1.5\r2.5\r"));
  const RenderedReport laid = ReportLayout::layout(*report, fixedMoment());
  const QByteArray rtf = ReportRtfWriter::toRtf(laid, 1, laid.pageCount());
  for (char c : rtf) EXPECT_LT(static_cast<unsigned char>(c), 0x80);
  const ParsedRtf parsed = parseRtf(rtf);
  EXPECT_TRUE(parsed.frames.contains(company));
  EXPECT_TRUE(parsed.frames.contains(QStringLiteral(" 12 Main St.\rC:\\data\\{x}\rTel.\t555")));
  EXPECT_TRUE(parsed.frames.contains(QStringLiteral("1.5\r2.5")));
  EXPECT_TRUE(parsed.frames.contains(QStringLiteral("Page 1 of 1")));
  EXPECT_TRUE(rtf.contains("\\paperw15840\\paperh12240"));
  EXPECT_TRUE(rtf.contains("\\landscape"));
}

TEST(ReportRtfWriter, FramesSitWhereTheObjectsStand) {
  auto report = ReportDefinitions::createReport();
  report->member(ReportNames::columnData(4)).SetText(QStringLiteral("77\r"));
  const RenderedReport laid = ReportLayout::layout(*report, fixedMoment());
  const RenderedText shown = laid.textsOf(ReportNames::columnData(4), 1).first();
  const QByteArray rtf = ReportRtfWriter::toRtf(laid, 1, 1);
  const QByteArray position = "\\posx" + QByteArray::number(shown.rect.left()) + "\\posy" +
                              QByteArray::number(shown.rect.top()) + "\\absw" + QByteArray::number(shown.rect.width());
  EXPECT_TRUE(rtf.contains(position));
  EXPECT_TRUE(rtf.contains("\\qc"));
}

TEST(ReportRtfWriter, PageRangeWritesThosePagesWithBreaksBetween) {
  QTemporaryDir dir;
  auto report = fourPageReport();
  const RenderedReport laid = ReportLayout::layout(*report, fixedMoment());
  const QString file = dir.filePath(QStringLiteral("range.rtf"));
  ASSERT_EQ(ReportRtfWriter::write(laid, file, 2, 4), ReportStatus::Ok);
  QFile written(file);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  const ParsedRtf parsed = parseRtf(written.readAll());
  EXPECT_EQ(parsed.pageBreaks, 2);
  EXPECT_TRUE(parsed.frames.contains(numberLines(51, 100).chopped(1)));
  EXPECT_FALSE(parsed.frames.contains(numberLines(1, 50).chopped(1)));
  EXPECT_TRUE(parsed.frames.contains(QStringLiteral("Page 2 of 4")));
  EXPECT_FALSE(parsed.frames.contains(QStringLiteral("Page 1 of 4")));
  EXPECT_EQ(ReportRtfWriter::write(laid, file, 5, 5), ReportStatus::NoPages);
}

TEST(ReportRtfWriter, PageBreaksEndTheirOwnParagraphAndStrayRangesAreCut) {
  const RenderedReport laid = ReportLayout::layout(*fourPageReport(), fixedMoment());
  const QByteArray rtf = ReportRtfWriter::toRtf(laid, 0, 99);
  EXPECT_EQ(parseRtf(rtf).pageBreaks, 3);
  // Every break is a paragraph of its own, closed before the next page's
  // first frame opens, so the break never lands inside a positioned frame.
  for (qsizetype at = rtf.indexOf("\\page"); at >= 0; at = rtf.indexOf("\\page", at + 1))
    EXPECT_EQ(rtf.mid(at, 10), QByteArray("\\page\\par\n")) << at;
  EXPECT_TRUE(parseRtf(ReportRtfWriter::toRtf(laid, 5, 9)).frames.isEmpty());
}

TEST(ReportRtfWriter, EscapesTheCharactersRichTextReserves) {
  EXPECT_EQ(ReportRtfWriter::escape(QStringLiteral("a\\b{c}d")), QByteArray("a\\\\b\\{c\\}d"));
  EXPECT_EQ(ReportRtfWriter::escape(QStringLiteral("é")), QByteArray("\\u233?"));
  EXPECT_EQ(ReportRtfWriter::escape(QString(QChar(0x20AC))), QByteArray("\\u8364?"));
  EXPECT_EQ(ReportRtfWriter::escape(QString(QChar(0xFFFD))), QByteArray("\\u-3?"));
  EXPECT_EQ(ReportRtfWriter::escape(QStringLiteral("x\ty")), QByteArray("x\\tab y"));
}
