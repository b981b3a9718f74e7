#pragma once

#include <QString>

namespace platform {

// Forces what an open descriptor holds to the disk. 0 when it is there, else
// the system's error number. A file system that cannot sync at all (EINVAL:
// a pipe, some special file systems) has nothing to force and counts as done.
int syncDescriptor(int descriptor);

// Forces a file, or a folder (the names in it), to the disk. False when it
// cannot be opened or the disk refuses.
bool syncPath(const QString& path);

// Forces a file and then its folder to the disk, so that the file's contents
// and its name in the folder (after a create or a rename) survive a power
// loss.
bool syncFileAndFolder(const QString& filePath);

}  // namespace platform
