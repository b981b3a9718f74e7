#include "instrument/TextNumbers.h"

#include <gtest/gtest.h>

namespace instrument::text {
namespace {

TEST(TextNumbersTest, ReadsOnlyPlainNumbers) {
  for (const char16_t* yes : {u"1", u" 1.5 ", u"-2", u"+3.", u".5", u"1E5", u"2.5e-3", u"  00012  "})
    EXPECT_TRUE(readsAsNumber(yes)) << QString::fromUtf16(yes).toStdString();
  for (const char16_t* no : {u"", u"  ", u".", u"-", u"1.2.3", u"1,000", u"00:00:05", u"1e", u"--2", u"(1)",
                             u"$1", u"0x10", u"inf", u"nan", u"1 2", u"END", u"\t1"})
    EXPECT_FALSE(readsAsNumber(no)) << QString::fromUtf16(no).toStdString();
}

TEST(TextNumbersTest, WholeNumbersRoundHalvesToEvenWithinTheirRange) {
  EXPECT_EQ(toLong(u"2.5"), 2);
  EXPECT_EQ(toLong(u"3.5"), 4);
  EXPECT_EQ(toLong(u"-2.5"), -2);
  EXPECT_EQ(toLong(u"40000"), 40000);
  EXPECT_EQ(toLong(u"2147483647"), 2147483647);
  EXPECT_FALSE(toLong(u"2147483648").has_value());
  EXPECT_EQ(toInteger(u"32767"), 32767);
  EXPECT_FALSE(toInteger(u"32768").has_value());
  EXPECT_FALSE(toInteger(u"x").has_value());
}

TEST(TextNumbersTest, SingleValuesFormatFromTheirSinglePrecisionForm) {
  const struct {
    const char16_t* text;
    const char* formatted;
  } cases[] = {{u"12345.6", "12345.6000"}, {u"1.23456", "1.2346"}, {u"2", "2.0000"},   {u"-3.5", "-3.5000"},
               {u"0.00005", "0.0001"},     {u"-0.00004", "0.0000"}, {u"9.99995", "10.0000"}, {u"0.25", "0.2500"},
               {u"1.00005", "1.0001"},     {u"123456789", "123456792.0000"}};
  for (const auto& c : cases)
    EXPECT_EQ(formatSingle(*toSingle(c.text), 4), QString::fromLatin1(c.formatted)) << QString::fromUtf16(c.text).toStdString();
  EXPECT_FALSE(toSingle(u"1e39").has_value());
  EXPECT_EQ(singleValue(12345.6F), 12345.6);
  EXPECT_EQ(singleValue(42.1F), 42.1);
}

TEST(TextNumbersTest, TrimsBlanksOnly) {
  EXPECT_EQ(trimBlanks(u"  a b  "), u"a b");
  EXPECT_EQ(trimBlanks(u"\ra "), u"\ra");
  EXPECT_EQ(trimBlanks(u"   "), u"");
}

}  // namespace
}  // namespace instrument::text
