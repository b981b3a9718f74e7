#pragma once

#include <QIcon>
#include <QImage>
#include <QString>
#include <QtGlobal>

namespace platform {

// Larger than any picture a report header, a window or a button shows.
inline constexpr qint64 PictureFileLimit = 64 * 1024 * 1024;

// The picture a file holds, told by its contents rather than its name, read
// only from a regular file (readRegularFile) of at most PictureFileLimit
// bytes; a null image when there is none of those.
QImage readPictureFile(const QString& path);

// Every picture of an icon file (an .ico holds one per size), read as
// readPictureFile reads; a null icon when there is none.
QIcon readIconFile(const QString& path);

}  // namespace platform
