#include "report/page/RemarkInsertion.h"

#include <QStringList>

#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"

namespace report {
namespace {

const QChar CarriageReturn(13);
constexpr int FirstDataColumn = 2;  // column 1 holds the read numbers

QStringList columnLines(const QString& columnText) {
  if (columnText.trimmed().isEmpty()) return {};  // a free column holds a blank
  QStringList lines = columnText.split(CarriageReturn);
  if (columnText.endsWith(CarriageReturn)) lines.removeLast();
  return lines;
}

QString oneLine(QString text) {
  text.replace(QChar(u'\r'), QChar(u' '));
  text.replace(QChar(u'\n'), QChar(u' '));
  return text;
}

}  // namespace

QString withRemarkOnRow(const QString& columnText, int row, const QString& remark) {
  if (row < 1) return columnText;
  QStringList lines = columnLines(columnText);
  while (lines.size() < row) lines.append(QString());
  lines[row - 1] = oneLine(remark);
  QString text;
  for (const QString& line : lines) text += line + CarriageReturn;
  return text;
}

int clickedDataRow(const platform::ReportClick& click) {
  for (int k = 1; k <= platform::ReportDefinitions::ColumnCount; ++k)
    if (click.objectName == platform::ReportNames::columnData(k)) return click.lineNumber;
  return 0;
}

bool ADD_REMARK(platform::ReportDesigner& report, const ReportFlags& flags, const platform::ReportClick& click,
                const QString& Remarktoadd) {
  if (flags.Remarks_Column < FirstDataColumn || flags.Remarks_Column > platform::ReportDefinitions::ColumnCount)
    return false;
  const int row = clickedDataRow(click);
  if (row < 1) return false;
  const platform::ObjectRef column = report.member(platform::ReportNames::columnData(flags.Remarks_Column));
  const std::optional<QString> text = column.text();
  if (!text) return false;
  return column.SetText(withRemarkOnRow(*text, row, Remarktoadd)) == platform::ReportStatus::Ok;
}

}  // namespace report
