#pragma once

#include <QWidget>
#include <memory>

#include "platform/report/RenderedReport.h"
#include "platform/report/ReportClick.h"
#include "platform/report/ReportLayout.h"

class QComboBox;
class QLabel;
class QScrollArea;
class QToolButton;

namespace platform {

class ReportDesigner;
class ReportPageView;

// The report viewer: shows one page of a designer's report at a zoom, with
// page navigation, a refresh that redraws from the designer's objects as they
// stand, and print and export buttons whose clicks are only reported (the
// page that holds the viewer does the printing and exporting).
class ReportViewer : public QWidget {
  Q_OBJECT

 public:
  explicit ReportViewer(QWidget* parent = nullptr, int index = 0);
  ~ReportViewer() override;

  // The viewer's index in its array (0 shows "Report", 1 "StiffyReport").
  int index() const { return index_; }
  void setIndex(int index) { index_ = index; }

  // The designer shown; the viewer does not own it and lets go of it when it
  // is destroyed (nullptr from then on). Setting a source shows nothing until
  // viewReport() or refresh().
  void setReportSource(ReportDesigner* designer);
  ReportDesigner* reportSource() const;
  void setLayoutOptions(const ReportLayoutOptions& options) { options_ = options; }

  // Lays the report out and shows its first page; false without a source.
  bool viewReport();
  // Lays the report out again and stays on the current page (or the last one
  // when the report got shorter); false without a source.
  bool refresh();

  int zoom() const { return zoom_; }
  void setZoom(int percent);  // 10..400

  int currentPageNumber() const { return page_; }
  int pageCount() const { return report_.pageCount(); }
  bool showPage(int page);
  void showFirstPage();
  void showLastPage();
  void showNextPage();
  void showPreviousPage();

  const RenderedReport& renderedReport() const { return report_; }
  ReportPageView* pageView() const { return pageView_; }

 signals:
  void clicked(const platform::ReportClick& click);
  void printButtonClicked();
  void exportButtonClicked();
  void pageChanged(int page);

 private:
  QToolButton* addButton(const QString& name, const QString& text, const QString& tip);
  void buildToolBar();
  void showCurrentPage();
  void pagePressed(const QPoint& pixels);
  double pixelsPerTwip() const;

  int index_;
  ReportDesigner* designer_ = nullptr;
  std::weak_ptr<const void> designerLifetime_;
  ReportLayoutOptions options_;
  RenderedReport report_;
  int page_ = 0;
  int zoom_ = 100;
  QWidget* toolBar_ = nullptr;
  QLabel* pageLabel_ = nullptr;
  QComboBox* zoomBox_ = nullptr;
  QScrollArea* scrollArea_ = nullptr;
  ReportPageView* pageView_ = nullptr;
};

}  // namespace platform
