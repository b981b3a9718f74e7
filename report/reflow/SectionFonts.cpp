#include "report/reflow/SectionFonts.h"

#include <QStringList>

#include <algorithm>
#include <memory>

#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "platform/report/TextObject.h"
#include "platform/report/TextWidth.h"
#include "report/builder/ColumnSlots.h"
#include "report/reflow/FontSizeTable.h"

namespace report {
namespace {

const QStringList CompanyObjects{QStringLiteral("Company"), QStringLiteral("Companyinfo")};
const QStringList ProjectNameObjects{QStringLiteral("ProjNameLabel"), QStringLiteral("ProjNameText")};
const QString ColumnPrefix = QStringLiteral("COL");
// Room a label keeps beyond its text, and the space before the text left of it.
constexpr int LabelPad = 40;
constexpr int LabelGap = 60;

bool onRowOf(const platform::ReportObject& object, const platform::ReportObject& label) {
  return &object != &label && object.top() == label.top();
}

// The value a label names: the next object to its right on its row.
platform::ReportObject* valueOf(const platform::ReportSection& section, const platform::ReportObject& label) {
  platform::ReportObject* value = nullptr;
  const int right = label.left() + label.width();
  for (int i = 1; i <= section.objectCount(); ++i) {
    platform::ReportObject* object = section.object(i);
    if (!onRowOf(*object, label) || object->left() < right) continue;
    if (value == nullptr || object->left() < value->left()) value = object;
  }
  return value;
}

// Where the text left of the label ends on its row: a label grows left up to
// there, never past the page margin.
int roomStart(const platform::ReportDesigner& report, const platform::ReportSection& section,
              const platform::ReportObject& label) {
  int start = report.margins().left();
  for (int i = 1; i <= section.objectCount(); ++i) {
    const platform::ReportObject* object = section.object(i);
    if (!onRowOf(*object, label) || object->left() >= label.left()) continue;
    if (object->kind() != platform::ReportObjectKind::Text) continue;
    const auto& text = static_cast<const platform::TextObject&>(*object);
    int end = object->left() + object->width();
    if (text.horAlignment() != platform::HorAlignment::Right)
      end = object->left() + text.leftIndent() + platform::textWidthTwips(text.text().value_or(QString()), text.font());
    start = std::max(start, std::min(end, object->left() + object->width()) + LabelGap);
  }
  return start;
}

// A right-aligned label narrower than its text grows to the left as far as
// the text beside it allows, and then into its value, which gives way.
void fitLabel(const platform::ReportDesigner& report, const platform::ReportSection& section,
              platform::ReportObject& label) {
  const auto& text = static_cast<const platform::TextObject&>(label);
  const int needed = platform::textWidthTwips(text.text().value_or(QString()), text.font()) + LabelPad;
  if (needed <= label.width()) return;
  const int right = label.left() + label.width();
  const int left = std::min(label.left(), std::max(roomStart(report, section, label), right - needed));
  const int shortfall = needed - (right - left);
  platform::ReportObject* value = shortfall > 0 ? valueOf(section, label) : nullptr;
  const int push = value != nullptr ? std::min(shortfall, value->width() / 2) : 0;
  label.setLeft(left);
  label.setWidth(right - left + push);
  if (value == nullptr || push <= 0) return;
  value->setLeft(value->left() + push);
  value->setWidth(value->width() - push);
}

// A right-aligned one-line text; a wrapping one is a value (a project name
// aligned right) that keeps its box and wraps inside it.
bool isLabel(const platform::ReportObject& object) {
  if (object.kind() != platform::ReportObjectKind::Text) return false;
  const auto& text = static_cast<const platform::TextObject&>(object);
  return text.horAlignment() == platform::HorAlignment::Right && !text.wordWrap() &&
         !text.text().value_or(QString()).contains(QChar(13));
}

void restorePlace(platform::ReportDesigner& report, const platform::ReportObject& stored) {
  const platform::ObjectRef object = report.member(stored.name());
  if (!object.exists()) return;
  object.setLeft(stored.left());
  object.setWidth(stored.width());
}

// Every label and the value beside it back where the stored report puts
// them, so that each size fits its labels from the same start and a return
// to a size gives that size's header back, whatever sizes came between.
void restoreLabelPlaces(platform::ReportDesigner& report, int sectionNumber) {
  const std::unique_ptr<platform::ReportDesigner> stored = platform::ReportDefinitions::createReport();
  const platform::ReportSection* section = stored->section(platform::ReportNames::section(sectionNumber));
  if (section == nullptr) return;
  for (int i = 1; i <= section->objectCount(); ++i) {
    const platform::ReportObject* label = section->object(i);
    if (label == nullptr || !isLabel(*label)) continue;
    restorePlace(report, *label);
    if (const platform::ReportObject* value = valueOf(*section, *label)) restorePlace(report, *value);
  }
}

// Objects the stored report sets larger than the body (the report title and
// the serial number) never fall below that size, so a return to size 9 gives
// them their own size back.
void keepStoredSizes(platform::ReportDesigner& report, int sectionNumber, const QStringList& except) {
  const std::unique_ptr<platform::ReportDesigner> stored = platform::ReportDefinitions::createReport();
  const platform::ReportSection* section = stored->section(platform::ReportNames::section(sectionNumber));
  if (section == nullptr) return;
  for (int i = 1; i <= section->objectCount(); ++i) {
    const platform::ReportObject* own = section->object(i);
    const std::optional<int> ownSize = own != nullptr ? own->fontSize() : std::nullopt;
    if (!ownSize || except.contains(own->name())) continue;
    const platform::ObjectRef object = report.member(own->name());
    if (object.fontSize().value_or(*ownSize) < *ownSize) object.setFontSize(*ownSize);
  }
}

}  // namespace

void fitLabelsToText(platform::ReportDesigner& report, int sectionNumber) {
  restoreLabelPlaces(report, sectionNumber);
  const platform::ReportSection* section = report.section(platform::ReportNames::section(sectionNumber));
  if (section == nullptr) return;
  for (int i = 1; i <= section->objectCount(); ++i)
    if (platform::ReportObject* object = section->object(i); object != nullptr && isLabel(*object))
      fitLabel(report, *section, *object);
}

void resizeSectionFonts(platform::ReportDesigner& report, int sectionNumber,
                        const std::function<bool(const QString&)>& test, const std::function<int(int)>& sizeFor) {
  const platform::ReportSection* section = report.section(platform::ReportNames::section(sectionNumber));
  if (section == nullptr) return;
  for (int i = 1; i <= section->objectCount(); ++i) {
    platform::ReportObject* object = section->object(i);
    if (object == nullptr || !test(object->name())) continue;
    if (const std::optional<int> size = object->fontSize()) object->setFontSize(sizeFor(*size));
  }
}

int laidOutFontSize(const platform::ReportDesigner& report) {
  const std::optional<int> size =
      report.member(platform::ReportNames::columnHeader(ReadNumberColumn)).fontSize();
  return size && isReportFontSize(*size) ? *size : SmallestReportFont;
}

void resizeHeaderFonts(platform::ReportDesigner& report, int d, int newSize) {
  const auto byChange = [d](int size) { return size + d; };
  const auto toNew = [newSize](int) { return newSize; };
  resizeSectionFonts(report, 1, [](const QString& name) { return CompanyObjects.contains(name); }, byChange);
  resizeSectionFonts(report, 2, [](const QString& name) { return ProjectNameObjects.contains(name); }, byChange);
  resizeSectionFonts(report, 2, [](const QString& name) { return !ProjectNameObjects.contains(name); }, toNew);
  keepStoredSizes(report, 2, ProjectNameObjects);
  fitLabelsToText(report, 2);
}

void resizeColumnFonts(platform::ReportDesigner& report, int newSize) {
  resizeSectionFonts(
      report, 3, [](const QString& name) { return name.left(3).toUpper() == ColumnPrefix; },
      [newSize](int) { return newSize; });
}

void resizeFooterFonts(platform::ReportDesigner& report, int newSize) {
  for (int section : {4, 5, 6})
    resizeSectionFonts(report, section, [](const QString&) { return true; }, [newSize](int) { return newSize; });
  fitLabelsToText(report, 4);
}

}  // namespace report
