#pragma once

#include <QString>

namespace platform {

// What the system's error number of a failed file operation means for the
// user. No blocks, no inodes and a used-up quota all leave no room, so all
// three are said as a full disk.
inline const QString DiskFullText = QStringLiteral("the disk is full");

QString fileErrorText(int error);

}  // namespace platform
