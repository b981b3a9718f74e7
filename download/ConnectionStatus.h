#pragma once

#include <QString>

#include <optional>

namespace download {

// The connection-state codes of the wizard's connection status panel.
namespace ConnectionState {
inline constexpr int Connected = 0;
inline constexpr int NotConnected = 1;
inline constexpr int Downloading = 2;
inline constexpr int CommunicationError = 3;
inline constexpr int DownloadComplete = 4;
inline constexpr int DatabaseError = 5;
inline constexpr int NoTablesCreated = 6;
inline constexpr int DatabaseConnectionError = 7;
}  // namespace ConnectionState

// What the panel shows for a code: its text (with its trailing blank) and the
// program file of its picture.
struct ConnectionLook {
  QString text;
  QString picture;
};

// The look of a code 0 to 7; nothing for any other code.
std::optional<ConnectionLook> connectionLook(int Connection_State);

// The code the download driver shows when a download ends with a status code
// other than 0 (instrument/StatusCodes.h).
int connectionStateForFailure(int Download_Status);

}  // namespace download
