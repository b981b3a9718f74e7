#include "platform/report/ReportDesigner.h"

#include <utility>

namespace platform {

ReportDesigner::ReportDesigner(QString name) : name_(std::move(name)) {}

ReportDesigner::~ReportDesigner() = default;

ReportSection* ReportDesigner::addSection(const QString& name, ReportSectionKind kind, int height) {
  if (section(name) != nullptr) return nullptr;
  sections_.push_back(std::unique_ptr<ReportSection>(new ReportSection(this, name, kind, height)));
  return sections_.back().get();
}

ReportSection* ReportDesigner::section(int index) const {
  if (index < 1 || index > sectionCount()) return nullptr;
  return sections_[static_cast<size_t>(index - 1)].get();
}

ReportSection* ReportDesigner::section(const QString& name) const {
  for (const auto& held : sections_)
    if (held->name() == name) return held.get();
  return nullptr;
}

TextObject* ReportDesigner::textObject(const QString& name) const {
  ReportObject* found = object(name);
  if (found == nullptr || !found->hasFont()) return nullptr;
  return static_cast<TextObject*>(found);
}

ReportStatus ReportDesigner::setPaperOrientation(int code) {
  if (code != PaperOrientation::Portrait && code != PaperOrientation::Landscape)
    return ReportStatus::Refused;
  orientation_ = code;
  return ReportStatus::Ok;
}

QSize ReportDesigner::pageSize() const {
  return orientation_ == PaperOrientation::Landscape ? QSize(LetterHeight, LetterWidth)
                                                     : QSize(LetterWidth, LetterHeight);
}

void ReportDesigner::selectPrinter(const QString&, const QString& printerName, const QString&) {
  printerName_ = printerName;
}

bool ReportDesigner::registerObject(ReportObject* object) {
  if (object->name().isEmpty() || objects_.contains(object->name())) return false;
  objects_.insert(object->name(), object);
  return true;
}

void ReportDesigner::unregisterObject(const ReportObject* object) { objects_.remove(object->name()); }

QString ReportDesigner::uniqueObjectName(const QString& stem) const {
  for (int n = 1;; ++n) {
    const QString candidate = stem + QString::number(n);
    if (!objects_.contains(candidate)) return candidate;
  }
}

}  // namespace platform
