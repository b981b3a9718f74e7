#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// The writer's temporary file is the name, this mark and six letters
// ("Info.qvt.quorvane-write-AbCdEf"). The mark is what tells it from a copy a
// user made beside the file ("Info.qvt.backup"), which is never swept.
inline const QString WholeFileTemporaryMark = QStringLiteral(".quorvane-write-");

// Writes a whole file so that it is either replaced completely or not at all:
// the bytes go to a temporary file beside it (WholeFileTemporaryMark),
// unbuffered so that a full disk shows at the write itself, which is then
// flushed, synced and renamed over the old file (over the file a symbolic link
// names, when path is one, also one still to be made); the folder is synced
// after. Only a regular file is replaced: a folder, a device, a pipe or a
// socket in path's place or at the end of its link, or links that never end,
// are refused by name, and so is a link that another account made (neither
// the folder's owner nor the administrator), which may name this account's
// own file. A read-only file is not replaced. On any failure the old file stays
// as it was and error (when given) says why, in words for the user.
bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Removes what a writeWholeFile of path cut short (a kill, a power loss) can
// leave beside it: its temporary file, which carries the writer's mark.
// Nothing else is touched: not a user's copy such as "Info.qvt.backup", nor
// what writers before the mark left, which no name tells from such a copy.
// Only for a file no one else may be writing.
void removeWholeFileLeftovers(const QString& path);

}  // namespace platform
