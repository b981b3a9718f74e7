#pragma once

#include <QImage>

#include <utility>

#include "platform/report/ReportObject.h"

namespace platform {

// A picture read from a file when it was added; its size follows the image's
// own resolution (96 dpi when the file names none), kept within a given box.
class PictureObject : public ReportObject {
 public:
  PictureObject(QString name, const QRect& geometry, QString file, QImage image)
      : ReportObject(ReportObjectKind::Picture, std::move(name), geometry),
        file_(std::move(file)),
        image_(std::move(image)) {}

  const QString& fileName() const { return file_; }
  const QImage& image() const { return image_; }

  // Size of an image in twips, scaled down (keeping its shape) to fit within
  // maxWidth x maxHeight.
  static QSize naturalSize(const QImage& image, int maxWidth, int maxHeight);

 private:
  QString file_;
  QImage image_;
};

}  // namespace platform
