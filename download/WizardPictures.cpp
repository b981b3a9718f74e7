#include "download/WizardPictures.h"

#include <QDir>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/report/PictureFile.h"

namespace download {
namespace {

const QColor Steel(112, 120, 132);
const QColor DarkSteel(52, 58, 66);
const QColor Live(24, 170, 60);
const QColor Dead(200, 30, 30);

QPixmap blank(int width, int height) {
  QPixmap picture(width, height);
  picture.fill(Qt::transparent);
  return picture;
}

// A plug seen from the side in a picture of height s: its body from x to
// x + body, its pins pointing right (or left), its cable leaving the picture.
void drawPlug(QPainter& painter, qreal x, qreal s, qreal width, bool pinsRight) {
  const qreal body = s * 0.42;
  const qreal pins = s * 0.22;
  painter.setPen(QPen(DarkSteel, s / 8, Qt::SolidLine, Qt::RoundCap));
  const qreal cableEnd = pinsRight ? 0 : width;
  painter.drawLine(QPointF(pinsRight ? x : x + body, s * 0.5), QPointF(cableEnd, s * 0.5));
  painter.setPen(QPen(DarkSteel, s / 16));
  painter.setBrush(Steel);
  painter.drawRoundedRect(QRectF(x, s * 0.25, body, s * 0.5), s * 0.08, s * 0.08);
  painter.setPen(QPen(DarkSteel, s / 10, Qt::SolidLine, Qt::FlatCap));
  const qreal from = pinsRight ? x + body : x;
  const qreal to = pinsRight ? from + pins : from - pins;
  for (qreal y : {s * 0.38, s * 0.62}) painter.drawLine(QPointF(from, y), QPointF(to, y));
}

}  // namespace

QString findProgramFile(const QString& relativePath) {
  const QFileInfo wanted(platform::ProgramFolder::path(relativePath));
  if (wanted.exists()) return wanted.filePath();
  const QDir folder = wanted.dir();
  const QStringList names = folder.entryList(QDir::Files);
  for (const QString& name : names)
    if (name.compare(wanted.fileName(), Qt::CaseInsensitive) == 0) return folder.filePath(name);
  return {};
}

std::optional<QPixmap> programPicture(const QString& relativePath) {
  const QString file = findProgramFile(relativePath);
  if (!file.isEmpty()) {
    const QImage picture = platform::readPictureFile(file);
    if (picture.isNull()) return std::nullopt;
    return QPixmap::fromImage(picture);
  }
  const auto is = [&](const QString& name) { return relativePath.compare(name, Qt::CaseInsensitive) == 0; };
  if (is(platform::ProgramFiles::ConnectedPicture)) return drawConnectedPicture();
  if (is(platform::ProgramFiles::UnconnectedPicture)) return drawUnconnectedPicture();
  if (is(platform::ProgramFiles::WizardPicture)) return drawWizardPicture();
  return std::nullopt;
}

QPixmap drawConnectedPicture(int size) {
  const qreal s = size;
  const int width = size * 3 / 2;
  QPixmap picture = blank(width, size);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  // Two plugs pushed together, a green light over the joint.
  drawPlug(painter, width / 2.0 - s * 0.64, s, width, true);
  drawPlug(painter, width / 2.0 + s * 0.22, s, width, false);
  painter.setPen(QPen(DarkSteel, s / 16));
  painter.setBrush(Live);
  painter.drawEllipse(QPointF(width / 2.0, s * 0.16), s * 0.14, s * 0.14);
  return picture;
}

QPixmap drawUnconnectedPicture(int size) {
  const qreal s = size;
  const int width = size * 3 / 2;
  QPixmap picture = blank(width, size);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  // Two plugs pulled apart, a red break between them.
  drawPlug(painter, 0, s, width, true);
  drawPlug(painter, width - s * 0.42, s, width, false);
  painter.setPen(QPen(Dead, s / 8, Qt::SolidLine, Qt::RoundCap));
  const qreal middle = width / 2.0;
  painter.drawLine(QPointF(middle - s * 0.08, s * 0.22), QPointF(middle + s * 0.08, s * 0.78));
  return picture;
}

QPixmap drawWizardPicture(int width, int height) {
  QPixmap picture(width, height);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal w = width;
  const qreal h = height;
  QLinearGradient sky(0, 0, 0, h);
  sky.setColorAt(0, QColor(18, 52, 110));
  sky.setColorAt(1, QColor(70, 140, 210));
  painter.fillRect(picture.rect(), sky);

  // A field gauge on the ground, its infrared eye sending to a computer.
  painter.setPen(QPen(QColor(60, 40, 0), 2));
  painter.setBrush(QColor(240, 178, 30));
  const QRectF gauge(w * 0.10, h * 0.62, w * 0.42, h * 0.22);
  painter.drawRoundedRect(gauge, 6, 6);
  painter.setBrush(QColor(40, 40, 40));
  painter.drawRect(QRectF(gauge.left() + w * 0.05, gauge.top() + h * 0.04, w * 0.20, h * 0.07));
  painter.setBrush(QColor(200, 0, 0));
  painter.drawEllipse(QPointF(gauge.right() - w * 0.06, gauge.top() + h * 0.05), w * 0.03, w * 0.03);

  painter.setPen(QPen(QColor(255, 70, 70), 3, Qt::SolidLine, Qt::RoundCap));
  const QPointF eye(gauge.right() - w * 0.06, gauge.top() + h * 0.05);
  for (int i = 1; i <= 3; ++i) {
    const qreal r = w * 0.08 * i;
    painter.drawArc(QRectF(eye.x() - r, eye.y() - r, 2 * r, 2 * r), 30 * 16, 60 * 16);
  }

  painter.setPen(QPen(QColor(20, 20, 30), 2));
  painter.setBrush(QColor(225, 228, 235));
  const QRectF screen(w * 0.50, h * 0.14, w * 0.40, h * 0.22);
  painter.drawRoundedRect(screen, 4, 4);
  painter.setBrush(QColor(30, 90, 60));
  painter.drawRect(screen.adjusted(w * 0.03, h * 0.02, -w * 0.03, -h * 0.03));
  painter.setPen(QPen(QColor(120, 255, 150), 2));
  for (int i = 0; i < 3; ++i) {
    const qreal y = screen.top() + h * (0.06 + 0.045 * i);
    painter.drawLine(QPointF(screen.left() + w * 0.07, y), QPointF(screen.right() - w * (0.07 + 0.05 * i), y));
  }
  painter.setPen(QPen(QColor(20, 20, 30), 2));
  painter.setBrush(QColor(190, 194, 204));
  painter.drawRect(QRectF(screen.center().x() - w * 0.04, screen.bottom(), w * 0.08, h * 0.04));
  painter.drawRect(QRectF(screen.left() + w * 0.04, screen.bottom() + h * 0.04, w * 0.32, h * 0.03));

  painter.setPen(QPen(QColor(90, 140, 60), 0));
  painter.setBrush(QColor(90, 140, 60));
  painter.drawRect(QRectF(0, h * 0.84, w, h * 0.16));
  return picture;
}

}  // namespace download
