#pragma once

#include <QString>

namespace download {

// Why a download failed, in words the user can act on, for the status code it
// ended with (instrument/StatusCodes.h). Empty for a code that needs none
// (success, the user's own halt) or that the wizard reports otherwise.
QString failureCause(int Download_Status);

}  // namespace download
