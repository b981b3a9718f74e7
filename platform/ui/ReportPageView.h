#pragma once

#include <QWidget>

#include "platform/report/RenderedReport.h"

namespace platform {

// Paints one page of a laid-out report at a scale and reports presses on it.
class ReportPageView : public QWidget {
  Q_OBJECT

 public:
  explicit ReportPageView(QWidget* parent = nullptr);

  void display(const RenderedReport* report, int page, double pixelsPerTwip);
  // Twips on the page under a widget position.
  QPoint toTwips(const QPoint& pixels) const;

  static constexpr int Border = 10;

 signals:
  void pressed(const QPoint& pixels);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  const RenderedReport* report_ = nullptr;
  int page_ = 0;
  double scale_ = 0.05;
};

}  // namespace platform
