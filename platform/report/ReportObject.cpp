#include "platform/report/ReportObject.h"

#include <utility>

namespace platform {

ReportObject::ReportObject(ReportObjectKind kind, QString name, const QRect& geometry)
    : kind_(kind), name_(std::move(name)), geometry_(geometry) {}

ReportStatus ReportObject::setLeft(int twips) {
  geometry_.moveLeft(twips);
  return ReportStatus::Ok;
}

ReportStatus ReportObject::setTop(int twips) {
  geometry_.moveTop(twips);
  return ReportStatus::Ok;
}

ReportStatus ReportObject::setWidth(int twips) {
  if (twips < 0) return ReportStatus::Refused;
  geometry_.setWidth(twips);
  return ReportStatus::Ok;
}

ReportStatus ReportObject::setHeight(int twips) {
  if (twips < 0) return ReportStatus::Refused;
  geometry_.setHeight(twips);
  return ReportStatus::Ok;
}

}  // namespace platform
