#include "download/ConnectionStatus.h"

#include <array>

#include "instrument/StatusCodes.h"
#include "platform/core/ProgramFiles.h"

namespace download {
namespace {

namespace status = instrument::status;
using platform::ProgramFiles::ConnectedPicture;
using platform::ProgramFiles::UnconnectedPicture;

const std::array<ConnectionLook, 8>& looks() {
  static const std::array<ConnectionLook, 8> table{{
      {QStringLiteral("Connected "), ConnectedPicture},
      {QStringLiteral("Not Connected "), UnconnectedPicture},
      {QStringLiteral("Downloading Data "), ConnectedPicture},
      {QStringLiteral("Communication Error "), UnconnectedPicture},
      {QStringLiteral("Download Complete "), UnconnectedPicture},
      {QStringLiteral("Database Error "), UnconnectedPicture},
      {QStringLiteral("No Tables Created "), UnconnectedPicture},
      {QStringLiteral("Database Connection Error "), UnconnectedPicture},
  }};
  return table;
}

}  // namespace

std::optional<ConnectionLook> connectionLook(int Connection_State) {
  if (Connection_State < 0 || Connection_State >= static_cast<int>(looks().size())) return std::nullopt;
  return looks()[static_cast<std::size_t>(Connection_State)];
}

int connectionStateForFailure(int Download_Status) {
  switch (Download_Status) {
    case status::DatabaseLocked:
      return ConnectionState::DatabaseConnectionError;
    // A printout came, but nothing of it was kept: the line itself worked.
    case status::NoTablesCreated:
    case status::StiffnessRejected:
      return ConnectionState::NoTablesCreated;
    // The working database could not be made or could not store the data.
    case status::CreateFailed:
    case status::DatabaseMissing:
    case status::DatabaseWriteFailed:
    case status::BackupFailed:
      return ConnectionState::DatabaseError;
    default:
      return ConnectionState::CommunicationError;
  }
}

}  // namespace download
