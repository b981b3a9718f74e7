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
// image). Only a text of the holder's layout names one: a decimal process id,
// a printable computer name and, where there is one (Qt's older lock files
// have none), a machine id of 32 hex digits or none. Empty for this computer,
// and for a text too short or garbled to name one; a line not ended (a text
// read while it is written) counts as none.
QString otherComputerIn(const QByteArray& text);

// Whether a computer a lock file names has this computer's name: then it is
// another computer of the same name (otherComputerIn).
bool isThisComputersName(const QString& computer);

}  // namespace platform
