#pragma once

#include <QString>

namespace download {

// Why a download failed, in words the user can act on, for the status code it
// ended with (instrument/StatusCodes.h). Empty for a code that needs none
// (success, the user's own halt) or that the wizard reports otherwise. A
// failure on the working database's disk names the folder it is in.
QString failureCause(int Download_Status);

// Why COM port (1 to 4) did not open: which device it is, where that was
// found, and what to check.
QString portErrorCause(int port);

}  // namespace download
