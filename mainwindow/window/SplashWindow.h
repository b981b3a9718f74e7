#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace mainwindow {

// The start-up window "frmSplash": shows the program's splash picture once
// and, after SplashDelay, runs the given step (open the main window) and
// closes itself.
class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int SplashDelay = 2500;  // ms

  explicit SplashWindow(std::function<void()> openMain);

  // The splash picture, drawn here.
  static QPixmap drawSplashPicture();

  QTimer Timer1;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Timer1_Timer();

  std::function<void()> openMain_;
  QPixmap picture_;
};

}  // namespace mainwindow
