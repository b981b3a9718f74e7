#include "mainwindow/ProgramIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/report/PictureFile.h"

namespace mainwindow {

QPixmap drawProgramIcon(int size) {
  QPixmap picture(size, size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;
  // A rounded gauge body with an infrared beam leaving its eye.
  QLinearGradient body(0, 0, 0, s);
  body.setColorAt(0, QColor(255, 196, 40));
  body.setColorAt(1, QColor(214, 120, 0));
  painter.setBrush(body);
  painter.setPen(QPen(QColor(90, 50, 0), s / 32));
  painter.drawRoundedRect(QRectF(s * 0.08, s * 0.22, s * 0.56, s * 0.66), s * 0.08, s * 0.08);
  painter.setBrush(QColor(40, 40, 40));
  painter.drawRect(QRectF(s * 0.16, s * 0.32, s * 0.40, s * 0.18));
  painter.setBrush(QColor(200, 0, 0));
  painter.drawEllipse(QPointF(s * 0.36, s * 0.70), s * 0.07, s * 0.07);
  QPen beam(QColor(220, 20, 20), s / 20, Qt::SolidLine, Qt::RoundCap);
  painter.setPen(beam);
  for (int i = 0; i < 3; ++i) {
    const qreal r = s * (0.12 + 0.1 * i);
    painter.drawArc(QRectF(s * 0.64 - r, s * 0.30 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
  }
  return picture;
}

QIcon programIcon() {
  const QString file = platform::ProgramFolder::path(platform::ProgramFiles::Icon);
  if (const QIcon icon = platform::readIconFile(file); !icon.isNull() && !icon.availableSizes().isEmpty())
    return icon;
  QIcon drawn;
  for (int size : {16, 32, 48, 64}) drawn.addPixmap(drawProgramIcon(size));
  return drawn;
}

}  // namespace mainwindow
