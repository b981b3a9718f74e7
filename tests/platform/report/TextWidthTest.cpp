#include "platform/report/TextWidth.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <gtest/gtest.h>

namespace platform {
namespace {

ReportFont arial(int size, bool bold = false) {
  ReportFont font;
  font.size = size;
  font.bold = bold;
  return font;
}

// The font the set-up installs for the report's Arial, sized so that one
// pixel is one twip and unhinted, so its advances are the font file's own.
QFont installedReportFont(const ReportFont& font) {
  QFont installed(QStringLiteral("Liberation Sans"));
  installed.setPixelSize(font.size * 20);
  installed.setBold(font.bold);
  installed.setHintingPreference(QFont::PreferNoHinting);
  installed.setKerning(false);
  return installed;
}

// Each character at the largest size, so a wrong entry of the table shows by
// more than the rounding up to a whole twip; and whole lines, whose rounding
// is done once.
TEST(TextWidthTest, WidthsMatchTheInstalledReportFont) {
  QStringList samples{QStringLiteral("Remarks"), QStringLiteral("Re-test, \"cracked\", 50%"), QStringLiteral("0000")};
  QString printable;
  for (char16_t c = u' '; c <= u'~'; ++c) printable += QChar(c);
  samples.append(printable);
  for (const bool bold : {false, true}) {
    for (const int size : {9, 12}) {
      const QFont installed = installedReportFont(arial(size, bold));
      ASSERT_EQ(QFontInfo(installed).family(), QStringLiteral("Liberation Sans"));
      const QFontMetricsF metrics(installed);
      QStringList checked = samples;
      if (size == 12)
        for (const QChar c : printable) checked.append(QString(c));
      for (const QString& text : checked) {
        SCOPED_TRACE(text.toStdString() + (bold ? " bold " : " ") + std::to_string(size));
        const double measured = metrics.horizontalAdvance(text);
        EXPECT_NEAR(textWidthTwips(text, arial(size, bold)), measured, 1 + measured * 0.002);
      }
    }
  }
}

TEST(TextWidthTest, CharactersOutsideTheTableCountAsADigit) {
  EXPECT_EQ(textWidthTwips(QStringLiteral("\u00e9"), arial(10)), textWidthTwips(QStringLiteral("0"), arial(10)));
}

TEST(TextWidthTest, WrappingBreaksAtSpacesAndInsideAWordTooWideAlone) {
  const ReportFont font = arial(10);
  const int digit = textWidthTwips(QStringLiteral("0"), font);
  EXPECT_EQ(wrapToWidth(QStringLiteral("000 000 00"), 6 * digit, font), (QStringList{"000", "000 00"}));
  EXPECT_EQ(wrapToWidth(QStringLiteral("0000000 0"), 3 * digit, font), (QStringList{"000", "000", "0 0"}));
  EXPECT_EQ(wrapToWidth(QStringLiteral("00"), 1, font), (QStringList{"0", "0"}));
}

}  // namespace
}  // namespace platform
