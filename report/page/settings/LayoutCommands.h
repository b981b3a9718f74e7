#pragma once

#include <QString>

#include <functional>

#include "report/page/settings/HeaderLayoutFile.h"

class QWidget;

namespace instrument {
struct ProgramState;
}

namespace report {

struct ReportDesigners;
struct ReportFlags;
class LogoCommands;

inline constexpr const char* LayoutSaved = "Layout Saved.";
inline constexpr const char* LayoutNotSaved = "The layout could not be saved:";

// The column layout file of a model, which the same two buttons save and
// load before the header layout. Until it is set, only the header layout is
// saved and loaded.
struct ColumnLayoutFile {
  // Writes the file; false, with the reason in error, when it was not written.
  std::function<bool(QString* error)> save;
  // Places the saved columns; it tells the user itself when there is nothing
  // to load.
  std::function<void()> load;
};

// What the layout buttons work on. requestRedraw asks for the deferred redraw
// of the viewers.
struct LayoutContext {
  ReportDesigners& designers;
  ReportFlags& flags;
  const instrument::ProgramState& state;
  LogoCommands& logo;
  QWidget* owner = nullptr;
  std::function<void()> requestRedraw;
};

// The report page's "Save Layout" and "Load Layout" buttons: the column
// layout, then the header layout of the current model.
class LayoutCommands {
 public:
  explicit LayoutCommands(LayoutContext context);

  void setColumnLayoutFile(ColumnLayoutFile file) { columns_ = std::move(file); }
  // The font re-flow that a loaded font size goes through.
  void setResizeReportFont(ResizeReportFont resize) { resize_ = std::move(resize); }

  // "Layout Saved." only once both files are written; otherwise says why not.
  void Save_Layout_Click();
  // With the hourglass: the column layout, then the header layout; a logo
  // the header layout brings turns its menu items on.
  void Load_Layout_Click();

  // Layout_Header_File: mode 0 loads, 1 saves, any other does nothing.
  // Returns whether a save wrote the file (a load: true).
  bool Layout_Header_File(int mode, QString* error = nullptr);

 private:
  LayoutContext context_;
  ColumnLayoutFile columns_;
  ResizeReportFont resize_;
};

}  // namespace report
