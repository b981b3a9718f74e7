#include "download/ReceivingIndicator.h"

#include <QPainter>

namespace download {

ReceivingIndicator::ReceivingIndicator(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Recieving_Frame"));
  colors_ = {QColor(232, 176, 32), Qt::black, QColor(200, 204, 212), Qt::red};
}

QColor ReceivingIndicator::Shape2(int index) const {
  if (index < 0 || index >= ShapeCount) return {};
  return colors_[static_cast<std::size_t>(index)];
}

void ReceivingIndicator::setShape2(int index, const QColor& color) {
  if (index < 0 || index >= ShapeCount) return;
  colors_[static_cast<std::size_t>(index)] = color;
  update();
}

QSize ReceivingIndicator::sizeHint() const { return {240, 56}; }

void ReceivingIndicator::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area = QRectF(rect()).adjusted(8, 8, -8, -8);
  const qreal unit = area.height();
  const QRectF gauge(area.left(), area.top() + unit * 0.2, unit * 1.1, unit * 0.8);
  const QRectF computer(area.right() - unit * 1.1, area.top(), unit * 1.1, unit * 0.8);
  const QPointF gaugeEye(gauge.right(), gauge.top() + unit * 0.2);
  const QPointF computerPort(computer.left(), computer.center().y());

  // Line3 to Line5: out of the gauge, across, into the computer.
  painter.setPen(QPen(palette().color(QPalette::WindowText), 2, Qt::DashLine));
  const qreal middle = (gaugeEye.x() + computerPort.x()) / 2;
  painter.drawLine(gaugeEye, QPointF(middle, gaugeEye.y()));
  painter.drawLine(QPointF(middle, gaugeEye.y()), QPointF(middle, computerPort.y()));
  painter.drawLine(QPointF(middle, computerPort.y()), computerPort);

  painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
  painter.setBrush(colors_[0]);
  painter.drawRoundedRect(gauge, 4, 4);
  painter.setBrush(colors_[2]);
  painter.drawRoundedRect(computer, 3, 3);

  const qreal radius = unit * 0.14;
  painter.setBrush(colors_[GaugeLight]);
  painter.drawEllipse(gaugeEye + QPointF(radius + 3, 0), radius, radius);
  painter.setBrush(colors_[ComputerLight]);
  painter.drawEllipse(computerPort - QPointF(radius + 3, 0), radius, radius);
}

}  // namespace download
