#include "mainwindow/window/SplashWindow.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QScreen>

#include "mainwindow/ProgramIcon.h"
#include "mainwindow/ProgramInfo.h"

namespace mainwindow {
namespace {

constexpr int SplashWidth = 520;
constexpr int SplashHeight = 300;
const QString SplashSubtitle = QStringLiteral("Infrared Download");

void drawBackground(QPainter& painter, const QRect& area) {
  QLinearGradient sky(area.topLeft(), area.bottomLeft());
  sky.setColorAt(0, QColor(20, 40, 90));
  sky.setColorAt(1, QColor(5, 10, 30));
  painter.fillRect(area, sky);
  // Soil layers along the bottom edge.
  const QColor layers[] = {QColor(120, 80, 40), QColor(95, 62, 30), QColor(70, 45, 22)};
  int top = area.height() - 60;
  for (const QColor& layer : layers) {
    painter.fillRect(QRect(0, top, area.width(), 20), layer);
    top += 20;
  }
  QRadialGradient glow(QPointF(area.width() * 0.78, area.height() * 0.38), area.height() * 0.5);
  glow.setColorAt(0, QColor(255, 60, 40, 120));
  glow.setColorAt(1, QColor(255, 60, 40, 0));
  painter.fillRect(area, glow);
}

}  // namespace

QPixmap SplashWindow::drawSplashPicture() {
  QPixmap picture(SplashWidth, SplashHeight);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRect area = picture.rect();
  drawBackground(painter, area);
  painter.drawPixmap(40, 60, drawProgramIcon(128));

  QFont title = painter.font();
  title.setPointSize(28);
  title.setBold(true);
  painter.setFont(title);
  painter.setPen(QColor(255, 200, 60));
  painter.drawText(QRect(190, 70, 320, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quorvane"));
  QFont subtitle = title;
  subtitle.setPointSize(18);
  subtitle.setBold(false);
  painter.setFont(subtitle);
  painter.setPen(Qt::white);
  painter.drawText(QRect(190, 120, 320, 36), Qt::AlignLeft | Qt::AlignVCenter, SplashSubtitle);
  QFont small = subtitle;
  small.setPointSize(10);
  painter.setFont(small);
  painter.setPen(QColor(200, 200, 220));
  painter.drawText(QRect(190, 160, 320, 24), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Version %1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision));
  painter.setPen(QPen(QColor(255, 200, 60), 3));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(area.adjusted(1, 1, -2, -2));
  return picture;
}

SplashWindow::SplashWindow(std::function<void()> openMain)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), openMain_(std::move(openMain)) {
  setObjectName(QStringLiteral("frmSplash"));
  picture_ = drawSplashPicture();
  setFixedSize(picture_.size());
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  Timer1.setSingleShot(true);
  Timer1.setInterval(SplashDelay);
  connect(&Timer1, &QTimer::timeout, this, &SplashWindow::Timer1_Timer);
  Timer1.start();
}

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

void SplashWindow::Timer1_Timer() {
  Timer1.stop();
  if (openMain_) openMain_();
  close();
}

}  // namespace mainwindow
