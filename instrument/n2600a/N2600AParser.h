#pragma once

#include <QSet>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include "instrument/DensityProjectList.h"

namespace instrument {

class ParseContext;

// Parse_N2600A: turns the N2600A compaction-control report, fed one character
// per call, into one table per project ("P" and the id without dots) of
// Compaction_Record_A rows.
//
// The title line gives the serial number and the calibration date, each after
// a colon; a reading row is a run of values separated by blanks or line ends,
// recognised by a number where the reading number stands. "AVERAGE OF ALL
// DATA:" skips the summary up to the title line of the next report. The parser
// never reports the end of the data.
//
// A value that cannot be stored (not a number, out of range, a table that
// cannot be made, a reading number already in the table) returns
// status::ParseFailed; its row is dropped and the parse goes on with the next
// row.
// retrn_message lists the projects of which a row is stored.
class N2600AParser {
 public:
  explicit N2600AParser(ParseContext& context);

  // Back to the state right after Initit.
  void reset();
  // One character (or an empty text). Returns status::NoValue or
  // status::ParseFailed.
  int parse(QStringView c);

  // Values of Column: the serial number is expected, then the calibration
  // date, then a reading row; inside a row, the column of the value.
  enum ColumnState : qint16 {
    SerialExpected = 0,
    CalibrationExpected = 1,
    WaitingForRow = 2,
    DateColumn = 3,
    ProjectColumn = 4,
    AsphaltLastColumn = 20,
    SoilLastColumn = 22,
  };

 private:
  bool takeColon();
  void captureHeader(QChar c);
  int readingCharacter(QChar c);
  int endValue();
  bool storeValue(QStringView token);
  bool startRecord(const QString& id);
  bool openProjectTable(const QString& id);
  bool asphaltRow() const;
  void noteRowStored();

  ParseContext& context_;
  bool Capture_Mode = false;
  bool Skip_One_Colon = false;
  bool Skip_Summary = false;
  qint16 Column = SerialExpected;
  QString Serial_Text;
  QString Calibration_Text;
  QString Reading_Number_Text;
  QString Reading_Date_Text;
  DensityProjectList Project_List;
  QString sampleType_;  // the S/A value of the current row
  bool rowFailed_ = false;
  QString rowProject_;                // the project id of the current row
  QSet<QString> projectsWithRows_;  // ids of which a row is stored
};

}  // namespace instrument
