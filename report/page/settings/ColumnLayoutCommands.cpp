#include "report/page/settings/ColumnLayoutCommands.h"

#include "platform/ui/Dialogs.h"
#include "report/builder/ColumnLayoutFile.h"
#include "report/page/ReportClear.h"
#include "report/page/RemarksCutNotice.h"
#include "report/page/ReportRefresh.h"

namespace report {
namespace {

QString skippedEntries(const QStringList& skipped) {
  return QStringLiteral("%1\n%2").arg(QLatin1String(EntriesNotPlaced), skipped.join(QLatin1Char('\n')));
}

}  // namespace

void Load_Column_Layout(const ReportPageContext& context, ColumnChooser& chooser, QWidget* owner) {
  ReportBuilderContext builder = context.builder();
  const instrument::ProgramState& state = context.state;
  const RemarksCutWatch remarks(context.designers.Report.get(), context.flags);
  const ColumnLayoutLoad load = loadColumnLayout(builder, state.Table_Name, state.Test_Name, state.Model_Code);
  switch (load.outcome) {
    case ColumnLayoutLoad::NothingSelected:
      return;
    case ColumnLayoutLoad::Missing:
      platform::ui::Dialogs::inform(owner, QString::fromLatin1(NoLayoutToLoad));
      return;
    case ColumnLayoutLoad::Unreadable:
      platform::ui::Dialogs::inform(owner, QStringLiteral("%1\n%2").arg(QLatin1String(LayoutNotLoaded), load.error));
      return;
    case ColumnLayoutLoad::NothingToPlace:
      platform::ui::Dialogs::inform(owner, load.skipped.isEmpty()
                                               ? QString::fromLatin1(NothingToPlace)
                                               : QStringLiteral("%1\n%2").arg(QLatin1String(NothingToPlace),
                                                                              skippedEntries(load.skipped)));
      return;
    case ColumnLayoutLoad::Loaded:
      resetColumnChoice(context, chooser);
      context.refresh.request(ReportRefresh::ShortInterval);
      if (!load.skipped.isEmpty()) platform::ui::Dialogs::inform(owner, skippedEntries(load.skipped));
      remarks.tell(owner);
      return;
  }
}

ColumnLayoutFile columnLayoutFileOf(const ReportPageContext& context, ColumnChooser& chooser, QWidget* owner) {
  return {[context](QString* error) {
            return saveColumnLayout(*context.designers.Report, context.flags, context.state.Model_Code, error);
          },
          [context, &chooser, owner] { Load_Column_Layout(context, chooser, owner); }};
}

}  // namespace report
