#pragma once

#include <QString>

#include <sys/types.h>

namespace platform {

// Who may delete a file, so that a refusal asks it of someone who can.
struct FileRemover {
  enum Who {
    ThisAccount,        // this account may delete it (or it is gone)
    OwningAccount,      // another account's file this one may not delete: that account or an administrator
    NoneWhileReadOnly,  // this account's file in a folder it may not change, or on a read-only disk
  };
  Who who = ThisAccount;
  QString owner;  // the account whose file it is (OwningAccount)
};

// Deleting takes a folder this account may write, and in a folder that keeps
// each account's files its own (the sticky bit) a file or folder of its own.
FileRemover whoMayRemove(const QString& path);

// The account's name, or its number where it has none.
QString accountName(uid_t account);

}  // namespace platform
