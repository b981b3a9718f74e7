#include "report/builder/HeaderRoom.h"

#include <gtest/gtest.h>

#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportDesigner.h"

namespace report {
namespace {

constexpr int Margin = 360;
constexpr int LogoWidth = 1500;  // the widest logo the header takes

struct Span {
  int left;
  int right;
};

Span spanOf(const platform::ReportDesigner& report, const char* name) {
  const platform::ObjectRef object = report.member(QLatin1String(name));
  return {*object.left(), *object.left() + *object.width()};
}

// Every orientation, with no logo on the right and with one: the date block,
// the company texts and the logo stand apart, inside the printable width.
TEST(HeaderRoomTest, DateBlockCompanyTextsAndRightLogoNeverMeetAndStayOnThePage) {
  const struct {
    bool portrait;
    int paper;
    int logoLeft;
  } pages[] = {{true, platform::ReportDesigner::LetterWidth, 10250},
               {false, platform::ReportDesigner::LetterHeight, 13750}};
  for (const auto& page : pages) {
    for (const bool logoRight : {false, true}) {
      const auto report = platform::ReportDefinitions::createReport();
      placeHeaderParts(*report, page.portrait, logoRight ? std::optional<int>(page.logoLeft) : std::nullopt);
      const Span date = spanOf(*report, "Text8");
      for (const char* part : {"Field1", "Field2"}) {
        EXPECT_EQ(spanOf(*report, part).left, date.left) << part;
        EXPECT_EQ(spanOf(*report, part).right, date.right) << part;
      }
      for (const char* company : {"Company", "Companyinfo"}) {
        EXPECT_EQ(spanOf(*report, company).left, Margin);
        EXPECT_LE(spanOf(*report, company).right + HeaderPartGap, date.left) << company;
      }
      const int printableRight = page.paper - Margin;
      EXPECT_LE(date.right, printableRight);
      if (logoRight) {
        EXPECT_LE(date.right + HeaderPartGap, page.logoLeft);
        EXPECT_LE(page.logoLeft + LogoWidth, printableRight);
      }
    }
  }
}

}  // namespace
}  // namespace report
