#include "report/page/settings/StiffnessConstantsCommands.h"

#include "instrument/DeviceType.h"
#include "instrument/ProgramState.h"
#include "platform/core/IgnoreErrors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/OwnerBlocking.h"
#include "platform/ui/ReportViewer.h"
#include "report/builder/ReportFlags.h"
#include "report/builder/StiffnessConstants.h"
#include "report/page/ReportTabPage.h"
#include "report/page/settings/StiffnessCons.h"
#include "report/page/settings/StiffnessConsFile.h"

namespace report {
namespace {

const QString ConstantsMissing =
    QStringLiteral("T7310 Constants do not exist.  Do you want to setup constants now?");
const QString ConstantsNotNumbers =
    QStringLiteral("StiffnessCons.qvt: the value of %1 is not a number; the previous value is kept.");
const QString ConstantsCutShort = QStringLiteral(
    "StiffnessCons.qvt has no value for %1 (the file ends or has an empty line before it); all seven constants "
    "are 0.  Set them with \"Edit Stiffness Constants\".");
const QString ConstantsKeysMissing =
    QStringLiteral("StiffnessCons.qvt has no line for %1; those constants keep their previous values.  Set "
                   "them with \"Edit Stiffness Constants\".");
const QString ConstantsUnreadable = QStringLiteral("The stiffness constants could not be read: %1");
const QString ConstantsNotSaved = QStringLiteral("The stiffness constants could not be saved: %1");
constexpr int StiffyViewer = 1;

}  // namespace

StiffnessConstantsCommands::StiffnessConstantsCommands(ReportPageHost& host, ReportTabPage& page,
                                                       const instrument::ProgramState& state, ReportFlags& flags,
                                                       StiffnessConstants& constants, QObject* parent)
    : QObject(parent), host_(host), page_(page), state_(state), flags_(flags), constants_(constants) {
  TextChanged.setObjectName(QStringLiteral("TextChanged"));
  connect(&TextChanged, &QTimer::timeout, this, &StiffnessConstantsCommands::TextChanged_Timer);
}

void StiffnessConstantsCommands::StiffCons_File(int mode) {
  if (mode == StiffConsLoad) {
    load();
  } else if (mode == StiffConsSave) {
    QString error;
    if (!saveStiffnessConstants(constants_, &error))
      platform::ui::Dialogs::inform(page_.window(), ConstantsNotSaved.arg(error));
  }
}

void StiffnessConstantsCommands::load() {
  const StiffnessConsLoad result = loadStiffnessConstants(constants_);
  const QString separator = QStringLiteral(", ");
  if (!result.unreadKeys.isEmpty())
    platform::ui::Dialogs::inform(page_.window(), ConstantsNotNumbers.arg(result.unreadKeys.join(separator)));
  if (!result.missingKeys.isEmpty()) {
    const QString& message = result.outcome == StiffnessConsLoad::Defaulted ? ConstantsCutShort : ConstantsKeysMissing;
    platform::ui::Dialogs::inform(page_.window(), message.arg(result.missingKeys.join(separator)));
  }
  if (result.outcome != StiffnessConsLoad::Missing) return;
  constants_ = StiffnessConstants{};
  // A file there but refused does exist: the refusal says what stands in the
  // way.
  if (!result.unreadable.isEmpty()) {
    platform::ui::Dialogs::inform(page_.window(), ConstantsUnreadable.arg(result.unreadable));
    return;
  }
  const auto answer = platform::ui::Dialogs::message({page_.window(), ConstantsMissing, QString(),
                                                      platform::ui::MessageButtons::YesNo,
                                                      platform::ui::MessageIcon::Question});
  if (answer != platform::ui::MessageAnswer::Yes) return;
  // The editor blocks the main window without a nested loop: the report is
  // built with zeros now and rebuilt by TextChanged when the editor applies.
  showEditor(true);
  armTextChanged();
}

void StiffnessConstantsCommands::SCons_Click() {
  showEditor(false);
  armTextChanged();
}

void StiffnessConstantsCommands::showEditor(bool blockOwner) {
  if (editor_ == nullptr)
    editor_ = new StiffnessCons(page_.window(), host_, flags_, constants_, [this] { StiffCons_File(StiffConsSave); });
  if (blockOwner) {
    platform::ui::showBlockingOwner(*editor_);
    return;
  }
  editor_->show();
  editor_->raise();
  editor_->activateWindow();
}

void StiffnessConstantsCommands::armTextChanged() { TextChanged.start(TextChangedInterval); }

void StiffnessConstantsCommands::TextChanged_Timer() {
  if (flags_.Constants_Changed) rebuildAndRedraw();
  // Every Ok and Apply of an open editor must reach the report, not only the
  // first; once it is closed nothing can change the constants any more.
  if (editor_ == nullptr || !editor_->isVisible()) TextChanged.stop();
}

void StiffnessConstantsCommands::rebuildAndRedraw() {
  flags_.Constants_Changed = false;
  if (rebuild_) platform::ignoringErrors(rebuild_);
  if (state_.Model_Code != instrument::ModelCode::T7310) return;
  platform::ReportViewer* viewer = page_.CRViewer1[StiffyViewer];
  platform::ignoringErrors([&] { viewer->refresh(); });
}

}  // namespace report
