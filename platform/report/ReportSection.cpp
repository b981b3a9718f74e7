#include "platform/report/ReportSection.h"

#include <algorithm>

#include "platform/report/PictureFile.h"
#include "platform/report/PictureObject.h"
#include "platform/report/ReportDesigner.h"

namespace platform {

ReportSection::ReportSection(ReportDesigner* designer, QString name, ReportSectionKind kind, int height)
    : designer_(designer), name_(std::move(name)), kind_(kind), height_(std::max(0, height)) {}

ReportSection::~ReportSection() = default;

ReportStatus ReportSection::setHeight(int twips) {
  if (twips < 0) return ReportStatus::Refused;
  height_ = twips;
  return ReportStatus::Ok;
}

ReportObject* ReportSection::object(int index) const {
  if (index < 1 || index > objectCount()) return nullptr;
  return objects_[static_cast<size_t>(index - 1)].get();
}

ReportObject* ReportSection::object(const QString& name) const {
  for (const auto& object : objects_)
    if (object->name() == name) return object.get();
  return nullptr;
}

bool ReportSection::adopt(std::unique_ptr<ReportObject> object) {
  if (!designer_->registerObject(object.get())) return false;
  object->section_ = this;
  objects_.push_back(std::move(object));
  return true;
}

PictureObject* ReportSection::addPictureObject(const QString& file, int left, int top) {
  QImage image = readPictureFile(file);
  if (image.isNull()) return nullptr;
  const QSize page = designer_->pageSize();
  const QMargins margins = designer_->margins();
  const int maxWidth = std::max(1, page.width() - margins.right() - std::max(0, left));
  const int maxHeight = std::max(1, page.height() - margins.top() - margins.bottom());
  const QSize size = PictureObject::naturalSize(image, maxWidth, maxHeight);
  return add<PictureObject>(designer_->uniqueObjectName(QStringLiteral("Picture")),
                            QRect(QPoint(left, top), size), file, std::move(image));
}

ReportStatus ReportSection::deleteObject(const ReportObject* object) {
  const auto found = std::find_if(objects_.begin(), objects_.end(),
                                  [object](const auto& held) { return held.get() == object; });
  if (object == nullptr || found == objects_.end()) return ReportStatus::NoSuchMember;
  designer_->unregisterObject(found->get());
  objects_.erase(found);
  return ReportStatus::Ok;
}

ReportStatus ReportSection::deleteObject(const QString& name) { return deleteObject(object(name)); }

}  // namespace platform
