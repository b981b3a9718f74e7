#pragma once

#include <QColor>
#include <QFrame>

#include <array>

namespace download {

// The wizard's download indicator (Recieving_Frame): the gauge and the
// computer joined by a line, with a light at each end. Shape 1 is the gauge's
// light, shape 3 the computer's; the driver's timers make them blink. Shapes
// 0 and 2 are the gauge and the computer.
class ReceivingIndicator : public QFrame {
  Q_OBJECT

 public:
  static constexpr int ShapeCount = 4;
  static constexpr int GaugeLight = 1;
  static constexpr int ComputerLight = 3;

  explicit ReceivingIndicator(QWidget* parent = nullptr);

  QColor Shape2(int index) const;
  void setShape2(int index, const QColor& color);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::array<QColor, ShapeCount> colors_;
};

}  // namespace download
