#include "report/reflow/FontSizeTable.h"

#include "report/builder/ColumnSlots.h"

namespace report {
namespace {

int sizeIndex(int fontSize) {
  for (int i = 0; i < static_cast<int>(ReportFontSizes.size()); ++i)
    if (ReportFontSizes[i] == fontSize) return i;
  return -1;
}

}  // namespace

bool isReportFontSize(int fontSize) { return sizeIndex(fontSize) >= 0; }

int fittingColumnEntries(int fontSize, int Model_Code) {
  static constexpr int loadFrame[] = {5, 4, 4, 3};
  static constexpr int others[] = {17, 15, 13, 12};
  const int i = sizeIndex(fontSize);
  if (i < 0) return 0;
  return Model_Code == ModelCode::LX9100 ? loadFrame[i] : others[i];
}

int lastShownColumn(int fontSize) {
  static constexpr int lastColumn[] = {19, 17, 15, 14};
  const int i = sizeIndex(fontSize);
  return i < 0 ? 0 : lastColumn[i];
}

std::array<QString, 4> fontCaptions(int currentSize) {
  std::array<QString, 4> captions;
  for (size_t i = 0; i < ReportFontSizes.size(); ++i) {
    captions[i] = QString::number(ReportFontSizes[i]);
    if (ReportFontSizes[i] == currentSize) captions[i] += CurrentFontMark;
  }
  return captions;
}

}  // namespace report
