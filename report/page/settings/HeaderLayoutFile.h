#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace report {

struct ReportDesigners;
struct ReportFlags;

// The header layout file of a model (ProgramFiles::HeaderLayout...): key and
// value lines "TitleP = 1" ended by CR LF, keeping the alignment of the header
// texts of Report, the logo's file while there is one, and the font size.

// The re-flow of both reports to a font size (Resize_Report_Font).
using ResizeReportFont = std::function<void(int fontSize)>;

// The file of a model, under the program folder; empty for an unknown model.
QString headerLayoutPath(int Model_Code);

// The whole file text for the report as it stands: the five alignment lines,
// the three of the density gauges (models 1 and 2), "PicObj = " with the
// logo's file while a logo is loaded, and "FontSZ = " with the font size.
QByteArray headerLayoutText(const ReportDesigners& designers, const ReportFlags& flags, int Model_Code);

// Writes the file through a temporary file renamed into place; on failure the
// old file stays and error says why.
bool saveHeaderLayout(const ReportDesigners& designers, const ReportFlags& flags, int Model_Code,
                      QString* error = nullptr);

struct HeaderLayoutLoad {
  enum Outcome { Missing, Loaded };
  Outcome outcome = Missing;
  // The picture file of a "PicObj = " line that could not be read; empty when
  // there was none or it was read.
  QString unreadablePicture;
  // Why a file that is there was not read (Missing); empty otherwise.
  QString unreadable;
};

// Reads the model's file into the report: alignments of the header texts (a
// value that is not a number is ignored), the logo (replacing any logo the
// report has, on both reports as insertion places it), and the font size
// through resize (9 when the size is not a number from 9 to 12). A missing
// file, one too large to be a settings file or one that cannot be read
// changes nothing.
HeaderLayoutLoad loadHeaderLayout(ReportDesigners& designers, ReportFlags& flags, int Model_Code,
                                  const ResizeReportFont& resize);

}  // namespace report
