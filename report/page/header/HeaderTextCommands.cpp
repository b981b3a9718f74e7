#include "report/page/header/HeaderTextCommands.h"

#include <QAction>

#include "platform/ui/Dialogs.h"
#include "report/builder/RemarkInsertion.h"

namespace report {

HeaderTextCommands::HeaderTextCommands(HeaderTextContext context, QWidget* owner)
    : context_(context), owner_(owner) {}

void HeaderTextCommands::connectMenu(const EditTextActions& actions) {
  const std::pair<QAction*, int> items[] = {{actions.CN, WhatCompanyName},   {actions.CI, WhatCompanyInfo},
                                            {actions.Date, WhatDate},        {actions.MN, WhatMachineNumber},
                                            {actions.PN, WhatProjectName},   {actions.TB, WhatTestedBy},
                                            {actions.TBD, WhatTestedByDate}};
  for (const auto& [action, what] : items)
    if (action != nullptr)
      connect(action, &QAction::triggered, this, [this, what] { open(what, lastClick_); });
}

void HeaderTextCommands::open(int what, const platform::ReportClick& click) {
  QWidget* owner = owner_ != nullptr ? owner_->window() : nullptr;
  // A remark that could not go anywhere is not typed in vain.
  if (what == WhatRemark && context_.designers.Report) {
    const RemarkPlace place = remarkPlace(*context_.designers.Report, context_.flags, click);
    if (!place.placeable()) return platform::ui::Dialogs::inform(owner, place.problem);
  }
  if (editor_) editor_->Cancel_B_Click();
  editor_ = new HeaderTextEditor(what, click, context_, owner);
  connect(editor_, &HeaderTextEditor::refreshViewers, this, &HeaderTextCommands::refreshViewers);
  editor_->show();
}

}  // namespace report
