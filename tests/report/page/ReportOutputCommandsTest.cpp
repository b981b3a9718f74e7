#include "report/page/ReportOutputCommands.h"

#include <QPushButton>
#include <gtest/gtest.h>

#include "platform/ui/ReportViewer.h"
#include "platform/ui/ScriptedDialogs.h"
#include "report/builder/ReportDesigners.h"
#include "report/page/ExportForm.h"
#include "report/page/ReportTabPage.h"

namespace report {
namespace {

TEST(ReportOutputCommands, ButtonsOfThePageAndBothViewersReachTheirCommands) {
  platform::ui::ScriptedDialogs dialogs;
  platform::ui::ScopedDialogSeam seam{dialogs};
  ReportTabPage page;
  ReportDesigners designers;
  instrument::ProgramState state;
  state.Table_Name = QStringLiteral("ROAD");
  ReportOutputCommands output{designers, state, page};
  int dialogsShown = 0;
  platform::ReportPrinter::setDialogRunner([&](QPrinter&, int, QWidget*) {
    ++dialogsShown;
    return false;
  });
  emit page.CRViewer1[0]->printButtonClicked();
  emit page.CRViewer1[1]->printButtonClicked();
  platform::ReportPrinter::setDialogRunner({});
  EXPECT_EQ(dialogsShown, 2);

  emit page.CRViewer1[1]->exportButtonClicked();
  ASSERT_NE(output.exporting().exportForm(), nullptr);
  output.exporting().exportForm()->close();
  page.Export->click();
  EXPECT_NE(output.exporting().exportForm(), nullptr);
}

}  // namespace
}  // namespace report
