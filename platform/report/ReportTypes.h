#pragma once

namespace platform {

// Outcome of one operation on a report designer. Report code runs "with errors
// ignored": a failed operation changes nothing and the caller goes on.
enum class ReportStatus {
  Ok = 0,
  NoSuchMember = 1,   // the designer or section has no object of that name/index
  NoFont = 2,         // a font access on an object without a font
  Refused = 3,        // the object does not take this value or operation
  FileError = 4,      // a picture or output file could not be read or written
  NoPages = 5,        // a page range that selects no page
};

enum class ReportObjectKind { Text, Field, Line, Box, Picture };

// Where a section is drawn: page headers and footers on every page, report
// headers and footers once, details flow (and break) between them.
enum class ReportSectionKind { PageHeader, ReportHeader, Details, ReportFooter, PageFooter };

// Horizontal alignment codes of text objects.
namespace HorAlignment {
inline constexpr int Default = 0;
inline constexpr int Left = 1;
inline constexpr int Centred = 2;
inline constexpr int Right = 3;
}  // namespace HorAlignment

// Line style codes of lines, boxes and the four edges of text objects.
namespace LineStyle {
inline constexpr int None = 0;
inline constexpr int Single = 1;
inline constexpr int Double = 2;
inline constexpr int Dashed = 3;
inline constexpr int Dotted = 4;
}  // namespace LineStyle

// Paper orientation codes of a designer (and of the printer dialog).
namespace PaperOrientation {
inline constexpr int Portrait = 1;
inline constexpr int Landscape = 2;
}  // namespace PaperOrientation

// What a field object shows; its text is made when the report is laid out.
enum class FieldKind { PrintDate, PrintTime, PageNumber, PageCount, PageNofM };

}  // namespace platform
