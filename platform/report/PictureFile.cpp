#include "platform/report/PictureFile.h"

#include <QBuffer>
#include <QImageReader>
#include <QPixmap>
#include <algorithm>

#include "platform/core/RegularFile.h"

namespace platform {
namespace {

// The file's bytes for a picture reader, or none.
QByteArray pictureBytes(const QString& path) {
  RegularFile file = readRegularFile(path, PictureFileLimit);
  return file.outcome == RegularFile::Read ? std::move(file.bytes) : QByteArray();
}

}  // namespace

QImage readPictureFile(const QString& path) {
  QByteArray bytes = pictureBytes(path);
  if (bytes.isEmpty()) return {};
  QBuffer buffer(&bytes);
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  return reader.read();
}

QIcon readIconFile(const QString& path) {
  QByteArray bytes = pictureBytes(path);
  if (bytes.isEmpty()) return {};
  QBuffer buffer(&bytes);
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  QIcon icon;
  // A file of one picture has no next one to jump to.
  for (int picture = 0; picture < std::max(1, reader.imageCount()); ++picture) {
    if (picture > 0 && !reader.jumpToNextImage()) break;
    const QImage image = reader.read();
    if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

}  // namespace platform
