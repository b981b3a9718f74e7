#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Writes a whole file so that it is either replaced completely or not at all:
// the bytes go to a temporary file beside it, unbuffered so that a full disk
// shows at the write itself, which is then flushed, synced and renamed over
// the old file. On any failure the old file stays as it was and error (when
// given) says why, in words for the user.
bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Removes what a writeWholeFile of path cut short (a kill, a power loss) can
// leave beside it: its temporary file, path's name with a dot and six letters
// added. Nothing else is touched. Only for a file no one else may be writing.
void removeWholeFileLeftovers(const QString& path);

}  // namespace platform
