#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "instrument/Parse.h"

namespace platform {
class CommControl;
class PortClaims;
class ReceiveClock;
class ReceiveWait;
}  // namespace platform

namespace download {

// The serial port wrapper: probes COM1 to COM4, opens a port with the settings
// of an instrument and runs the receive loop that feeds the printout, one
// character at a time, to the model's parser of its Parse object. Results are
// status codes (instrument/StatusCodes.h).
//
// The receive loop runs on the user-interface thread and yields to the event
// loop on every pass; window code talks to it only through Stop_ (finish),
// Halt_ (abandon), Finished_ and Download_Status. The object lives from start-up
// to shutdown and owns its Parse object; it uses, and never owns, the main
// window's COM port control (Comm_Object).
class Communication : public QObject {
  Q_OBJECT

 public:
  // Download_Status, when given, is the program's shared status variable that
  // the receive loop and the parsers write; otherwise the object keeps its own.
  explicit Communication(int* Download_Status = nullptr, QObject* parent = nullptr);
  ~Communication() override;

  // The table list of the data in the working database, each name followed by
  // one blank.
  QString Tables_Created;
  // Asks a running GetData to finish normally.
  bool Stop_ = false;
  // Asks a running GetData to abandon the download.
  bool Halt_ = false;
  // True while no printout is being received: after RunTest and between the
  // tests of a continuous download.
  bool Finished_ = false;

  int Baud_Rate() const { return baudRate_; }
  void setBaud_Rate(int rate) { baudRate_ = rate; }
  // The port number, 1 to 4.
  int Serial_Port() const { return serialPort_; }
  void setSerial_Port(int port) { serialPort_ = port; }
  // The main window's COM port control.
  platform::CommControl* Comm_Object() const { return control_; }
  void setComm_Object(platform::CommControl* control) { control_ = control; }

  // One status character per port COM1 to COM4: the port's digit when it is
  // free, "m" for a modem, "o" when it is in use (the port of a download that
  // is running counts as in use and is left alone), "x" when it is
  // unavailable. Every port it opens is closed again.
  QString AvailablePorts();
  // Opens the port for a download: status::Ok or status::PortError.
  int RunTest();
  // Closes the port, empties its input and de-initialises the parser. Returns
  // 0, or CommError::ObjectNotSet without a control.
  int Close_Port();
  // The receive loop for a device_type (instrument/DeviceType.h). Returns a
  // status code; on status::Ok after a parse or an end marker Tables_Created
  // holds the new table list.
  //
  // A port that goes away ends it at once with status::PortLost. A cut-off
  // printout is then incomplete, except that a continuous download keeps the
  // tests that were complete (keptCompleteTests()), as Halt_ does for it, and
  // that a download ended by silence, whose line was quiet with the parser
  // standing between runs, ends as the silence would have (endedAsSilence()).
  // Halt_ while the wizard shows that wait (silenceSecondsLeft()) ends it so
  // as well, and so does a lost port on a quiet line that stops right after
  // a run's header line: a run cut in the middle is then dropped
  // (recordDropped()) and the complete ones are kept.
  int GetData(int device_type, bool Disable_Timer = false);
  // True when the last GetData ended a continuous download early and kept its
  // complete tests: Tables_Created lists them, the test cut off is gone.
  bool keptCompleteTests() const { return keptCompleteTests_; }
  // True when a halt or a lost port dropped a test in progress as well.
  bool droppedTestInProgress() const { return droppedTestInProgress_; }
  // True when the last GetData's printout was its end mark alone.
  bool printoutEmpty() const { return printoutEmpty_; }
  // How the last GetData's receive loop ended, where it ended a printout.
  enum class ReceiveEnd {
    // A failure, Stop_ or Halt_ (but below), or nothing received.
    Other,
    // The printout's own end: the end marker, or the parser's end of it.
    EndMark,
    // The empty-read limit, or the parser's own count of empty reads that
    // ends an N2600BX report whose closing line did not come.
    SilenceLimit,
    // The port went, or the wizard closed, on a quiet line: ended as the
    // silence would have.
    QuietPortLost,
    QuietHalt,
  };
  ReceiveEnd receiveEnd() const { return receiveEnd_; }
  // Whether the parser stood between runs when a silence, or an end on a
  // quiet line, ended the last GetData.
  bool endedAfterCompleteRecord() const { return endedAfterCompleteRecord_; }
  // True when the last GetData ended because the port went away or the
  // wizard closed while only the silence after the printout was awaited: it
  // ended as that silence would have.
  bool endedAsSilence() const {
    return receiveEnd_ == ReceiveEnd::QuietPortLost || receiveEnd_ == ReceiveEnd::QuietHalt;
  }
  // The run or test that such an end found cut in the middle and dropped;
  // empty when none was.
  const QString& recordDropped() const { return recordDropped_; }
  // The run or test that the empty-read limit found cut in the middle: kept
  // as far as it came. Empty when none was.
  const QString& recordUnfinished() const { return recordUnfinished_; }
  // While a download that ends by silence has been silent for
  // CountdownAfterSeconds: the seconds of silence left before the empty-read
  // limit ends it, estimated from the pace of the empty reads so far. Nothing
  // otherwise.
  std::optional<int> silenceSecondsLeft() const;

  int Download_Status() const { return *downloadStatus_; }
  // The ports the download holds, shared with the port probe's worker.
  const std::shared_ptr<platform::PortClaims>& portClaims() const { return claims_; }
  const instrument::Parse& parser() const { return *parse_; }

  // Seams for tests: the clock of the timeouts and the wait of the loops.
  void setClock(std::shared_ptr<platform::ReceiveClock> clock);
  void setWait(std::shared_ptr<platform::ReceiveWait> wait);

  // Status characters of AvailablePorts.
  inline static const QChar ModemPort = QLatin1Char('m');
  inline static const QChar PortInUse = QLatin1Char('o');
  inline static const QChar PortUnavailable = QLatin1Char('x');

  // Limits of the receive loop.
  static constexpr double FirstCharacterTimeoutSeconds = 30.0;
  static constexpr int EmptyReadLimit = 30000;
  // Seconds since the last character after which a lost port finds the line
  // quiet: only the silence that ends the printout is awaited, if the parser
  // stands between runs. Measured by the clock, not in empty reads: on a busy
  // computer each read lasts longer, while the silence limit itself stays
  // counted in reads. The slowest line, 1200 baud, brings a character every
  // 8 ms.
  static constexpr double QuietSeconds = 3.0;
  // A silence this long is no gap between characters: the countdown to the
  // silence limit is shown from then on, and a close ends the download as
  // the silence would.
  static constexpr double CountdownAfterSeconds = 1.0;
  static constexpr int ReceiveBufferSize = 20242;
  // After each test of a continuous download up to this many reads of line
  // ends and blanks are dropped; the first other character belongs to a next
  // test sent right behind and is kept.
  static constexpr int ReadsDroppedAfterTest = 4;
  // Each of those reads waits up to this many empty reads for its character,
  // so that the line end of a finished test is dropped even when the loop
  // runs ahead of the line.
  static constexpr int DropWaitReads = 50;

 signals:
  // The first text received by a GetData call (shown by the wizard).
  void firstTextReceived(const QString& text);

 private:
  QChar ProbePort(int port);
  int Check_CommEvent();

  QChar probeWith(platform::CommControl& control, int port);
  QByteArray read();
  void pause();
  // Drops the line ends and blanks that follow a test; false when it met a
  // character of a next test instead (kept for the next read).
  bool dropLineEnd();
  void dropTestEnd();
  bool portLost() const;
  // A download that ends by silence has had quietSeconds of silence: its
  // printout has ended unless the parser stands inside a run.
  bool awaitsSilence(int device_type, double quietSeconds) const;
  // The download types that a long silence ends with their tables.
  static bool endsBySilence(int device_type);
  // Clears what the last end of the receive loop noted.
  void forgetHowItEnded();
  // Counts an empty read of the receive loop; true past the limit.
  bool countEmptyRead();
  // A continuous download has tests that a cut-off end keeps.
  bool hasCompleteTests(int device_type) const;
  int lostPort(int device_type);
  int halt(int device_type);
  // Ends a continuous download with the tests complete so far.
  int keepCompleteTests(int result);
  // Ends a download on a quiet line as the silence would, without the run cut
  // off if there is one; Continue when nothing complete is left.
  int endAsSilence(int device_type, ReceiveEnd how);
  // The empty-read limit ends the loop.
  int silenceLimit(int device_type);
  // Stores the tables of kept and drops those of cutOff (part of a run or
  // test), both table lists, leaving the parser closed.
  int keepTables(const QString& kept, const QString& cutOff, int result);
  int receive(int device_type, QByteArray& s);
  int feed(int device_type, int c, QByteArray& s);
  int silence(int device_type);
  int endOfData(int device_type);
  int tablesComplete();
  // The working database could not store the data: the download fails.
  int storeFailed();
  void setStatus(int status) { *downloadStatus_ = status; }

  int ownStatus_ = 0;
  int* downloadStatus_;
  std::unique_ptr<instrument::Parse> parse_;
  platform::CommControl* control_ = nullptr;
  std::shared_ptr<platform::ReceiveClock> clock_;
  std::shared_ptr<platform::ReceiveWait> wait_;
  std::shared_ptr<platform::PortClaims> claims_;
  int baudRate_ = 0;
  int serialPort_ = 0;
  bool parserInitialised_ = false;
  bool downloadPortOpen_ = false;
  int downloadPort_ = 0;
  bool receiving_ = false;
  // A character read while dropping a test's line end that belongs to the
  // next test: the next read returns it.
  QByteArray pending_;
  // The table list of a continuous download at its last complete test.
  QString completeTests_;
  bool keptCompleteTests_ = false;
  bool droppedTestInProgress_ = false;
  bool printoutEmpty_ = false;
  ReceiveEnd receiveEnd_ = ReceiveEnd::Other;
  bool endedAfterCompleteRecord_ = false;
  QString recordDropped_;
  QString recordUnfinished_;
  // The receive loop's type, its empty reads in a row and the time of the
  // last character received.
  int deviceType_ = -1;
  int emptyReads_ = 0;
  double lastCharacterAt_ = 0.0;
};

}  // namespace download
