#include "report/builder/RemarkLines.h"

#include <gtest/gtest.h>

namespace report {
namespace {

// An empty row keeps its place; the carriage return that ends the last row
// makes no row of its own.
TEST(RemarkLines, OneLinePerRowAndNoneForAFreeColumn) {
  EXPECT_EQ(remarkLines(QStringLiteral("wet\r\rcracked\r")), (QStringList{"wet", "", "cracked"}));
  EXPECT_EQ(remarkLines(QStringLiteral("wet\r\rcracked")), (QStringList{"wet", "", "cracked"}));
  EXPECT_TRUE(remarkLines(QStringLiteral(" ")).isEmpty());
  EXPECT_TRUE(remarkLines(QString()).isEmpty());
}

}  // namespace
}  // namespace report
