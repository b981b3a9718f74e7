#include "report/page/ReportClear.h"

#include <QListWidget>

#include "platform/core/IgnoreErrors.h"
#include "report/page/ColumnChooser.h"
#include "report/page/ReportRefresh.h"
#include "report/page/ReportTabPage.h"

namespace report {

void resetColumnChoice(const ReportPageContext& context, ColumnChooser& chooser) {
  ReportFlags& flags = context.flags;
  // The list clicks raised here must not place anything.
  const bool clearing = flags.Clearing_Report;
  flags.Clearing_Report = true;
  platform::ignoringErrors([&] {
    context.page.List1->setCurrentRow(0);
    context.page.List2->setCurrentRow(0);
  });
  chooser.rewindAdvance();
  flags.Clearing_Report = clearing;
}

void Clear_Button_Click(const ReportPageContext& context, ColumnChooser& chooser) {
  resetColumnChoice(context, chooser);
  ReportBuilderContext builder = context.builder();
  Reset_Report_Columns(builder, context.state.Table_Name, context.sampleType(), context.state.Model_Code);
  context.refresh.request(ReportRefresh::ShortInterval);
}

}  // namespace report
