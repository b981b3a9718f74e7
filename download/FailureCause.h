#pragma once

#include <QString>

namespace download {

// Why a download was refused before anything was touched, where its status
// code (status::DatabaseLocked) does not tell.
enum class Refusal {
  None,
  // Other long work of the program (a project file being read) held the
  // working database.
  OtherWorkRunning,
  // The program could not hold its folder's claim; the user was told why.
  FolderNotHeld,
};

// What the driver, the receive loop and the parser know of a failed
// download.
struct FailureFacts {
  int Download_Status = 0;
  // The receive loop ended on its empty-read limit rather than on an
  // overflow of the port (both are status::ReceiveOverflow).
  bool fellSilent = false;
  // Some of the printout read as data of the model chosen (a table was made).
  bool printoutRead = false;
  // The printout was the end mark alone.
  bool printoutEmpty = false;
  Refusal refused = Refusal::None;
  // A lower layer's own words for why it refused (the lock file, the copy of
  // the previous data); empty when it gave none.
  QString refusal;
  // The COM port that did not open, 1 to 4; 0 when the port opened.
  int portNotOpened = 0;
};

// Why a download failed, in words the user can act on, for the status code it
// ended with (instrument/StatusCodes.h). Empty for a code that needs none
// (success, the user's own halt) or that needs the facts below. A failure on
// the working database's disk names the folder it is in.
QString failureCause(int Download_Status);
// How a failed download ended and why, from all that is known of it; where
// the printout did not read as the model chosen (Model_Code), it says so and
// names that model as a cause to check.
QString failureCause(const FailureFacts& facts, int Model_Code);

// Why COM port (1 to 4) did not open: which device it is, where that was
// found, and what to check.
QString portErrorCause(int port);

}  // namespace download
