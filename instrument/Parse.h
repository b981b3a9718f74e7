#pragma once

#include <QString>
#include <QStringView>

#include "instrument/lx9100/LoadFrameParser.h"
#include "instrument/n2600a/N2600AParser.h"
#include "instrument/n2600bx/N2600BXParser.h"
#include "instrument/ParseContext.h"
#include "instrument/t7310/StiffnessParser.h"

namespace instrument {

// Turns an instrument printout, received one character at a time, into tables
// and rows of the working database. One object serves one download or one
// project load: Initit, then one Parse_... call per character, then DeInit.
//
// A character is passed as a text of one character, or an empty text. Byte
// values are passed as the character of the same code (Latin-1), so the end
// marker 253 is QChar(253).
//
// Results are status codes (StatusCodes.h): status::NoValue when the call
// reports nothing, status::ParseComplete (89) at the end of a printout or test,
// status::StiffnessRejected (9876) from Parse_T7310, status::ParseFailed when a
// failure is passed to the caller.
class Parse {
 public:
  // Download_Status, when given, is the shared variable that Initit and the
  // parsers write their statuses into; otherwise the object keeps its own.
  explicit Parse(int* Download_Status = nullptr);
  ~Parse();
  Parse(const Parse&) = delete;
  Parse& operator=(const Parse&) = delete;

  // The tables made since the last successful Initit, each followed by one
  // blank. Survives DeInit.
  const QString& retrn_message() const { return context_.retrn_message; }
  void setRetrn_message(const QString& text) { context_.retrn_message = text; }

  // Closes what is open, drops the tables of current_tables, recreates the
  // working database and resets every parser. Returns status::Ok, or
  // status::CreateFailed / status::DatabaseMissing, after which nothing is open
  // and retrn_message is empty.
  int Initit(const QString& current_tables = QString());
  // Commits and closes the recordset and the database. Never fails.
  void DeInit();

  int Parse_T7310(QStringView Pass_Character);
  int Parse_LX9100(QStringView Pass_Character);
  int Parse_N2600A(QStringView Pass_Character);
  int Parse_N2600BX(QStringView Pass_Character);

  // For the downloads that a silence ends (device_type 0 and 4): whether a
  // printout that stops here is complete, the parser standing between runs
  // (a run counts once one of its bin lines is complete); whether it stands
  // at least at the end of a line; and, when it is not between runs, the run
  // or test cut off, by its table's name (a stiffness run past the 20th has
  // no table of its own). A single load-frame download ends at its test's
  // END, so a stop before that cuts its test.
  bool standsBetweenRecords(int device_type) const;
  bool standsAtLineEnd(int device_type) const;
  QString recordCutOff(int device_type) const;
  // The stiffness printout's table of the later runs (from the 21st on),
  // which the tree and the reports mark; empty when it made none.
  const QString& laterRunsTable() const { return stiffness_.laterRunsTable(); }

  int Download_Status() const { return context_.downloadStatus(); }

  // Commits the rows stored so far; false when the database file refused
  // them or anything before (databaseFailed()).
  bool commit() { return context_.commit() && !databaseFailed(); }
  // Something could not be stored since Initit for a reason of the database
  // file (a full disk): the data are not complete.
  bool databaseFailed() const { return context_.databaseFailed(); }

  // The parser member for a download's device_type (0 and 3 load frame, 1
  // N2600A, 2 N2600BX, 4 T7310) or for a Model_Code (0 LX9100, 1 N2600A,
  // 2 N2600BX, 3 T7310); nullptr for any other value.
  using Member = int (Parse::*)(QStringView);
  static Member memberForDevice(int device_type);
  static Member memberForModel(int Model_Code);

 private:
  ParseContext context_;
  StiffnessParser stiffness_;
  LoadFrameParser loadFrame_;
  N2600AParser n2600a_;
  N2600BXParser n2600bx_;
};

}  // namespace instrument
