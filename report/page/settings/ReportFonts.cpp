#include "report/page/settings/ReportFonts.h"

#include <QAction>
#include <QListWidget>

#include "report/builder/ColumnList.h"

namespace report {

ReportFonts::ReportFonts(std::array<QAction*, 4> fontActions, QListWidget& List2, ReportFontReflow reflow)
    : actions_(fontActions), List2_(List2), reflow_(std::move(reflow)) {}

void ReportFonts::markCurrent(int fontSize) {
  const std::array<QString, 4> captions = fontCaptions(fontSize);
  for (size_t i = 0; i < actions_.size(); ++i)
    if (actions_[i] != nullptr) actions_[i]->setText(captions[i]);
}

void ReportFonts::Font_Click(int fontSize, int Model_Code) {
  if (!isReportFontSize(fontSize)) return;
  if (reflow_) reflow_(fontSize);
  markCurrent(fontSize);
  fillColumnList(List2_, columnListEntries(fittingColumnEntries(fontSize, Model_Code)));
}

void fillColumnList(QListWidget& List2, const QStringList& entries) {
  List2.clear();
  List2.addItems(entries);
  if (List2.count() > 0) List2.setCurrentRow(0);
}

}  // namespace report
