#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace platform {

// What the program reads (settings, marks, pictures, project files) it reads
// only from a regular file: a pipe in its place would block the read until a
// writer came, a device may never end it, and a folder holds no bytes.
struct RegularFile {
  enum Outcome { Read, Missing, NotRegular, TooLarge, Unreadable };
  Outcome outcome = Missing;
  QByteArray bytes;  // the whole file when Read
  QString error;     // the system's reason when Unreadable
};

// Reads the file whole when it is a regular file of at most limit bytes. A
// symbolic link is followed; one that names nothing is Missing. No device or
// pipe is ever opened.
RegularFile readRegularFile(const QString& path, qint64 limit);

// Says that path is no regular file, naming what it may be instead:
// "... is no regular file (a folder, a device, a pipe or a socket)".
QString noRegularFileText(const QString& path);

}  // namespace platform
