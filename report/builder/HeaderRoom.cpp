#include "report/builder/HeaderRoom.h"

#include <QString>

#include "platform/report/ReportDesigner.h"

namespace report {
namespace {

const char* const DateBlock[] = {"Text8", "Field1", "Field2"};
const char* const CompanyTexts[] = {"Company", "Companyinfo"};

int printableRight(const platform::ReportDesigner& report, bool portrait) {
  const int paper = portrait ? platform::ReportDesigner::LetterWidth : platform::ReportDesigner::LetterHeight;
  return paper - report.margins().right();
}

}  // namespace

void placeHeaderParts(const platform::ReportDesigner& report, bool portrait, std::optional<int> rightLogoLeft) {
  const int dateRight =
      rightLogoLeft ? *rightLogoLeft - HeaderPartGap : printableRight(report, portrait) - DateBlockInset;
  const int dateLeft = dateRight - DateBlockWidth;
  for (const char* name : DateBlock) {
    const platform::ObjectRef part = report.member(QString::fromLatin1(name));
    part.setLeft(dateLeft);
    part.setWidth(DateBlockWidth);
  }
  for (const char* name : CompanyTexts) {
    const platform::ObjectRef text = report.member(QString::fromLatin1(name));
    if (const std::optional<int> left = text.left()) text.setWidth(dateLeft - HeaderPartGap - *left);
  }
}

}  // namespace report
