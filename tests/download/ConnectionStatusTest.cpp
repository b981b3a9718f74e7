// The panel a failed download leaves: it names what failed, and a printout
// that was read but refused is no communication error.

#include "download/ConnectionStatus.h"

#include <gtest/gtest.h>

#include "instrument/StatusCodes.h"

namespace download {
namespace {

namespace status = instrument::status;

TEST(ConnectionStatusTest, APrintoutReadButNotKeptIsNoCommunicationError) {
  const struct {
    int Download_Status;
    const char* panel;
  } failures[] = {
      {status::PortLost, "Communication Error "},
      {status::NoTablesCreated, "No Tables Created "},
      {status::StiffnessRejected, "No Tables Created "},
  };
  for (const auto& failure : failures)
    EXPECT_EQ(connectionLook(connectionStateForFailure(failure.Download_Status))->text.toStdString(), failure.panel)
        << failure.Download_Status;
}

}  // namespace
}  // namespace download
