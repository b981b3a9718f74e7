#pragma once

#include <QByteArray>
#include <QList>

namespace instrument {
class Parse;
}

namespace fuzzing {

// What one printout fed through feedAsReceived left behind.
struct FeedOutcome {
  // Parser results the parser of the model never returns, in order.
  QList<int> unexpectedResults;
  // The loop stopped because the working database could not store a row.
  bool databaseFailed = false;
};

// Feeds bytes to the parser of a model one read at a time as the receive loop
// of a download does: codes 32 to 90 and carriage return go in as texts of one
// character; a zero byte stands for an empty read, which goes in as an empty
// text after a carriage return; the end markers (253, 202) and any other code
// of 128 or more end the printout; other codes are dropped. A completed
// printout (89) ends a download except on the load frame, whose continuous
// download goes on with the next test. Commits and closes at the end.
FeedOutcome feedAsReceived(instrument::Parse& parse, int modelCode, const QByteArray& bytes);

// Whether the parser of a model may return result from one call.
bool parserMayReturn(int modelCode, int result);

}  // namespace fuzzing
