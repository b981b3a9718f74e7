#include "platform/ui/ReportViewer.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/core/Twips.h"
#include "platform/report/ReportDesigner.h"
#include "platform/ui/ReportPageView.h"

namespace platform {

namespace {
const int ZoomChoices[] = {25, 50, 75, 100, 125, 150, 200};
}  // namespace

ReportViewer::ReportViewer(QWidget* parent, int index) : QWidget(parent), index_(index) {
  qRegisterMetaType<platform::ReportClick>();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  buildToolBar();
  layout->addWidget(toolBar_);
  scrollArea_ = new QScrollArea(this);
  scrollArea_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  scrollArea_->setBackgroundRole(QPalette::Dark);
  pageView_ = new ReportPageView;
  scrollArea_->setWidget(pageView_);
  layout->addWidget(scrollArea_, 1);
  connect(pageView_, &ReportPageView::pressed, this, &ReportViewer::pagePressed);
  showCurrentPage();
}

ReportViewer::~ReportViewer() = default;

QToolButton* ReportViewer::addButton(const QString& name, const QString& text, const QString& tip) {
  auto* button = new QToolButton(toolBar_);
  button->setObjectName(name);
  button->setText(text);
  button->setToolTip(tip);
  button->setAutoRaise(true);
  toolBar_->layout()->addWidget(button);
  return button;
}

void ReportViewer::buildToolBar() {
  toolBar_ = new QWidget(this);
  auto* row = new QHBoxLayout(toolBar_);
  row->setContentsMargins(2, 2, 2, 2);
  connect(addButton(QStringLiteral("printButton"), tr("Print"), tr("Print Report")), &QToolButton::clicked, this,
          &ReportViewer::printButtonClicked);
  connect(addButton(QStringLiteral("exportButton"), tr("Export"), tr("Export Report")), &QToolButton::clicked,
          this, &ReportViewer::exportButtonClicked);
  connect(addButton(QStringLiteral("refreshButton"), tr("Refresh"), tr("Refresh")), &QToolButton::clicked, this,
          [this] { refresh(); });
  connect(addButton(QStringLiteral("firstPageButton"), QStringLiteral("|<"), tr("First Page")),
          &QToolButton::clicked, this, &ReportViewer::showFirstPage);
  connect(addButton(QStringLiteral("previousPageButton"), QStringLiteral("<"), tr("Previous Page")),
          &QToolButton::clicked, this, &ReportViewer::showPreviousPage);
  pageLabel_ = new QLabel(toolBar_);
  pageLabel_->setObjectName(QStringLiteral("pageLabel"));
  row->addWidget(pageLabel_);
  connect(addButton(QStringLiteral("nextPageButton"), QStringLiteral(">"), tr("Next Page")), &QToolButton::clicked,
          this, &ReportViewer::showNextPage);
  connect(addButton(QStringLiteral("lastPageButton"), QStringLiteral(">|"), tr("Last Page")),
          &QToolButton::clicked, this, &ReportViewer::showLastPage);
  zoomBox_ = new QComboBox(toolBar_);
  zoomBox_->setObjectName(QStringLiteral("zoomBox"));
  for (int percent : ZoomChoices) zoomBox_->addItem(QStringLiteral("%1%").arg(percent), percent);
  zoomBox_->setCurrentIndex(zoomBox_->findData(zoom_));
  row->addWidget(zoomBox_);
  connect(zoomBox_, &QComboBox::activated, this, [this](int item) { setZoom(zoomBox_->itemData(item).toInt()); });
  row->addStretch(1);
}

void ReportViewer::setReportSource(ReportDesigner* designer) {
  designer_ = designer;
  designerLifetime_ = designer != nullptr ? designer->lifetime() : std::weak_ptr<const void>();
}

ReportDesigner* ReportViewer::reportSource() const {
  return designerLifetime_.expired() ? nullptr : designer_;
}

bool ReportViewer::viewReport() {
  if (!refresh()) return false;
  showPage(1);
  return true;
}

bool ReportViewer::refresh() {
  ReportDesigner* designer = reportSource();
  if (designer == nullptr) return false;
  options_.printMoment = QDateTime::currentDateTime();
  report_ = ReportLayout::layout(*designer, options_);
  page_ = std::clamp(page_, 1, std::max(1, report_.pageCount()));
  showCurrentPage();
  return true;
}

void ReportViewer::setZoom(int percent) {
  zoom_ = std::clamp(percent, 10, 400);
  const int item = zoomBox_->findData(zoom_);
  if (item < 0) zoomBox_->addItem(QStringLiteral("%1%").arg(zoom_), zoom_);
  zoomBox_->setCurrentIndex(zoomBox_->findData(zoom_));
  showCurrentPage();
}

bool ReportViewer::showPage(int page) {
  if (page < 1 || page > report_.pageCount()) return false;
  const bool changed = page != page_;
  page_ = page;
  showCurrentPage();
  if (changed) emit pageChanged(page_);
  return true;
}

void ReportViewer::showFirstPage() { showPage(1); }
void ReportViewer::showLastPage() { showPage(report_.pageCount()); }
void ReportViewer::showNextPage() { showPage(page_ + 1); }
void ReportViewer::showPreviousPage() { showPage(page_ - 1); }

double ReportViewer::pixelsPerTwip() const {
  return static_cast<double>(logicalDpiY()) / TwipsPerInch * zoom_ / 100.0;
}

void ReportViewer::showCurrentPage() {
  const int pages = report_.pageCount();
  pageLabel_->setText(pages > 0 ? tr("%1 of %2").arg(page_).arg(pages) : QString());
  pageView_->display(designer_ != nullptr && pages > 0 ? &report_ : nullptr, page_, pixelsPerTwip());
}

void ReportViewer::pagePressed(const QPoint& pixels) {
  if (report_.pageCount() < 1) return;
  ReportClick click;
  click.viewerIndex = index_;
  click.page = page_;
  click.pixels = pixels;
  click.twips = pageView_->toTwips(pixels);
  const ReportHit hit = report_.hitTest(page_, click.twips);
  click.objectName = hit.objectName;
  click.lineNumber = hit.lineNumber;
  click.lineText = hit.lineText;
  if (page_ >= 1 && page_ <= report_.pageCount()) click.pageTexts = report_.pages[page_ - 1].texts;
  emit clicked(click);
}

}  // namespace platform
