#include "report/builder/RemarkInsertion.h"

#include <QStringList>

#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/RemarkLines.h"

namespace report {
namespace {

namespace names = platform::ReportNames;

const QChar CarriageReturn(13);
constexpr int RawDataViewer = 0;

const platform::RenderedText* shownText(const platform::ReportClick& click, const QString& name) {
  for (const platform::RenderedText& text : click.pageTexts)
    if (text.objectName == name) return &text;
  return nullptr;
}

// The column whose box begins at or left of the click, the rightmost such:
// a click in the gap after a column counts for it.
int clickedColumn(const platform::ReportClick& click) {
  int column = 0;
  for (int k = ReadNumberColumn; k <= LastColumn; ++k) {
    const platform::RenderedText* text = shownText(click, names::columnData(k));
    if (text != nullptr && text->rect.left() <= click.twips.x()) column = k;
  }
  return column;
}

// The read-number column of the mirror block, when the report has one: the
// first column after the read numbers headed "RD#" again.
int mirrorBlockStart(const platform::ReportDesigner& report) {
  for (int k = FirstDataColumn; k <= LastColumn; ++k)
    if (headerText(report, k).toUpper() == ReadNumberHeader) return k;
  return 0;
}

int leftRemarksColumn(const platform::ReportDesigner& report, const ReportFlags& flags) {
  const int k = flags.Remarks_Column;
  if (k >= FirstDataColumn && k <= LastColumn && headerText(report, k) == RemarksHeader) return k;
  for (int j = FirstDataColumn; j <= LastColumn; ++j)
    if (headerText(report, j) == RemarksHeader) return j;
  return 0;
}

RemarkPlace unplaceable(const QString& problem) { return {0, 0, problem}; }

}  // namespace

QString remarkLine(QString remark) {
  remark.replace(QChar(u'\r'), QChar(u' '));
  remark.replace(QChar(u'\n'), QChar(u' '));
  return remark;
}

QString remarkOnRow(const platform::ReportDesigner& report, const RemarkPlace& place) {
  if (!place.placeable()) return {};
  const QString text = report.member(names::columnData(place.column)).text().value_or(QString());
  return remarkLines(text).value(place.line - 1);
}

QString remarkAfter(const QString& former, const QString& added) { return former + QStringLiteral("; ") + added; }

QString withRemarkOnRow(const QString& columnText, int row, const QString& remark) {
  if (row < 1) return columnText;
  QStringList lines = remarkLines(columnText);
  while (lines.size() < row) lines.append(QString());
  lines[row - 1] = remarkLine(remark);
  QString text;
  for (const QString& line : lines) text += line + CarriageReturn;
  return text;
}

RemarkPlace remarkPlace(const platform::ReportDesigner& report, const ReportFlags& flags,
                        const platform::ReportClick& click) {
  if (click.viewerIndex != RawDataViewer) return unplaceable(RemarkNotOnStiffnessReport);
  const int column = clickedColumn(click);
  if (column < ReadNumberColumn) return unplaceable(RemarkNeedsReading);
  const int mirror = mirrorBlockStart(report);
  const bool inMirror = mirror > 0 && column >= mirror;
  const platform::RenderedText* readNumbers = shownText(click, names::columnData(inMirror ? mirror : ReadNumberColumn));
  const int line = readNumbers != nullptr ? readNumbers->lineAt(click.twips.y()) : 0;
  if (line < 1) return unplaceable(RemarkNeedsReading);
  int remarks = leftRemarksColumn(report, flags);
  if (remarks > 0 && inMirror) remarks += mirror - ReadNumberColumn;
  if (remarks < FirstDataColumn || remarks > LastColumn || headerText(report, remarks) != RemarksHeader)
    return unplaceable(RemarkNoColumn);
  return {remarks, line, QString()};
}

RemarkPlace ADD_REMARK(platform::ReportDesigner& report, const ReportFlags& flags, const platform::ReportClick& click,
                       const QString& Remarktoadd) {
  const RemarkPlace place = remarkPlace(report, flags, click);
  if (!place.placeable()) return place;
  const platform::ObjectRef column = report.member(names::columnData(place.column));
  const std::optional<QString> text = column.text();
  if (!text || column.SetText(withRemarkOnRow(*text, place.line, Remarktoadd)) != platform::ReportStatus::Ok)
    return unplaceable(RemarkNotWritten);
  return place;
}

}  // namespace report
