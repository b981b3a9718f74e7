#include "platform/report/TextWidth.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

ReportFont arial(int size, bool bold = false) {
  ReportFont font;
  font.size = size;
  font.bold = bold;
  return font;
}

TEST(TextWidthTest, WidthsFollowTheFontsAdvancesSizeAndWeight) {
  // R e m a r k s in bold: 4224 thousandths of an em, at 9 points 180 twips an em.
  EXPECT_EQ(textWidthTwips(QStringLiteral("Remarks"), arial(9, true)), 761);
  EXPECT_EQ(textWidthTwips(QStringLiteral("0000"), arial(10)), 445);  // 444.8, rounded up
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
