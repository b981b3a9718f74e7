#include "report/builder/ColumnSlots.h"

#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "report/builder/ReportFlags.h"

namespace report {

using platform::ReportNames::columnData;
using platform::ReportNames::columnHeader;

QString columnPlaceholder(int k) {
  return k == ReadNumberColumn ? ReadNumberHeader : QStringLiteral("Col %1").arg(k - 1);
}

bool isOwnPlaceholder(const QString& header, int k) { return header == columnPlaceholder(k); }

bool looksLikePlaceholder(const QString& header) {
  return header.left(3).toUpper() == QLatin1String("COL");
}

std::optional<FontGeometry> fontGeometry(int fontSize) {
  switch (fontSize) {
    case 9: return FontGeometry{50, 7, 7};
    case 10: return FontGeometry{45, 6, 6};
    case 11: return FontGeometry{40, 6, 6};
    case 12: return FontGeometry{35, 5, 5};
    default: return std::nullopt;
  }
}

int rowsPerBlock(int fontSize) {
  const auto geometry = fontGeometry(fontSize);
  return geometry ? geometry->rowsPerBlock : 50;
}

bool needsTwoBlocks(int recordCount, int fontSize) { return recordCount > rowsPerBlock(fontSize); }

QString columnText(const QString& joined) {
  qsizetype first = 0;
  qsizetype last = joined.size();
  while (first < last && joined[first] == QLatin1Char(' ')) ++first;
  while (last > first && joined[last - 1] == QLatin1Char(' ')) --last;
  return first == last ? EmptyColumnText : joined.mid(first, last - first);
}

BlockLine twoBlockPlace(int reading, int rows, bool twoBlocks) {
  const int index = reading - 1;
  if (!twoBlocks || rows <= 0) return {Block::Left, index};
  const int run = index / rows;
  const Block block = run % 2 == 0 ? Block::Left : Block::Mirror;
  return {block, (run / 2) * rows + index % rows};
}

void TwoBlockSplit::append(const QString& value) {
  ++count_;
  QString& target = twoBlockPlace(count_, rows_, inForce_).block == Block::Left ? left : mirror;
  target += value;
  target += QLatin1Char('\r');
}

QString headerText(const platform::ReportDesigner& report, int k) {
  return report.member(columnHeader(k)).text().value_or(QString());
}

QString dataText(const platform::ReportDesigner& report, int k) {
  return report.member(columnData(k)).text().value_or(EmptyColumnText);
}

void setHeader(platform::ReportDesigner& report, int k, const QString& text) {
  report.member(columnHeader(k)).SetText(text);
}

void setData(platform::ReportDesigner& report, int k, const QString& text) {
  report.member(columnData(k)).SetText(text);
}

void freeColumn(platform::ReportDesigner& report, int k) {
  if (k < FirstDataColumn || k > LastColumn) return;
  setHeader(report, k, columnPlaceholder(k));
  setData(report, k, EmptyColumnText);
}

void Clear_Columns(platform::ReportDesigner& report) {
  for (int k = FirstDataColumn; k <= LastColumn; ++k) freeColumn(report, k);
}

void Reset_Column(platform::ReportDesigner& report, const ReportFlags& flags, int Col, bool ResetHeader, int Model) {
  if (Col < FirstDataColumn || Col > LastColumn || !ResetHeader) return;
  setHeader(report, Col, columnPlaceholder(Col));
  const auto geometry = fontGeometry(flags.Report_Font_Size);
  if (Model != ModelCode::LX9100 || Col > 7 || !geometry) return;
  const int mirror = Col + geometry->mirrorOffset;
  setHeader(report, mirror, columnPlaceholder(mirror));
}

int Next_Free_Column(const platform::ReportDesigner& report, const ReportFlags& flags, int Model) {
  const auto geometry = fontGeometry(flags.Report_Font_Size);
  const int examined = (Model == ModelCode::LX9100 && geometry) ? geometry->leftBlockEnd : LastColumn;
  int last = 0;
  for (int k = 1; k <= examined; ++k)
    if (!isOwnPlaceholder(headerText(report, k), k)) last = k;
  return last + 1;
}

int countUsedColumns(const platform::ReportDesigner& report, const ReportFlags& flags, int Model_Code) {
  const auto geometry = fontGeometry(flags.Report_Font_Size);
  const int last = Model_Code == ModelCode::LX9100 && geometry ? geometry->leftBlockEnd : LastColumn;
  int used = ReadNumberColumn;
  for (int k = FirstDataColumn; k <= last; ++k) {
    const QString header = headerText(report, k);
    if (!header.trimmed().isEmpty() && !isOwnPlaceholder(header, k) && header != RemarksHeader) ++used;
  }
  return used;
}

}  // namespace report
