#include "platform/report/TextObject.h"

#include <utility>

namespace platform {

namespace {
bool isLineStyle(int style) { return style >= LineStyle::None && style <= LineStyle::Dotted; }
}  // namespace

TextObject::TextObject(QString name, const QRect& geometry, QString text, ReportFont font)
    : ReportObject(ReportObjectKind::Text, std::move(name), geometry),
      text_(std::move(text)),
      font_(std::move(font)) {}

TextObject::TextObject(ReportObjectKind kind, QString name, const QRect& geometry, ReportFont font)
    : ReportObject(kind, std::move(name), geometry), font_(std::move(font)) {}

ReportStatus TextObject::setFontSize(int points) {
  if (points < MinFontSize || points > MaxFontSize) return ReportStatus::Refused;
  font_.size = points;
  return ReportStatus::Ok;
}

ReportStatus TextObject::SetText(const QString& text) {
  text_ = text;
  return ReportStatus::Ok;
}

ReportStatus TextObject::setHorAlignment(int code) {
  if (code < HorAlignment::Default || code > HorAlignment::Right) return ReportStatus::Refused;
  alignment_ = code;
  return ReportStatus::Ok;
}

ReportStatus TextObject::setLeftIndent(int twips) {
  if (twips < 0) return ReportStatus::Refused;
  leftIndent_ = twips;
  return ReportStatus::Ok;
}

ReportStatus TextObject::setRightIndent(int twips) {
  if (twips < 0) return ReportStatus::Refused;
  rightIndent_ = twips;
  return ReportStatus::Ok;
}

ReportStatus TextObject::setLeftLineStyle(int style) {
  if (!isLineStyle(style)) return ReportStatus::Refused;
  edges_.left = style;
  return ReportStatus::Ok;
}

ReportStatus TextObject::setRightLineStyle(int style) {
  if (!isLineStyle(style)) return ReportStatus::Refused;
  edges_.right = style;
  return ReportStatus::Ok;
}

ReportStatus TextObject::setTopLineStyle(int style) {
  if (!isLineStyle(style)) return ReportStatus::Refused;
  edges_.top = style;
  return ReportStatus::Ok;
}

ReportStatus TextObject::setBottomLineStyle(int style) {
  if (!isLineStyle(style)) return ReportStatus::Refused;
  edges_.bottom = style;
  return ReportStatus::Ok;
}

ReportStatus TextObject::setCanGrow(bool grow) {
  canGrow_ = grow;
  return ReportStatus::Ok;
}

}  // namespace platform
