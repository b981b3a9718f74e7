#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// What a lock file says of its holder, in the lines Qt's lock files hold as
// well (process id, program name, computer name, machine id, boot id), so
// that a folder of an earlier version, whose lock files Qt wrote, reads alike.
// Only the computer counts: on this computer the native lock alone tells
// whether the holder runs.
QByteArray lockFileTextOfThisProcess();

// The computer the text names when it is not this one: another computer
// name, or this one's with another machine id (computers cloned from one
// image). Empty for this computer, and for a text too short or garbled to
// name one; a line not ended (a text read while it is written) counts as none.
QString otherComputerIn(const QByteArray& text);

}  // namespace platform
