#pragma once

#include <QString>

#include "platform/core/FileRemover.h"

namespace platform {

// What the user does with a lock file whose program may no longer run,
// asked of whoever may delete it: this account, the account whose file it is
// (or an administrator), or anyone once its folder is writable again. then
// says what follows the deletion ("try again", "start the program again").
QString ifNoLongerRunning(const QString& lockFile, const FileRemover& remover, const QString& then);

}  // namespace platform
