#pragma once

#include <QSet>
#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>

namespace instrument {

class ParseContext;

// Parse_T7310: turns the stiffness-gauge data, fed one character per call, into
// run tables of the working database through the shared ParseContext.
//
// Tokens end at "," or CR. Each run ("#" or "R#", then run number, measure,
// calibration factor, date, time) gets a table "RUN" & number with a header row
// (BIN_NUMBER 0) and one row per frequency bin. From the 21st run on only the
// run headers are kept, as rows BIN_NUMBER = RUN_NUMBER of the 21st run's table.
// The parser never reports completion; a call in which anything fails returns
// status::StiffnessRejected and drops the token it could not take.
class StiffnessParser {
 public:
  explicit StiffnessParser(ParseContext& context);

  // Back to the state right after Initit.
  void reset();
  // One character (or an empty text). Returns status::NoValue or
  // status::StiffnessRejected.
  int parse(QStringView c);
  // Nothing stored is left half-way: the last header or bin line received
  // is complete (or only a run marker came after it, or nothing yet).
  bool standsAtLineEnd() const;
  // The parser stands between runs: at a line end, with no run begun or the
  // run begun complete. A run is complete once one of its bin lines is (the
  // printout does not count them); a run of the 21st on has its header only.
  bool standsBetweenRuns() const;
  // The run being received when the printout stops inside it, by the name of
  // its table ("RUN" and its number; a header-only run has no table of that
  // name); empty when the parser stands between runs.
  QString runCutOff() const;
  // The table of the 21st run, which holds the header rows of the later runs;
  // empty while there is none.
  const QString& laterRunsTable() const { return laterRunsTable_; }

  // What the next token is. Bin fields run from BinNumber to Ratios.
  enum State : qint16 {
    RunNumber = 0,
    Measure = 1,
    CalFactor = 2,
    Date = 3,
    Time = 4,
    BinNumber = 5,
    Frequency = 6,
    FirstBinValue = 7,  // the eight displacement and force values, then the two flags
    Ratios = 17,
    AwaitRunMarker = 18,  // header-only runs, and a run skipped as a repeat
  };

 private:
  int takeToken();
  bool takesText(QStringView token) const;
  bool storeToken(const QString& token);
  bool startRun(const QString& token);
  static std::optional<QString> runNumberText(const QString& token);
  bool storeHeaderField(const QString& token);
  int storeBinField(QStringView token);
  bool storeRatios(QStringView token);
  bool runRepeats(const QString& run, const QString& tableName) const;

  ParseContext& context_;
  qint16 state_ = RunNumber;
  qint16 runCounter_ = 0;
  // Tables made and header-only runs stored in this parse, so that a run
  // number met again neither drops its table nor collides with its row.
  QSet<QString> tablesMade_;
  QSet<qint32> headerOnlyRuns_;
  // The run being received, as runCutOff names it, and whether one of its
  // bin lines is complete.
  QString runTable_;
  bool runHasBins_ = false;
  QString laterRunsTable_;
};

}  // namespace instrument
