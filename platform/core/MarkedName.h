#pragma once

#include <QString>

namespace platform {

// The program's own files beside one of its files, named with a mark and
// six letters after the file's name ("Info.qvt.quorvane-write-AbCdEf"): the
// whole-file writer's temporary files, a lock file while it is made. The mark
// and the letters tell them from a copy a user made beside the file
// ("Info.qvt.backup"), which is never removed.
QString markedName(const QString& path, const QString& mark);

// Removes the files beside path that markedName(path, mark) names, whatever
// their letters, and nothing else.
void removeMarkedFiles(const QString& path, const QString& mark);

}  // namespace platform
