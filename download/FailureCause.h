#pragma once

#include <QString>

namespace download {

// Why a download failed, in words the user can act on, for the status code it
// ended with (instrument/StatusCodes.h). Empty for a code that needs none
// (success, the user's own halt) or that the wizard reports otherwise. A
// failure on the working database's disk names the folder it is in.
QString failureCause(int Download_Status);

// Added to the lost port's cause when a continuous download kept the tests
// that were complete before the port went.
QString keptTestsNote();

}  // namespace download
