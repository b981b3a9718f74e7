#include "report/page/ReportFonts.h"

#include <QAction>
#include <QListWidget>

#include "instrument/DeviceType.h"
#include "report/builder/ReportFlags.h"
#include "report/builder/ColumnList.h"

namespace report {
namespace {

const QString CurrentMark = QStringLiteral(" (Current)");

int sizeIndex(int fontSize) {
  for (int i = 0; i < 4; ++i)
    if (ReportFontSizes[i] == fontSize) return i;
  return -1;
}

}  // namespace

int fittingColumnEntries(int fontSize, int Model_Code) {
  static constexpr int loadFrame[] = {5, 4, 4, 3};
  static constexpr int others[] = {17, 15, 13, 12};
  const int i = sizeIndex(fontSize);
  if (i < 0) return 0;
  return Model_Code == instrument::ModelCode::LX9100 ? loadFrame[i] : others[i];
}

ReportFonts::ReportFonts(std::array<QAction*, 4> fontActions, QListWidget& List2, ReportFlags& flags)
    : actions_(fontActions), List2_(List2), flags_(flags) {}

void ReportFonts::markCurrent(int fontSize) {
  for (int i = 0; i < 4; ++i) {
    const QString number = QString::number(ReportFontSizes[i]);
    if (actions_[i] != nullptr)
      actions_[i]->setText(ReportFontSizes[i] == fontSize ? number + CurrentMark : number);
  }
}

void ReportFonts::Font_Click(int fontSize, int Model_Code) {
  if (sizeIndex(fontSize) < 0) return;
  flags_.Report_Font_Size = fontSize;
  markCurrent(fontSize);
  List2_.clear();
  List2_.addItems(columnListEntries(fittingColumnEntries(fontSize, Model_Code)));
  if (List2_.count() > 0) List2_.setCurrentRow(0);
}

}  // namespace report
