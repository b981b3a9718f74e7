#pragma once

#include <QString>

#include <optional>

namespace platform {
class ReportDesigner;
}

namespace report {

struct ReportDesigners;
struct ReportFlags;

// Report's page header holds three parts side by side that never cover one
// another and stay inside the printable area: the logo, the company texts
// (name and information) and the "Printed:" date block (Text8, Field1,
// Field2). The date block stands at the right; a logo placed at the right
// stands right of it instead, so the block moves left of the logo. The
// company texts take the room left of the block.

// The right edge of the printable area of a portrait or landscape page.
int printableRight(const platform::ReportDesigner& report, bool portrait);

// Room of the date block: enough for "Printed:", a date and a time.
inline constexpr int DateBlockWidth = 1600;
// Space kept between two parts.
inline constexpr int HeaderPartGap = 200;
// The date block's right edge inside the printable right edge.
inline constexpr int DateBlockInset = 300;

// Places the date block and sizes the company texts for a portrait (load
// frame) or landscape page; rightLogoLeft is where a logo placed at the right
// begins.
void placeHeaderParts(const platform::ReportDesigner& report, bool portrait,
                      std::optional<int> rightLogoLeft = std::nullopt);

// The logo picture in the report headers, on the designers only: Report gets
// it in its page header, StiffyReport (the stiffness gauge) in its company
// block. Every logo function acts on both reports, so the two never disagree
// about where the logo is or whether there is one.

// Where a freshly inserted logo stands, and where "Right Justified" puts the
// Report logo (the load frame's report is narrower).
inline constexpr int LogoLeft = 500;
inline constexpr int LogoTop = 400;
inline constexpr int StiffyLogoLeft = 360;  // the stiffness report's left margin
inline constexpr int StiffyLogoTop = 100;
inline constexpr int LogoRightLeft = 13750;
inline constexpr int LoadFrameLogoRightLeft = 10250;
// Room a logo takes beside the company texts: the picture and a part gap.
inline constexpr int LogoIndent = 1700;

// Puts the picture in file at the left of both headers (StiffyReport only for
// the stiffness gauge), replacing any logo already there, and indents the
// company texts for it. Returns false, leaving everything as it was, when the
// file cannot be read as a picture. The logo state is set only on success.
bool insertLogo(ReportDesigners& designers, ReportFlags& flags, int Model_Code, const QString& file);

// Moves the logo to the left or right edge of both headers and indents the
// company texts away from it; on the right, Report's date block moves left of
// it. Nothing happens without a logo.
void placeLogoLeft(ReportDesigners& designers, ReportFlags& flags);
void placeLogoRight(ReportDesigners& designers, ReportFlags& flags, int Model_Code);

// Removes the logo from both headers and takes the indents back.
void deleteLogo(ReportDesigners& designers, ReportFlags& flags);

}  // namespace report
