#pragma once

#include <optional>

namespace platform {
class ReportDesigner;
}

namespace report {

// Report's page header holds three parts side by side that never cover one
// another and stay inside the printable area: the logo, the company texts
// (name and information) and the "Printed:" date block (Text8, Field1,
// Field2). The date block stands at the right; a logo placed at the right
// stands right of it instead, so the block moves left of the logo. The
// company texts take the room left of the block.

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

}  // namespace report
