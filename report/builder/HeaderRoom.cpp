#include "report/builder/HeaderRoom.h"

#include <algorithm>
#include <array>

#include "instrument/DeviceType.h"
#include "platform/report/PictureObject.h"
#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "platform/report/ReportSection.h"
#include "report/builder/ReportDesigners.h"
#include "report/builder/ReportFlags.h"

namespace report {
namespace {

const char* const DateBlock[] = {"Text8", "Field1", "Field2"};
const char* const CompanyTexts[] = {"Company", "Companyinfo"};

constexpr int HeaderSection = 1;       // of Report
constexpr int StiffyHeaderSection = 8;  // of StiffyReport: the company block
constexpr int MaxLogoWidth = LogoIndent - HeaderPartGap;
constexpr int LogoBottomGap = 100;

// One report's logo: its section, its company texts and the flag naming its
// picture object.
struct LogoSite {
  platform::ReportDesigner& designer;
  int section;
  std::array<QString, 2> companyTexts;
  QString& pictureName;
  int left;
  int top;
};

LogoSite reportSite(ReportDesigners& designers, ReportFlags& flags) {
  const std::array<QString, 2> company = {QString::fromLatin1(CompanyTexts[0]), QString::fromLatin1(CompanyTexts[1])};
  return {*designers.Report, HeaderSection, company, flags.Logo_Object, LogoLeft, LogoTop};
}

LogoSite stiffySite(ReportDesigners& designers, ReportFlags& flags) {
  return {*designers.StiffyReport, StiffyHeaderSection,
          {QStringLiteral("StiffyCompany"), QStringLiteral("StiffyCompanyinfo")}, flags.Stiffy_Logo_Object,
          StiffyLogoLeft, StiffyLogoTop};
}

platform::ReportSection* sectionOf(const LogoSite& site) {
  return site.designer.section(platform::ReportNames::section(site.section));
}

platform::ObjectRef pictureOf(const LogoSite& site) {
  return site.pictureName.isEmpty() ? platform::ObjectRef() : site.designer.member(site.pictureName);
}

void removePicture(const LogoSite& site) {
  if (platform::ReportSection* section = sectionOf(site); section != nullptr && !site.pictureName.isEmpty())
    section->deleteObject(site.pictureName);
  site.pictureName.clear();
}

// Indents of the company texts: left-aligned ones by `left` (and by
// `leftTextsRight` on their right, where a right-placed logo stands inside
// their box), right-aligned ones by `right`; centred texts are never indented.
void indentCompanyTexts(const LogoSite& site, int left, int right, int leftTextsRight = 0) {
  for (const QString& name : site.companyTexts) {
    const platform::ObjectRef text = site.designer.member(name);
    const std::optional<int> alignment = text.horAlignment();
    if (alignment == platform::HorAlignment::Right) text.setRightIndent(right);
    if (alignment != platform::HorAlignment::Left) continue;
    text.setLeftIndent(left);
    text.setRightIndent(leftTextsRight);
  }
}

void toLeft(const LogoSite& site) {
  indentCompanyTexts(site, LogoIndent, 0);
  pictureOf(site).setLeft(site.left);
}

// Report's company texts end left of its date block and of the logo; the
// stiffness report's run the page's width, so a long name there wraps short of
// the logo.
void toRight(const LogoSite& site, int left, int leftTextsRight = 0) {
  indentCompanyTexts(site, 0, LogoIndent, leftTextsRight);
  pictureOf(site).setLeft(left);
}

// The stiffness report's right edge for the logo: its right side lines up
// with the right side of the company name.
int stiffyRightLeft(const LogoSite& site) {
  const platform::ObjectRef company = site.designer.member(site.companyTexts[0]);
  const int right = company.left().value_or(0) + company.width().value_or(0);
  return right - pictureOf(site).width().value_or(0);
}

// The company texts leave the logo LogoIndent twips beside them and the right
// placement assumes no more: a larger picture is scaled down, keeping its
// shape, so that it never covers the header texts or leaves the page.
void fitIntoLogoRoom(const platform::ReportSection& section, const platform::PictureObject& picture,
                     const LogoSite& site) {
  const int maxHeight = std::max(1, section.height() - site.top - LogoBottomGap);
  const QSize fitted = platform::PictureObject::naturalSize(picture.image(), MaxLogoWidth, maxHeight);
  const platform::ObjectRef object = site.designer.member(picture.name());
  object.setWidth(fitted.width());
  object.setHeight(fitted.height());
}

// Adds the picture as the site's logo, replacing the one it had. False when
// nothing was added (the old logo then stays).
bool replacePicture(const LogoSite& site, const QString& file) {
  platform::ReportSection* section = sectionOf(site);
  if (section == nullptr) return false;
  platform::PictureObject* picture = section->addPictureObject(file, site.left, site.top);
  if (picture == nullptr) return false;
  fitIntoLogoRoom(*section, *picture, site);
  // A name from before a rebuild of the designers may already be the new one's.
  if (site.pictureName != picture->name()) removePicture(site);
  site.pictureName = picture->name();
  return true;
}

bool portraitPage(const platform::ReportDesigner& report) {
  return report.paperOrientation() == platform::PaperOrientation::Portrait;
}

}  // namespace

int printableRight(const platform::ReportDesigner& report, bool portrait) {
  const int paper = portrait ? platform::ReportDesigner::LetterWidth : platform::ReportDesigner::LetterHeight;
  return paper - report.margins().right();
}

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

bool insertLogo(ReportDesigners& designers, ReportFlags& flags, int Model_Code, const QString& file) {
  const LogoSite report = reportSite(designers, flags);
  if (!replacePicture(report, file)) return false;
  const LogoSite stiffy = stiffySite(designers, flags);
  removePicture(stiffy);
  if (Model_Code == instrument::ModelCode::T7310 && replacePicture(stiffy, file)) toLeft(stiffy);
  toLeft(report);
  placeHeaderParts(*designers.Report, Model_Code == instrument::ModelCode::LX9100);
  flags.Logo_Path = file;
  flags.Logo_Loaded = true;
  return true;
}

void placeLogoLeft(ReportDesigners& designers, ReportFlags& flags) {
  if (!flags.Logo_Loaded) return;
  toLeft(reportSite(designers, flags));
  placeHeaderParts(*designers.Report, portraitPage(*designers.Report));
  if (!flags.Stiffy_Logo_Object.isEmpty()) toLeft(stiffySite(designers, flags));
}

void placeLogoRight(ReportDesigners& designers, ReportFlags& flags, int Model_Code) {
  if (!flags.Logo_Loaded) return;
  const bool portrait = Model_Code == instrument::ModelCode::LX9100;
  const int left = portrait ? LoadFrameLogoRightLeft : LogoRightLeft;
  toRight(reportSite(designers, flags), left);
  // The date block gives the right edge to the logo and stands left of it.
  placeHeaderParts(*designers.Report, portrait, left);
  if (flags.Stiffy_Logo_Object.isEmpty()) return;
  const LogoSite stiffy = stiffySite(designers, flags);
  toRight(stiffy, stiffyRightLeft(stiffy), LogoIndent);
}

void deleteLogo(ReportDesigners& designers, ReportFlags& flags) {
  if (!flags.Logo_Loaded) return;
  for (const LogoSite& site : {reportSite(designers, flags), stiffySite(designers, flags)}) {
    if (site.pictureName.isEmpty()) continue;
    removePicture(site);
    indentCompanyTexts(site, 0, 0);
  }
  placeHeaderParts(*designers.Report, portraitPage(*designers.Report));
  flags.Logo_Loaded = false;
}

}  // namespace report
