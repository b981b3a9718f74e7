#include "instrument/ProjectText.h"

#include <gtest/gtest.h>

namespace {

using instrument::ProjectText;

TEST(ProjectText, ColumnStopsPadOrStayWhereTheyAre) {
  ProjectText text;
  text.text(u"RD #,");
  EXPECT_EQ(text.column(), 6);
  text.tab(7);
  text.text(u"X");
  text.tab(8);  // already there
  text.text(u"Y");
  text.endLine();
  text.endLine();  // a line of no items
  EXPECT_EQ(text.bytes(), QByteArray("RD #, XY\r\n\r\n"));
  EXPECT_EQ(text.column(), 1);
}

// A value wider than its field would have broken the line at the next stop;
// one blank keeps the row on its line.
TEST(ProjectText, AStopAlreadyPassedWritesOneBlank) {
  ProjectText text;
  text.text(u"12345, ");
  text.tab(7);
  text.text(u"A");
  EXPECT_EQ(text.bytes(), QByteArray("12345,  A"));
}

TEST(ProjectText, AStopApartKeepsAdjacentValuesSeparate) {
  ProjectText text;
  text.text(u"ABCDEF");
  text.tabApart(7);
  text.text(u"G");
  text.tabApart(10);
  text.text(u"H");
  EXPECT_EQ(text.bytes(), QByteArray("ABCDEF G H"));
}

TEST(ProjectText, NumberItemsHaveASignPlaceAndATrailingBlank) {
  ProjectText text;
  text.number(0);
  text.number(-12);
  EXPECT_EQ(text.bytes(), QByteArray(" 0 -12 "));
}

}  // namespace
