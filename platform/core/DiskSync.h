#pragma once

#include <QString>

namespace platform {

// Forces a file, or a folder (the names in it), to the disk. False when it
// cannot be opened or the disk refuses.
bool syncPath(const QString& path);

// Forces a file and then its folder to the disk, so that the file's contents
// and its name in the folder (after a create or a rename) survive a power
// loss.
bool syncFileAndFolder(const QString& filePath);

}  // namespace platform
