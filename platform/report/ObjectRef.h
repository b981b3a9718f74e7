#pragma once

#include <QString>
#include <optional>

#include "platform/report/ReportObject.h"

namespace platform {

// A designer member reached by name. When the designer lacks it, every read
// gives nothing and every write returns NoSuchMember: the soft failure of that
// one operation. Look members up afresh for each use; a handle does not
// outlive the deletion of its object.
class ObjectRef {
 public:
  explicit ObjectRef(ReportObject* object = nullptr) : object_(object) {}

  bool exists() const { return object_ != nullptr; }
  ReportObject* get() const { return object_; }
  QString name() const { return object_ ? object_->name() : QString(); }

  std::optional<int> left() const { return read(&ReportObject::left); }
  std::optional<int> top() const { return read(&ReportObject::top); }
  std::optional<int> width() const { return read(&ReportObject::width); }
  std::optional<int> height() const { return read(&ReportObject::height); }
  ReportStatus setLeft(int twips) const { return write([=](ReportObject& o) { return o.setLeft(twips); }); }
  ReportStatus setTop(int twips) const { return write([=](ReportObject& o) { return o.setTop(twips); }); }
  ReportStatus setWidth(int twips) const { return write([=](ReportObject& o) { return o.setWidth(twips); }); }
  ReportStatus setHeight(int twips) const { return write([=](ReportObject& o) { return o.setHeight(twips); }); }

  std::optional<bool> suppress() const { return read(&ReportObject::suppress); }
  ReportStatus setSuppress(bool hidden) const {
    return write([=](ReportObject& o) { o.setSuppress(hidden); return ReportStatus::Ok; });
  }

  std::optional<int> fontSize() const { return object_ ? object_->fontSize() : std::nullopt; }
  ReportStatus setFontSize(int points) const { return write([=](ReportObject& o) { return o.setFontSize(points); }); }
  std::optional<QString> text() const { return object_ ? object_->text() : std::nullopt; }
  ReportStatus SetText(const QString& text) const { return write([&](ReportObject& o) { return o.SetText(text); }); }
  std::optional<int> horAlignment() const { return object_ ? object_->horAlignment() : std::nullopt; }
  ReportStatus setHorAlignment(int code) const { return write([=](ReportObject& o) { return o.setHorAlignment(code); }); }
  ReportStatus setLeftIndent(int twips) const { return write([=](ReportObject& o) { return o.setLeftIndent(twips); }); }
  ReportStatus setRightIndent(int twips) const { return write([=](ReportObject& o) { return o.setRightIndent(twips); }); }
  ReportStatus setLeftLineStyle(int style) const { return write([=](ReportObject& o) { return o.setLeftLineStyle(style); }); }
  ReportStatus setRightLineStyle(int style) const { return write([=](ReportObject& o) { return o.setRightLineStyle(style); }); }
  ReportStatus setTopLineStyle(int style) const { return write([=](ReportObject& o) { return o.setTopLineStyle(style); }); }
  ReportStatus setBottomLineStyle(int style) const { return write([=](ReportObject& o) { return o.setBottomLineStyle(style); }); }
  ReportStatus setCanGrow(bool grow) const { return write([=](ReportObject& o) { return o.setCanGrow(grow); }); }

 private:
  template <typename R>
  std::optional<R> read(R (ReportObject::*getter)() const) const {
    if (object_ == nullptr) return std::nullopt;
    return (object_->*getter)();
  }
  template <typename Op>
  ReportStatus write(Op&& op) const {
    return object_ ? op(*object_) : ReportStatus::NoSuchMember;
  }

  ReportObject* object_;
};

}  // namespace platform
