#include "report/builder/RemarkLines.h"

namespace report {
namespace {

const QChar CarriageReturn(u'\r');

}  // namespace

QStringList remarkLines(const QString& columnText) {
  if (columnText.trimmed().isEmpty()) return {};
  QStringList lines = columnText.split(CarriageReturn);
  if (columnText.endsWith(CarriageReturn)) lines.removeLast();
  return lines;
}

}  // namespace report
