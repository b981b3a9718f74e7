#include "fuzz/support/ReceiveFeed.h"

#include "instrument/DeviceType.h"
#include "instrument/Parse.h"
#include "instrument/StatusCodes.h"

namespace fuzzing {
namespace {

constexpr unsigned char EmptyRead = 0;
constexpr unsigned char CarriageReturn = 13;
constexpr unsigned char FirstFedCode = 32;
constexpr unsigned char LastFedCode = 90;
constexpr unsigned char FirstForeignCode = 128;

bool fed(unsigned char code) { return code == CarriageReturn || (code >= FirstFedCode && code <= LastFedCode); }

}  // namespace

bool parserMayReturn(int modelCode, int result) {
  namespace status = instrument::status;
  namespace model = instrument::ModelCode;
  if (result == status::NoValue) return true;
  switch (modelCode) {
    case model::LX9100:
    case model::N2600BX: return result == status::ParseComplete || result == status::ParseFailed;
    case model::N2600A: return result == status::ParseFailed;
    case model::T7310: return result == status::StiffnessRejected;
    default: return false;
  }
}

FeedOutcome feedAsReceived(instrument::Parse& parse, int modelCode, const QByteArray& bytes) {
  FeedOutcome outcome;
  const instrument::Parse::Member member = instrument::Parse::memberForModel(modelCode);
  unsigned char lastCode = 0;
  for (const char byte : bytes) {
    const auto code = static_cast<unsigned char>(byte);
    if (code >= FirstForeignCode) break;
    QString read;
    if (code == EmptyRead) {
      if (lastCode != CarriageReturn) continue;
    } else {
      lastCode = code;
      if (!fed(code)) continue;
      read = QString(QChar(code));
    }
    const int result = (parse.*member)(read);
    if (!parserMayReturn(modelCode, result)) outcome.unexpectedResults.append(result);
    if (parse.databaseFailed()) {
      outcome.databaseFailed = true;
      break;
    }
    if (result == instrument::status::ParseComplete && modelCode != instrument::ModelCode::LX9100) break;
  }
  if (!parse.commit()) outcome.databaseFailed = true;
  parse.DeInit();
  return outcome;
}

}  // namespace fuzzing
