#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

#include "report/page/settings/StiffnessCons.h"

namespace instrument {
struct ProgramState;
}

namespace report {

class ReportPageHost;
class ReportTabPage;

struct ReportFlags;
struct StiffnessConstants;

inline constexpr int StiffConsLoad = 0;
inline constexpr int StiffConsSave = 1;

// The stiffness constants commands of the report page: loading and saving the
// constants file with its question when the file is missing, the "Edit
// Stiffness Constants" command, and the TextChanged timer that rebuilds the
// stiffness report once the editor has applied new constants.
class StiffnessConstantsCommands : public QObject {
 public:
  static constexpr int TextChangedInterval = 1000;

  StiffnessConstantsCommands(ReportPageHost& host, ReportTabPage& page, const instrument::ProgramState& state,
                             ReportFlags& flags, StiffnessConstants& constants, QObject* parent = nullptr);

  // Mode 0 loads (the report set-up of the stiffness gauge), mode 1 saves;
  // any other mode does nothing. A missing file asks whether to set the
  // constants up now: on Yes the editor opens over the main window and the
  // TextChanged timer is armed, so the report is rebuilt once the editor
  // applies; meanwhile, as on No, the constants are 0. A value that is not a
  // number keeps the constant's previous value, and a message says which; a
  // file cut short or with an empty line gives seven zeros and a message
  // naming the constants it lacks. A save that fails is reported.
  void StiffCons_File(int mode);

  // "Edit Stiffness Constants": opens the editor and arms TextChanged.
  void SCons_Click();

  // The tick: whenever Constants_Changed is set, clears it, rebuilds the
  // stiffness report and redraws the stiffness viewer. It keeps ticking while
  // the editor is open, so that an Ok after an Apply is shown too.
  void TextChanged_Timer();

  // What rewrites the stiffness report of the selected run from the
  // constants; no other report depends on them.
  void setRebuildStiffnessReport(std::function<void()> rebuild) { rebuild_ = std::move(rebuild); }

  StiffnessCons* editor() const { return editor_; }
  bool textChangedArmed() const { return TextChanged.isActive(); }

 private:
  void load();
  // Opens the one editor window, or brings it to the front.
  void showEditor(bool blockOwner);
  void armTextChanged();
  void rebuildAndRedraw();

  ReportPageHost& host_;
  ReportTabPage& page_;
  const instrument::ProgramState& state_;
  ReportFlags& flags_;
  StiffnessConstants& constants_;
  std::function<void()> rebuild_;
  QPointer<StiffnessCons> editor_;
  QTimer TextChanged;
};

}  // namespace report
