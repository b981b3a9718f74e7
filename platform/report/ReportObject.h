#pragma once

#include <QRect>
#include <QString>
#include <optional>

#include "platform/report/ReportTypes.h"

namespace platform {

class ReportSection;

// One object of a report section. Positions and sizes are twips relative to
// the section's top-left corner. Every kind answers every operation: the ones
// it has no use for fail softly (NoFont, Refused) and change nothing, so report
// code can walk a section's objects without asking for their kind first.
class ReportObject {
 public:
  virtual ~ReportObject() = default;
  ReportObject(const ReportObject&) = delete;
  ReportObject& operator=(const ReportObject&) = delete;

  const QString& name() const { return name_; }
  ReportObjectKind kind() const { return kind_; }
  ReportSection* section() const { return section_; }

  int left() const { return geometry_.x(); }
  int top() const { return geometry_.y(); }
  int width() const { return geometry_.width(); }
  int height() const { return geometry_.height(); }
  QRect geometry() const { return geometry_; }
  ReportStatus setLeft(int twips);
  ReportStatus setTop(int twips);
  ReportStatus setWidth(int twips);   // negative widths are refused
  ReportStatus setHeight(int twips);  // negative heights are refused

  bool suppress() const { return suppress_; }
  void setSuppress(bool hidden) { suppress_ = hidden; }

  // Text objects carry a font, an alignment, indents and edge line styles;
  // the defaults here are the soft failures of every other kind.
  virtual bool hasFont() const { return false; }
  virtual std::optional<int> fontSize() const { return std::nullopt; }
  virtual ReportStatus setFontSize(int) { return ReportStatus::NoFont; }
  virtual std::optional<QString> text() const { return std::nullopt; }
  virtual ReportStatus SetText(const QString&) { return ReportStatus::Refused; }
  virtual std::optional<int> horAlignment() const { return std::nullopt; }
  virtual ReportStatus setHorAlignment(int) { return ReportStatus::Refused; }
  virtual ReportStatus setLeftIndent(int) { return ReportStatus::Refused; }
  virtual ReportStatus setRightIndent(int) { return ReportStatus::Refused; }
  virtual ReportStatus setLeftLineStyle(int) { return ReportStatus::Refused; }
  virtual ReportStatus setRightLineStyle(int) { return ReportStatus::Refused; }
  virtual ReportStatus setTopLineStyle(int) { return ReportStatus::Refused; }
  virtual ReportStatus setBottomLineStyle(int) { return ReportStatus::Refused; }
  virtual ReportStatus setCanGrow(bool) { return ReportStatus::Refused; }

 protected:
  ReportObject(ReportObjectKind kind, QString name, const QRect& geometry);

 private:
  friend class ReportSection;
  ReportObjectKind kind_;
  QString name_;
  QRect geometry_;
  bool suppress_ = false;
  ReportSection* section_ = nullptr;
};

}  // namespace platform
