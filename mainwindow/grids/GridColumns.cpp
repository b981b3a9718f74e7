#include "mainwindow/grids/GridColumns.h"

#include <QString>

#include <algorithm>
#include <array>

#include "instrument/DeviceType.h"

namespace mainwindow {
namespace {

// Fields of the project, test or run header; shown in the header grid only.
constexpr std::array<QStringView, 17> HeaderFields{
    u"ID",      u"SERNUM",  u"CDATE",   u"DATE",    u"DSTD",       u"MSTD",    u"KVAL",      u"SPG",  u"MAXD",
    u"LOWD",    u"CH1NAME", u"CH2NAME", u"CH3NAME", u"CH4NAME",    u"RUN_NUMBER", u"MEASURE", u"CALFACTOR"};
constexpr QStringView TimeField = u"TIME";
constexpr QStringView EditableField = u"MAXD";

// Fields hidden in the readings grid after a header edit.
constexpr std::array<QStringView, 10> HiddenAfterEdit{u"ID",   u"SERNUM", u"CDATE", u"DATE", u"DSTD",
                                                      u"MSTD", u"KVAL",   u"SPG",   u"MAXD", u"LOWD"};

template <std::size_t N>
bool listed(const std::array<QStringView, N>& names, QStringView field) {
  for (QStringView name : names)
    if (name.compare(field, Qt::CaseInsensitive) == 0) return true;
  return false;
}

bool isHeaderField(QStringView field) {
  return listed(HeaderFields, field) || TimeField.compare(field, Qt::CaseInsensitive) == 0;
}

}  // namespace

ColumnRule selectionColumnRule(GridKind grid, QStringView field, int Model_Code) {
  const bool header = isHeaderField(field);
  if (grid == GridKind::Readings) return {!header, false};
  const bool editable =
      Model_Code != instrument::ModelCode::N2600A && EditableField.compare(field, Qt::CaseInsensitive) == 0;
  return {header, editable};
}

ColumnRule afterEditColumnRule(QStringView field) { return {!listed(HiddenAfterEdit, field), false}; }

WidthFactors widthFactors(int Model_Code) {
  using namespace instrument;
  switch (Model_Code) {
    case ModelCode::LX9100: return {2.0F, 2.22F};
    case ModelCode::N2600A: return {3.0F, 3.12F};
    case ModelCode::N2600BX: return {4.25F, 4.35F};
    case ModelCode::T7310: return {3.79F, 4.0F};
    default: return {};
  }
}

QList<int> fitShownColumns(int ruleWidth, int room, const QList<int>& contentWidths) {
  const auto count = static_cast<int>(contentWidths.size());
  QList<int> widths;
  qint64 wanted = 0;
  qint64 needed = 0;
  for (int content : contentWidths) {
    widths.append(std::max(ruleWidth, content));
    wanted += widths.last();
    needed += content;
  }
  if (count == 0 || room < 1 || wanted <= room) return widths;
  // Squeezed below their texts, captions and numbers would be cut.
  if (needed > room) return contentWidths;
  const int share = static_cast<int>((room - needed) / count);
  qint64 used = 0;
  for (int i = 0; i < count; ++i) {
    widths[i] = contentWidths[i] + share;
    used += widths[i];
  }
  widths.last() += static_cast<int>(room - used);
  return widths;
}

std::optional<float> columnWidth(GridKind grid, float gridWidth, float factor, int columnCount) {
  const int divisor = grid == GridKind::Readings ? columnCount - 1 : columnCount;
  if (divisor < 1) return std::nullopt;
  return gridWidth * factor / static_cast<float>(divisor);
}

}  // namespace mainwindow
