#pragma once

#include <QByteArray>
#include <functional>

namespace instrument {

class Parse;

// Feeds the body of a project file, one character at a time, to the parser of
// its model, exactly as a download feeds a printout: characters 32 to 90,
// carriage return and the end marker 253 reach the parser; every other byte
// (line feeds, lower-case letters) is skipped. A line feed ends its line as a
// carriage return would, unless the last byte of the file passed on was a
// carriage return: CR LF LF gives one line end, as a printout of the same
// bytes does, and LF LF two.
class ProjectReplay {
 public:
  enum class Outcome {
    Complete,   // read to the end of the file, or to the end of an N2600BX report
    Failed,     // the parser refused a character (its failure, or 9876)
    CutOff,     // the file ends in the middle of a line or of a load-frame test
    Stopped,    // the yield asked to stop
    DatabaseFailed,  // the working database could not store what was read
  };

  // Called between characters every so often with the bytes done and the
  // total; returns false to stop the replay.
  using Yield = std::function<bool(qint64 done, qint64 total)>;

  ProjectReplay(Parse& parser, int modelCode, Yield yield);

  Outcome run(const QByteArray& file, qsizetype bodyStart);
  // The line of the file (counted from 1) where the parser failed.
  int failedLine() const { return failedLine_; }

  // Work between two yields: the clock is read every YieldCheckCharacters
  // characters and the event loop is given its turn once YieldSliceMs have
  // passed, so the window stays responsive at a tiny fraction of the cost of
  // turning the loop after each character.
  static constexpr int YieldCheckCharacters = 64;
  static constexpr int YieldSliceMs = 10;

 private:
  static bool passes(unsigned char byte);
  int lineOf(const QByteArray& file, qsizetype offset) const;

  Parse& parser_;
  int modelCode_;
  Yield yield_;
  int failedLine_ = 0;
};

}  // namespace instrument
