#pragma once

#include <QHash>
#include <QMargins>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

#include "platform/report/ObjectRef.h"
#include "platform/report/ReportExportOptions.h"
#include "platform/report/ReportSection.h"
#include "platform/report/TextObject.h"

namespace platform {

// A report definition being edited in place: named sections holding named
// objects, the paper (Letter) and its orientation, the printer chosen for it
// and its export options. Object names are unique across the designer.
class ReportDesigner {
 public:
  explicit ReportDesigner(QString name);
  ~ReportDesigner();
  ReportDesigner(const ReportDesigner&) = delete;
  ReportDesigner& operator=(const ReportDesigner&) = delete;

  const QString& name() const { return name_; }

  // Sections in drawing order of their kind; index 1..sectionCount().
  ReportSection* addSection(const QString& name, ReportSectionKind kind, int height);
  int sectionCount() const { return static_cast<int>(sections_.size()); }
  ReportSection* section(int index) const;
  ReportSection* section(const QString& name) const;

  // Any object by name, or nullptr.
  ReportObject* object(const QString& name) const { return objects_.value(name, nullptr); }
  // A text or field object by name, or nullptr.
  TextObject* textObject(const QString& name) const;
  // A handle whose operations fail softly when the designer lacks the member.
  ObjectRef member(const QString& name) const { return ObjectRef(object(name)); }

  // Letter paper: 12240 x 15840 twips, turned for landscape.
  int paperOrientation() const { return orientation_; }
  ReportStatus setPaperOrientation(int code);
  QSize pageSize() const;
  QMargins margins() const { return margins_; }
  void setMargins(const QMargins& twips) { margins_ = twips; }

  void selectPrinter(const QString& driverName, const QString& printerName, const QString& portName);
  const QString& printerName() const { return printerName_; }

  ReportExportOptions& exportOptions() { return exportOptions_; }
  const ReportExportOptions& exportOptions() const { return exportOptions_; }

  // Expires when the designer is destroyed. Designers are re-created freely,
  // so whoever shows one without owning it (a viewer) checks this first.
  std::weak_ptr<const void> lifetime() const { return lifetime_; }

  static constexpr int LetterWidth = 12240;
  static constexpr int LetterHeight = 15840;

 private:
  friend class ReportSection;
  bool registerObject(ReportObject* object);
  void unregisterObject(const ReportObject* object);
  QString uniqueObjectName(const QString& stem) const;

  QString name_;
  std::vector<std::unique_ptr<ReportSection>> sections_;
  QHash<QString, ReportObject*> objects_;
  int orientation_ = PaperOrientation::Portrait;
  QMargins margins_{360, 360, 360, 360};
  QString printerName_;
  ReportExportOptions exportOptions_;
  std::shared_ptr<const int> lifetime_ = std::make_shared<const int>(0);
};

}  // namespace platform
