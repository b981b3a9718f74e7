#pragma once

#include <QString>

#include <functional>

#include "report/page/ModifyReportMenu.h"

class QWidget;

namespace instrument {
struct ProgramState;
}

namespace report {

struct ReportDesigners;
struct ReportFlags;

inline constexpr const char* OnePictureOnly = "Report can only contain one picture object.";
inline constexpr const char* PictureFilter = "Pictures (*.bmp *.ico *.gif *.jpg)";
inline constexpr const char* AllPicturesCaption = "All Pictures";
inline constexpr const char* AllFilesFilter = "All Files (*)";
inline constexpr const char* PictureUnreadable = "The picture could not be read:";

// The Insert Logo file dialog's filters: every picture format the program can
// read first, then the usual pictures, then all files.
QString logoFileFilter();

// What the logo commands work on. requestRedraw asks for the deferred redraw
// of the viewers after the given interval; busy says whether the hourglass
// stays until it is done.
struct LogoContext {
  ReportDesigners& designers;
  ReportFlags& flags;
  const instrument::ProgramState& state;
  QWidget* owner = nullptr;
  std::function<void(int intervalMs, bool busy)> requestRedraw;
};

// The "Logo Options" items of the "Modify Report" menu: Insert Logo, Left
// Justified, Right Justified and Delete Logo. The placement and delete items
// are on exactly while a logo is in the report.
class LogoCommands {
 public:
  explicit LogoCommands(LogoContext context);

  // Connects the four items to their commands.
  void connectMenu(const ModifyReportMenu& menu);

  void Ins_Logo_Click();
  void LJ_Click();
  void LR_Click();
  void DLogo_Click();

  // Turns the placement and delete items on or off by the logo state (after
  // a header layout load may have brought a logo).
  void showLogoState();

 private:
  void redraw(int intervalMs, bool busy = false) const;

  LogoContext context_;
  ModifyReportMenu menu_;
};

}  // namespace report
