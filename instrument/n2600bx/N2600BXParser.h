#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include "instrument/DensityProjectList.h"

namespace instrument {

class ParseContext;

// Parse_N2600BX: turns the N2600BX printout, fed one character per call, into
// one table per project ("P" and the id without dots) of Compaction_Record_B
// rows: a header record (RDNUM 0) with the project's date and standards, and
// one record per comma-separated reading line.
//
// A label ended by a colon at the start of a line is followed by a header
// value ended by a blank; a label ended by "=" by a standards value. The end
// of the data is " B   ." or the 1001st empty call in a row (status 89).
// Character 253 gives the header records the serial number and calibration
// date printed after them, then closes the database.
//
// A reading value or record that cannot be stored returns
// status::ParseFailed; the value is dropped and the line goes on.
class N2600BXParser {
 public:
  explicit N2600BXParser(ParseContext& context);

  // Back to the state right after Initit.
  void reset();
  // One character (or an empty text). Returns status::NoValue,
  // status::ParseComplete or status::ParseFailed.
  int parse(QStringView c);

 private:
  // The handlers, in the order the printout's characters reach them.
  int Parse_Tail_Fields();
  int Parse_Reading_Line();
  void Handle_Colon();
  void Parse_Header_Line(QChar c);
  void End_Label();
  void Parse_Standards(QChar c);

  bool projectStep(const QString& id);
  bool startProject(const QString& id);
  bool openProjectTable(const QString& table);
  bool storeReadingValue(QStringView token);
  void storeStandard(const QString& value);
  bool writeReading();
  void fillIn();
  void endLine();

  ParseContext& context_;
  QString Label;
  bool Value_Capture = false;
  bool Standard_Capture = false;
  bool Header_Row_Line = false;
  bool Summary_Line = false;
  bool Known_Project = false;
  qint16 Column = 0;
  QString Serial_Text;
  QString Calibration_Text;
  DensityProjectList Project_List;
  qint16 Empty_Count = 0;
  bool headerPending_ = false;  // the project's header record waits for LOWD
};

}  // namespace instrument
