#include "platform/ui/ReportPageView.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "platform/report/ReportRenderer.h"

namespace platform {

ReportPageView::ReportPageView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setObjectName(QStringLiteral("reportPage"));
}

void ReportPageView::display(const RenderedReport* report, int page, double pixelsPerTwip) {
  report_ = report;
  page_ = page;
  scale_ = pixelsPerTwip;
  const QSize paper = report ? report->pageSize : QSize();
  setFixedSize(static_cast<int>(std::ceil(paper.width() * scale_)) + 2 * Border,
               static_cast<int>(std::ceil(paper.height() * scale_)) + 2 * Border);
  update();
}

QPoint ReportPageView::toTwips(const QPoint& pixels) const {
  return {static_cast<int>(std::lround((pixels.x() - Border) / scale_)),
          static_cast<int>(std::lround((pixels.y() - Border) / scale_))};
}

void ReportPageView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Dark));
  if (report_ == nullptr || page_ < 1) return;
  const QRectF paper(Border, Border, report_->pageSize.width() * scale_, report_->pageSize.height() * scale_);
  painter.fillRect(paper, Qt::white);
  ReportRenderer::paintPage(painter, *report_, page_, scale_, paper.topLeft());
}

void ReportPageView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit pressed(event->position().toPoint());
  QWidget::mousePressEvent(event);
}

}  // namespace platform
