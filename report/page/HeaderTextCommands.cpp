#include "report/page/HeaderTextCommands.h"

#include <QAction>

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
  if (editor_) editor_->Cancel_B_Click();
  QWidget* owner = owner_ != nullptr ? owner_->window() : nullptr;
  editor_ = new HeaderTextEditor(what, click, context_, owner);
  connect(editor_, &HeaderTextEditor::refreshViewers, this, &HeaderTextCommands::refreshViewers);
  editor_->show();
}

}  // namespace report
