#pragma once

#include <QHash>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

#include "platform/report/ReportObject.h"

namespace platform {

class ReportDesigner;
class PictureObject;

// A band of a report: its objects are walked by index 1..objectCount() and
// reached by name. Details sections grow with their growing text objects and
// break across pages; the others are drawn whole.
class ReportSection {
 public:
  ReportSection(const ReportSection&) = delete;
  ReportSection& operator=(const ReportSection&) = delete;
  ~ReportSection();

  const QString& name() const { return name_; }
  ReportSectionKind kind() const { return kind_; }
  ReportDesigner* designer() const { return designer_; }

  int height() const { return height_; }
  ReportStatus setHeight(int twips);
  bool suppress() const { return suppress_; }
  void setSuppress(bool hidden) { suppress_ = hidden; }
  // Keep the section on one page when it fits on one: it starts a new page
  // rather than break.
  bool keepTogether() const { return keepTogether_; }
  void setKeepTogether(bool keep) { keepTogether_ = keep; }
  // At most this many lines of growing text per page while the growing
  // objects have this font size (0: as many as fit).
  void setLineLimit(int fontSize, int lines) { lineLimits_[fontSize] = lines; }
  int lineLimit(int fontSize) const { return lineLimits_.value(fontSize, 0); }

  int objectCount() const { return static_cast<int>(objects_.size()); }
  ReportObject* object(int index) const;  // 1-based; nullptr outside 1..count
  ReportObject* object(const QString& name) const;

  // Adds an object built in place; nullptr when the designer already has an
  // object of that name.
  template <typename T, typename... Args>
  T* add(Args&&... args) {
    auto object = std::make_unique<T>(std::forward<Args>(args)...);
    T* raw = object.get();
    return adopt(std::move(object)) ? raw : nullptr;
  }

  // A picture object showing the file at (left, top); nullptr when the file
  // cannot be read as an image. Its name is "Picture" and a number.
  PictureObject* addPictureObject(const QString& file, int left, int top);
  ReportStatus deleteObject(const ReportObject* object);
  ReportStatus deleteObject(const QString& name);

 private:
  friend class ReportDesigner;
  ReportSection(ReportDesigner* designer, QString name, ReportSectionKind kind, int height);
  bool adopt(std::unique_ptr<ReportObject> object);

  ReportDesigner* designer_;
  QString name_;
  ReportSectionKind kind_;
  int height_;
  bool suppress_ = false;
  bool keepTogether_ = false;
  QHash<int, int> lineLimits_;
  std::vector<std::unique_ptr<ReportObject>> objects_;
};

}  // namespace platform
