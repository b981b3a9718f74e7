#include "platform/db/SqlIdentifier.h"

#include <gtest/gtest.h>

namespace platform::db {
namespace {

TEST(SqlIdentifierTest, QuotesAndDoublesInnerQuotes) {
  EXPECT_EQ(quoteIdentifier(u"CBR_LBR1"), QStringLiteral("\"CBR_LBR1\""));
  EXPECT_EQ(quoteIdentifier(u"a\"b"), QStringLiteral("\"a\"\"b\""));
  EXPECT_EQ(quoteIdentifier(u""), QStringLiteral("\"\""));
}

TEST(SqlIdentifierTest, AcceptsOnlyNamesTheEngineAccepts) {
  EXPECT_TRUE(isValidName(u"P125"));
  EXPECT_TRUE(isValidName(u"RUN 7"));
  EXPECT_TRUE(isValidName(u"x'y"));
  EXPECT_TRUE(isValidName(QString(64, QLatin1Char('A'))));
  EXPECT_FALSE(isValidName(QString(65, QLatin1Char('A'))));
  for (const char16_t* bad : {u"", u"P12.5", u"a!", u"a`", u"a[", u"a]", u"a\"", u" a", u"a\rb", u"\x7f"})
    EXPECT_FALSE(isValidName(bad)) << QString::fromUtf16(bad).toStdString();
}

}  // namespace
}  // namespace platform::db
