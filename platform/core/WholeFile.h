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

}  // namespace platform
