#include "instrument/ProjectReplay.h"

#include <QElapsedTimer>

#include "instrument/DeviceType.h"
#include "instrument/Parse.h"
#include "instrument/ProjectTableList.h"
#include "instrument/StatusCodes.h"

namespace instrument {

namespace {
constexpr unsigned char EndMarker = 253;
constexpr unsigned char CarriageReturn = 13;
constexpr unsigned char LineFeed = 10;
}  // namespace

ProjectReplay::ProjectReplay(Parse& parser, int modelCode, Yield yield)
    : parser_(parser), modelCode_(modelCode), yield_(std::move(yield)) {}

bool ProjectReplay::passes(unsigned char byte) {
  return (byte >= 32 && byte <= 90) || byte == CarriageReturn || byte == EndMarker;
}

int ProjectReplay::lineOf(const QByteArray& file, qsizetype offset) const {
  return static_cast<int>(QByteArrayView(file).first(offset).count('\n')) + 1;
}

ProjectReplay::Outcome ProjectReplay::run(const QByteArray& file, qsizetype bodyStart) {
  const Parse::Member member = Parse::memberForModel(modelCode_);
  const bool endsAtComplete = modelCode_ == ModelCode::N2600BX;
  const qint64 total = file.size();
  int lastResult = status::NoValue;
  int completedTests = 0;
  QElapsedTimer sinceYield;
  sinceYield.start();

  // The file's last byte that was passed on as it stands: a line feed ends a
  // line only when that was not a carriage return, so that neither a byte the
  // feed drops between CR and LF nor a further LF makes a second line end
  // (a printout fed CR LF LF has one). A line feed turned into a line end
  // does not count, so that LF LF still gives two.
  unsigned char lastPassed = 0;
  qsizetype i = bodyStart;
  for (int sinceCheck = 0; i < file.size(); ++i) {
    const auto raw = static_cast<unsigned char>(file[i]);
    auto byte = raw;
    // A file saved with bare line feeds (as editors here do) has its line
    // ends where the parsers look for them: at a carriage return.
    if (byte == LineFeed && lastPassed != CarriageReturn) byte = CarriageReturn;
    if (passes(raw)) lastPassed = raw;
    if (member != nullptr && passes(byte)) {
      const QChar c(byte);
      lastResult = (parser_.*member)(QStringView(&c, 1));
      if (parser_.databaseFailed()) return Outcome::DatabaseFailed;
      if (lastResult == status::ParseFailed || lastResult == status::StiffnessRejected) {
        failedLine_ = lineOf(file, i);
        return Outcome::Failed;
      }
      if (lastResult == status::ParseComplete) {
        ++completedTests;
        if (endsAtComplete) return Outcome::Complete;
      }
    }
    if (++sinceCheck < YieldCheckCharacters) continue;
    sinceCheck = 0;
    if (sinceYield.elapsed() < YieldSliceMs) continue;
    if (!yield_(i + 1, total)) return Outcome::Stopped;
    sinceYield.restart();
  }

  // Every line of a project file ends with a line end (or the printout with
  // its end marker), and every load-frame test with END: anything else means
  // the file was cut off.
  const bool bodyEndsLine = bodyStart >= file.size() || file.endsWith(char(LineFeed)) ||
                            file.endsWith(char(CarriageReturn)) || file.endsWith(char(EndMarker));
  if (!bodyEndsLine && lastResult != status::ParseComplete) return Outcome::CutOff;
  if (modelCode_ == ModelCode::LX9100 && listedTables(parser_.retrn_message()).size() > completedTests)
    return Outcome::CutOff;
  return Outcome::Complete;
}

}  // namespace instrument
