#include "download/Communication.h"

#include <cmath>
#include <utility>

#include "instrument/CreateDatabase.h"
#include "instrument/DeviceType.h"
#include "instrument/StatusCodes.h"
#include "platform/db/Database.h"
#include "platform/serial/CommCodes.h"
#include "platform/serial/CommControl.h"
#include "platform/serial/PortClaims.h"
#include "platform/serial/ReceiveClock.h"
#include "platform/serial/ReceiveWait.h"

namespace download {
namespace {

namespace status = instrument::status;
namespace DeviceType = instrument::DeviceType;
using platform::CommControl;
using platform::CommError::PortAlreadyOpen;

const QString ProbeSettings = QStringLiteral("9600,N,8,1");
const QString DownloadFraming = QStringLiteral(",N,8,1");
const QByteArray ProbeCommand = QByteArrayLiteral("ATI1\r");
constexpr double ProbeWaitSeconds = 2.0;
constexpr int ProbeSliceMillis = 50;
constexpr int ProbeInputLen = 0;
constexpr int ModemReplyLength = 2;
constexpr int DownloadInputLen = 1;
// How long opening a port for a download waits for the port probe to give
// it up (the probe looks every few milliseconds).
constexpr int ProbeYieldMillis = 90;

constexpr int LineFeed = 10;
constexpr int CarriageReturn = 13;
constexpr int Blank = 32;
constexpr int LetterD = 68;
constexpr int FirstFedCode = 32;
constexpr int LastFedCode = 90;
constexpr int FirstForeignCode = 128;
constexpr int EndMarker = 253;
constexpr int EmptyPrintoutMarker = 202;

// The receive loop goes on (a value no status code takes).
constexpr int Continue = -1;

// Runs the steps in order until one returns an error code; returns it, or 0.
template <typename... Steps>
int firstError(Steps&&... steps) {
  int error = 0;
  ((error = error == 0 ? steps() : error), ...);
  return error;
}

int code(const QByteArray& s) { return static_cast<unsigned char>(s.at(0)); }

bool isLineEnd(const QByteArray& s) { return code(s) == LineFeed || code(s) == CarriageReturn; }

// What may follow a test's END before the next test: nothing, line ends, blanks.
bool isTestEndFiller(const QByteArray& s) { return s.isEmpty() || isLineEnd(s) || code(s) == Blank; }

// Marks the stretch of GetData after the first character; an overflow there
// throws away what was received.
class ReceivingScope {
 public:
  explicit ReceivingScope(bool& receiving) : receiving_(receiving) { receiving_ = true; }
  ~ReceivingScope() { receiving_ = false; }
  ReceivingScope(const ReceivingScope&) = delete;
  ReceivingScope& operator=(const ReceivingScope&) = delete;

 private:
  bool& receiving_;
};

}  // namespace

Communication::Communication(int* Download_Status, QObject* parent)
    : QObject(parent),
      downloadStatus_(Download_Status != nullptr ? Download_Status : &ownStatus_),
      parse_(std::make_unique<instrument::Parse>(downloadStatus_)),
      clock_(std::make_shared<platform::SteadyClock>()),
      wait_(std::make_shared<platform::EventLoopWait>()),
      claims_(std::make_shared<platform::PortClaims>()) {}

Communication::~Communication() = default;

void Communication::setClock(std::shared_ptr<platform::ReceiveClock> clock) { clock_ = std::move(clock); }

void Communication::setWait(std::shared_ptr<platform::ReceiveWait> wait) { wait_ = std::move(wait); }

QString Communication::AvailablePorts() {
  QString ports;
  for (int port = 1; port <= 4; ++port) ports += ProbePort(port);
  return ports;
}

QChar Communication::ProbePort(int port) {
  // A download that is running keeps its port and its control: its port is
  // in use, the others are probed on a control of their own.
  if (downloadPortOpen_) {
    if (port == downloadPort_) return PortInUse;
    if (control_ == nullptr) return PortUnavailable;
    CommControl own(control_->devices());
    return probeWith(own, port);
  }
  if (control_ == nullptr) return PortUnavailable;
  return probeWith(*control_, port);
}

QChar Communication::probeWith(CommControl& control, int port) {
  const auto failed = [](int error) { return error == PortAlreadyOpen ? PortInUse : PortUnavailable; };
  if (control.portOpen()) control.setPortOpen(false);
  const int error = firstError([&] { return control.setCommPort(port); },
                               [&] { return control.setSettings(ProbeSettings); },
                               [&] { return control.setInputLen(ProbeInputLen); },
                               [&] { return control.setPortOpen(true); },
                               [&] { return control.output(ProbeCommand); });
  if (error != 0) return failed(error);

  const double start = clock_->seconds();
  while (control.inBufferCount() == 0 && clock_->seconds() - start < ProbeWaitSeconds) {
    if (!control.portOpen()) return PortUnavailable;
    wait_->block(&control, ProbeSliceMillis);
  }
  QChar result = QChar(u'0' + port);
  if (control.inBufferCount() >= ModemReplyLength) {
    result = ModemPort;
    control.setInBufferCount(0);
  }
  if (control.portOpen()) control.setPortOpen(false);
  return result;
}

int Communication::RunTest() {
  if (control_ == nullptr) return status::PortError;
  CommControl& control = *control_;
  if (control.portOpen()) control.setPortOpen(false);
  downloadPortOpen_ = false;
  claims_->claimForDownload(serialPort_, ProbeYieldMillis);
  const int error =
      firstError([&] { return control.setCommPort(serialPort_); },
                 [&] { return control.setSettings(QString::number(baudRate_) + DownloadFraming); },
                 [&] { return control.setInputLen(DownloadInputLen); },
                 [&] { return control.setHandshaking(platform::Handshaking::XonXoff); },
                 [&] { return control.setInBufferSize(ReceiveBufferSize); }, [&] { return control.setPortOpen(true); });
  if (error != 0) {
    claims_->releaseDownload();
    return status::PortError;
  }

  const int result = control.portOpen() ? status::Ok : status::PortError;
  if (result != status::Ok) claims_->releaseDownload();
  parserInitialised_ = false;
  Stop_ = false;
  Halt_ = false;
  Finished_ = true;
  pending_.clear();
  completeTests_.clear();
  keptCompleteTests_ = false;
  droppedTestInProgress_ = false;
  forgetHowItEnded();
  downloadPortOpen_ = result == status::Ok;
  downloadPort_ = serialPort_;
  return result;
}

int Communication::Close_Port() {
  downloadPortOpen_ = false;
  pending_.clear();
  claims_->releaseDownload();
  int result = platform::CommError::ObjectNotSet;
  if (control_ != nullptr) {
    if (control_->portOpen()) control_->setPortOpen(false);
    control_->setInBufferCount(0);
    result = platform::CommError::None;
  }
  parse_->DeInit();
  return result;
}

int Communication::Check_CommEvent() {
  if (control_ == nullptr || control_->commEvent() != platform::CommEvent::ReceiveOverflow) return 0;
  // What was received is incomplete: a new, empty working database replaces
  // it. Before the first character nothing was received, and the data of the
  // previous download stays.
  if (receiving_) {
    parse_->DeInit();
    parse_->Initit(Tables_Created);
    parse_->DeInit();
  }
  return status::ReceiveOverflow;
}

QByteArray Communication::read() {
  if (!pending_.isEmpty()) return std::exchange(pending_, QByteArray());
  QByteArray s;
  if (control_ != nullptr) control_->input(s);
  return s;
}

void Communication::pause() {
  if (!pending_.isEmpty() || (control_ != nullptr && control_->hasInput())) {
    wait_->yield();
  } else {
    wait_->idle(control_);
  }
}

void Communication::dropTestEnd() {
  for (int i = 0; i < ReadsDroppedAfterTest && dropLineEnd(); ++i) {
  }
}

bool Communication::dropLineEnd() {
  QByteArray s = read();
  for (int i = 0; s.isEmpty() && i < DropWaitReads && control_ != nullptr && control_->portOpen(); ++i) {
    wait_->idle(control_);
    s = read();
  }
  if (isTestEndFiller(s)) return true;
  pending_ = s;
  return false;
}

bool Communication::portLost() const { return downloadPortOpen_ && control_ != nullptr && !control_->portOpen(); }

bool Communication::endsBySilence(int device_type) {
  return device_type == DeviceType::LoadFrameSingle || device_type == DeviceType::T7310;
}

bool Communication::awaitsSilence(int device_type, double quietSeconds) const {
  return receiving_ && endsBySilence(device_type) && clock_->seconds() - lastCharacterAt_ >= quietSeconds;
}

void Communication::forgetHowItEnded() {
  receiveEnd_ = ReceiveEnd::Other;
  endedAfterCompleteRecord_ = false;
  printoutEmpty_ = false;
  recordDropped_.clear();
  recordUnfinished_.clear();
}

bool Communication::countEmptyRead() { return ++emptyReads_ > EmptyReadLimit; }

std::optional<int> Communication::silenceSecondsLeft() const {
  const double silent = clock_->seconds() - lastCharacterAt_;
  if (!receiving_ || !endsBySilence(deviceType_) || emptyReads_ == 0 || silent < CountdownAfterSeconds)
    return std::nullopt;
  // An empty read lasts a little longer than EmptyReadMillis (the events run
  // meanwhile, and more so on a busy computer), so the pace is measured
  // rather than assumed.
  const double perRead = silent / emptyReads_;
  return static_cast<int>(std::lround(perRead * (EmptyReadLimit - emptyReads_)));
}

bool Communication::hasCompleteTests(int device_type) const {
  return device_type == DeviceType::LoadFrameContinuous && !completeTests_.isEmpty();
}

int Communication::GetData(int device_type, bool Disable_Timer) {
  if (control_ != nullptr) control_->setInBufferCount(0);
  while (!read().isEmpty()) {
  }
  deviceType_ = device_type;
  emptyReads_ = 0;
  forgetHowItEnded();

  // Waiting for the first character.
  QByteArray s;
  const double start = clock_->seconds();
  while (s.isEmpty() || isLineEnd(s)) {
    if (Check_CommEvent() == status::ReceiveOverflow) return status::OverflowWaiting;
    if (Halt_ && hasCompleteTests(device_type)) return keepCompleteTests(status::Ok);
    if ((!Disable_Timer && clock_->seconds() - start > FirstCharacterTimeoutSeconds) || Halt_)
      return status::PortError;
    s = read();
    if (portLost()) return lostPort(device_type);
    if (Stop_) return status::Ok;
    pause();
  }

  if (!parserInitialised_) {
    const int created = parse_->Initit(Tables_Created);
    setStatus(created);
    // Without a working database nothing can be stored: the download ends
    // with the database status instead of running on.
    if (created != status::Ok) return created;
    parserInitialised_ = true;
    completeTests_.clear();
  }
  Finished_ = false;
  lastCharacterAt_ = clock_->seconds();
  emit firstTextReceived(QString::fromLatin1(s));
  printoutEmpty_ = code(s) == EndMarker || code(s) == EmptyPrintoutMarker;

  const ReceivingScope receiving(receiving_);
  return receive(device_type, s);
}

int Communication::receive(int device_type, QByteArray& s) {
  int c = code(s);
  for (;;) {
    if (c == EndMarker || c == EmptyPrintoutMarker) {
      receiveEnd_ = ReceiveEnd::EndMark;
      return endOfData(device_type);
    }
    if (Halt_) return halt(device_type);
    if (!s.isEmpty()) c = code(s);
    if (c >= FirstForeignCode && c != EndMarker) return status::ForeignCharacter;

    if (c != EndMarker) {
      if (device_type != DeviceType::LoadFrameContinuous && s.isEmpty()) {
        if (countEmptyRead()) return silenceLimit(device_type);
      } else if (!(device_type == DeviceType::LoadFrameContinuous && s.isEmpty() && !Finished_)) {
        emptyReads_ = 0;
      }
    }

    // Every empty read after a carriage return is fed too, as an empty text.
    if ((!s.isEmpty() && c >= FirstFedCode && c <= LastFedCode) || c == CarriageReturn) {
      const int result = feed(device_type, c, s);
      if (result != Continue) return result;
    }

    if (Stop_) return tablesComplete();
    s = read();
    if (!s.isEmpty()) lastCharacterAt_ = clock_->seconds();
    if (portLost()) return lostPort(device_type);
    if (Check_CommEvent() == status::ReceiveOverflow) return status::ReceiveOverflow;
    pause();
  }
}

int Communication::feed(int device_type, int c, QByteArray& s) {
  if (c != LetterD) Finished_ = false;
  const instrument::Parse::Member member = instrument::Parse::memberForDevice(device_type);
  if (member == nullptr) return Continue;
  const int result = ((*parse_).*member)(QString::fromLatin1(s));
  if (parse_->databaseFailed()) return storeFailed();

  if (device_type != DeviceType::LoadFrameContinuous) {
    if (result == status::ParseComplete) {
      // The N2600BX parser also ends its report after some empty reads past a
      // line end: a silence, its closing line never seen.
      receiveEnd_ = s.isEmpty() ? ReceiveEnd::SilenceLimit : ReceiveEnd::EndMark;
      return tablesComplete();
    }
    if (device_type == DeviceType::T7310 && result == status::StiffnessRejected) return status::StiffnessRejected;
    return Continue;
  }

  // A failed parser call leaves the status as it was.
  if (result >= 0) setStatus(result);
  if (result == status::ParseComplete) {
    if (Stop_) return tablesComplete();
    completeTests_ = parse_->retrn_message();
    Finished_ = true;
    dropTestEnd();
    // A next test sent right behind is already being received.
    Finished_ = pending_.isEmpty();
    s.clear();
  }
  return Continue;
}

int Communication::silenceLimit(int device_type) {
  receiveEnd_ = ReceiveEnd::SilenceLimit;
  endedAfterCompleteRecord_ = parse_->standsBetweenRecords(device_type);
  if (!endedAfterCompleteRecord_) recordUnfinished_ = parse_->recordCutOff(device_type);
  return silence(device_type);
}

int Communication::silence(int device_type) {
  if (endsBySilence(device_type)) {
    // Silence after some tables ends the printout; silence before any table
    // is a download that produced nothing.
    return parse_->retrn_message().isEmpty() ? endOfData(device_type) : tablesComplete();
  }
  parse_->DeInit();
  return status::ReceiveOverflow;
}

int Communication::tablesComplete() {
  if (!parse_->commit()) return storeFailed();
  Tables_Created = parse_->retrn_message();
  return status::Ok;
}

int Communication::storeFailed() {
  parserInitialised_ = false;
  parse_->DeInit();
  return status::DatabaseWriteFailed;
}

int Communication::endOfData(int device_type) {
  if (!parse_->commit()) return storeFailed();
  Tables_Created = parse_->retrn_message();
  if (Tables_Created.isEmpty()) {
    parse_->DeInit();
    platform::db::Database::removeFile(instrument::CreateDatabase::databasePath());
    return status::NoTablesCreated;
  }
  // A continuous download goes on with the next test in the same database;
  // Close_Port closes it at the end.
  if (device_type == DeviceType::LoadFrameContinuous) {
    completeTests_ = Tables_Created;
  } else {
    parse_->DeInit();
  }
  Finished_ = true;
  return status::Ok;
}

int Communication::halt(int device_type) {
  // Closing the wizard keeps a continuous download's complete tests, as Done
  // would, and ends a download that only awaits its silence as that silence
  // would; anything else received is abandoned. The wizard shows that wait
  // from CountdownAfterSeconds of silence on, and a close it shows is a close
  // during the wait.
  if (hasCompleteTests(device_type)) return keepCompleteTests(status::Ok);
  if (awaitsSilence(device_type, CountdownAfterSeconds)) {
    const int ended = endAsSilence(device_type, ReceiveEnd::QuietHalt);
    if (ended != Continue) return ended;
  }
  parserInitialised_ = false;
  parse_->DeInit();
  return status::Halted;
}

int Communication::lostPort(int device_type) {
  if (hasCompleteTests(device_type)) return keepCompleteTests(status::PortLost);
  // On a quiet line, the parser between runs, the printout is over and only
  // the silence that ends it was awaited: the download ends as that silence
  // would have ended it. A run whose header line came, but none of its bins,
  // is dropped then.
  if (awaitsSilence(device_type, QuietSeconds) && parse_->standsAtLineEnd(device_type)) {
    const int ended = endAsSilence(device_type, ReceiveEnd::QuietPortLost);
    if (ended != Continue) return ended;
  }
  // A printout cut off inside a run is incomplete: nothing of it counts.
  parserInitialised_ = false;
  parse_->DeInit();
  return status::PortLost;
}

int Communication::endAsSilence(int device_type, ReceiveEnd how) {
  if (parse_->standsBetweenRecords(device_type)) {
    receiveEnd_ = how;
    endedAfterCompleteRecord_ = true;
    return silence(device_type);
  }
  const QString made = parse_->retrn_message();
  const QString cutOff = parse_->recordCutOff(device_type);
  // A run past the 20th has no table of its own to drop.
  const QString cutOffEntry = cutOff + QLatin1Char(' ');
  const bool cutOffTable = !cutOff.isEmpty() && made.endsWith(cutOffEntry);
  const QString kept = cutOffTable ? made.chopped(cutOffEntry.size()) : made;
  if (kept.isEmpty()) return Continue;
  receiveEnd_ = how;
  recordDropped_ = cutOff;
  return keepTables(kept, cutOffTable ? cutOffEntry : QString(), status::Ok);
}

int Communication::keepCompleteTests(int result) {
  const QString made = parse_->retrn_message();
  const QString cutOff = made.startsWith(completeTests_) ? made.mid(completeTests_.size()) : QString();
  const int kept = keepTables(completeTests_, cutOff, result);
  if (kept != result) return kept;
  keptCompleteTests_ = true;
  droppedTestInProgress_ = !Finished_;
  Finished_ = true;
  return result;
}

int Communication::keepTables(const QString& kept, const QString& cutOff, int result) {
  // cutOff is a table list: each name followed by a blank.
  if (!parse_->commit()) return storeFailed();
  parserInitialised_ = false;
  parse_->DeInit();
  // The table of a run or test cut off holds part of it only.
  if (!cutOff.isEmpty() && !instrument::CreateDatabase().Delete_Table(cutOff)) return status::DatabaseWriteFailed;
  parse_->setRetrn_message(kept);
  Tables_Created = kept;
  return result;
}

}  // namespace download
