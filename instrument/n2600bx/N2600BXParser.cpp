#include "instrument/n2600bx/N2600BXParser.h"

#include "instrument/DeviceType.h"
#include "instrument/ParseContext.h"
#include "instrument/RecordLayouts.h"
#include "instrument/StatusCodes.h"
#include "instrument/TextNumbers.h"
#include "instrument/TokenFields.h"

namespace instrument {

namespace {

namespace F = CompactionBField;

const QString EndOfReport = QStringLiteral(" B   .");
constexpr qint16 EmptyCallsBeforeEnd = 1000;
constexpr qint16 CounterLimit = 32767;
constexpr QChar EndMarker(253);

const QString HeaderRowStart = QStringLiteral("RD #");
const QString LastHeaderWord = QStringLiteral("VR");
const QString ShortLastHeaderWord = QStringLiteral("%COMP");
constexpr qint16 HeaderRowColumns = 19;
constexpr qint16 FullLineCommas = 18;
constexpr qint16 ShortLineCommas = 15;

const QString ShortDateLabel = QStringLiteral("D");
const QString DateLabel = QStringLiteral("DATE");
const QString CalibrationLabel = QStringLiteral("CALIBRATION DATE");
const QString ProjectLabels[] = {QStringLiteral("P ID"), QStringLiteral("ID"), QStringLiteral("PROJECT ID")};
const QString SerialLabelEnd = QStringLiteral("SERIAL");
const QString SummaryLabel = QStringLiteral("AVERAGE OF ALL DATA");
const QString HeaderRecordNumber = QStringLiteral("0");

const QString LastStandardLabel = QStringLiteral("LOWD");
struct Standard {
  QString label;
  const QString* field;
};
const Standard Standards[] = {{QStringLiteral("D STD"), &F::DSTD}, {QStringLiteral("M STD"), &F::MSTD},
                              {QStringLiteral("KVAL"), &F::KVAL},  {QStringLiteral("SPG"), &F::SPG},
                              {QStringLiteral("MAXD"), &F::MAXD},  {LastStandardLabel, &F::LOWD}};

// The field of each comma of a reading line, from the 2nd (TIME) to the 19th
// (VR); the 1st starts the record with RDNUM. The gauge leaves a percentage
// empty when it measured none: the field stays Null, never a measured 0.
enum class Kind { Text, Number, NumberOrNone };
struct ReadingField {
  const QString* field;
  Kind kind;
};
const ReadingField ReadingFields[] = {
    {&F::TIME, Kind::Text},      {&F::STAT1TO, Kind::Text},       {&F::STAT1, Kind::Text},
    {&F::OFFSET, Kind::Text},    {&F::STAT2, Kind::Text},         {&F::LANE, Kind::Text},
    {&F::DPT, Kind::Text},       {&F::SA, Kind::Text},            {&F::ADJ, Kind::Number},
    {&F::DC, Kind::Number},      {&F::MC, Kind::Number},          {&F::AV, Kind::Number},
    {&F::WD, Kind::Number},      {&F::DD, Kind::Number},          {&F::M, Kind::Number},
    {&F::PERCM, Kind::NumberOrNone}, {&F::PERC_COMP, Kind::NumberOrNone}, {&F::VR, Kind::Text}};

bool isProjectLabel(const QString& label) {
  for (const QString& projectLabel : ProjectLabels)
    if (label == projectLabel) return true;
  return false;
}

// The position of a field in the table layout.
int position(const QString& field) {
  static const tokenfields::FieldPositions positions(Compaction_Record_B());
  return positions[field];
}

}  // namespace

N2600BXParser::N2600BXParser(ParseContext& context) : context_(context) {}

void N2600BXParser::reset() {
  Label.clear();
  Value_Capture = false;
  Standard_Capture = false;
  Header_Row_Line = false;
  Summary_Line = false;
  Known_Project = false;
  Column = 0;
  Serial_Text.clear();
  Calibration_Text.clear();
  Project_List.clear();
  Empty_Count = 0;
  headerPending_ = false;
}

int N2600BXParser::parse(QStringView c) {
  if (c.isEmpty()) {
    if (Empty_Count < CounterLimit) ++Empty_Count;
    return Empty_Count > EmptyCallsBeforeEnd ? status::ParseComplete : status::NoValue;
  }
  Empty_Count = 0;
  const QChar ch = c.front();
  if (ch == EndMarker) {
    fillIn();
    context_.closeDatabase();
  }
  if (Value_Capture) {
    Parse_Header_Line(ch);
    context_.setDownloadStatus(status::Ok);
    return status::NoValue;
  }
  if (Standard_Capture) {
    Parse_Standards(ch);
    return status::NoValue;
  }
  int result = status::NoValue;
  switch (ch.unicode()) {
    case '\r': result = Parse_Tail_Fields(); break;
    case ',': result = Parse_Reading_Line(); break;
    case ':': Handle_Colon(); break;
    case '=': End_Label(); break;
    default: context_.Token.append(ch);
  }
  if (context_.Token == EndOfReport) return status::ParseComplete;
  return result;
}

// A line end: the last value of a reading line, then the line state ends.
// A column-heading line stores nothing, whatever its last word: a record
// left open before it is no reading of its own.
int N2600BXParser::Parse_Tail_Fields() {
  if (Header_Row_Line) {
    endLine();
    return status::NoValue;
  }
  const QString& token = context_.Token;
  const QString value = text::trimmed(token);
  bool stored = true;
  if (Column == FullLineCommas && value != LastHeaderWord)
    stored = tokenfields::setText(context_.recordset(), position(F::VR), value.isEmpty() ? token : value) &&
             writeReading();
  if (Column == ShortLineCommas && value != ShortLastHeaderWord)
    stored = tokenfields::setSingle(context_.recordset(), position(F::M), value) && writeReading();
  // Even after a failure the line ends here, so that the next line cannot
  // write into the failed record.
  if (!stored) context_.recordset().cancelUpdate();
  endLine();
  return stored ? status::NoValue : status::ParseFailed;
}

void N2600BXParser::endLine() {
  Column = 0;
  Header_Row_Line = false;
  Summary_Line = false;
  Known_Project = false;
  context_.Token.truncate(0);
}

// A comma ends one value of a reading line (or of the column-header line).
int N2600BXParser::Parse_Reading_Line() {
  QString& token = context_.Token;
  const QStringView value = text::trimBlanks(token);
  if (value == HeaderRowStart) Header_Row_Line = true;
  if (Column < CounterLimit) ++Column;
  bool stored = true;
  if (Summary_Line) {
    Column = 0;
  } else if (Header_Row_Line) {
    if (Column == HeaderRowColumns) {
      Header_Row_Line = false;
      Column = 0;
    }
  } else {
    stored = storeReadingValue(value);
  }
  // A value that failed is dropped, not carried into the next one. (truncate
  // keeps the buffer for the next value.)
  token.truncate(0);
  return stored ? status::NoValue : status::ParseFailed;
}

bool N2600BXParser::storeReadingValue(QStringView token) {
  auto& rs = context_.recordset();
  if (Column == 1) {
    headerPending_ = false;
    return context_.addNew() && tokenfields::setLong(rs, position(F::RDNUM), token);
  }
  if (Column > HeaderRowColumns) return true;
  const ReadingField& reading = ReadingFields[Column - 2];
  switch (reading.kind) {
    case Kind::Number: return tokenfields::setSingle(rs, position(*reading.field), token);
    case Kind::NumberOrNone: return token.isEmpty() || tokenfields::setSingle(rs, position(*reading.field), token);
    case Kind::Text: break;
  }
  if (!tokenfields::setText(rs, position(*reading.field), token.toString())) return false;
  if (Column < HeaderRowColumns) return true;
  if (!writeReading()) return false;
  Column = 0;
  return true;
}

bool N2600BXParser::writeReading() {
  if (context_.saveRow()) return true;
  context_.recordset().cancelUpdate();
  return false;
}

// A colon before the first comma of a line ends a label; inside a reading
// line it is part of the value (a time).
void N2600BXParser::Handle_Colon() {
  QString& token = context_.Token;
  if (Column != 0) {
    token.append(QLatin1Char(':'));
    return;
  }
  Label = text::trimmed(token);
  token.clear();
  Value_Capture = true;
}

// A header value ends at a blank once more than two characters (the blank
// after the colon included) are collected, and always at the first blank
// after its text: a value never holds a blank, so a project id written
// without one after its colon cannot take the next word into its table name.
// A project id is never empty either: blanks before it are passed over, as a
// blank-separated table list could not hold an empty one.
void N2600BXParser::Parse_Header_Line(QChar c) {
  QString& token = context_.Token;
  token.append(c);
  if (c != QLatin1Char(' ')) return;
  if ((token.size() <= 2 || isProjectLabel(Label)) && text::trimBlanks(token).isEmpty()) return;
  token = text::trimmed(token);
  if (!Known_Project) {
    if (Label == ShortDateLabel || Label == DateLabel) {
      if (headerPending_) tokenfields::setText(context_.recordset(), position(F::DATE), token);
    } else if (Label == CalibrationLabel) {
      Calibration_Text = token;
    } else if (isProjectLabel(Label)) {
      // A project met before keeps the capture on: the rest of its header
      // value is collected and discarded.
      if (!projectStep(token)) return;
    } else if (Label.endsWith(SerialLabelEnd)) {
      Serial_Text = token;
    } else if (Label.toUpper() == SummaryLabel) {
      Summary_Line = true;
    }
  }
  token.clear();
  Value_Capture = false;
}

// False for a project met before in this parse: its table is reopened and
// the line's other header and standards values are discarded. An id that
// differs from an earlier one only in its dots names the same table, which
// holds one header record: it continues that project and is not listed
// again.
bool N2600BXParser::projectStep(const QString& id) {
  const QString table = DensityProjectList::tableName(id);
  if (Project_List.contains(id) || Project_List.tableMade(table)) {
    openProjectTable(table);
    Known_Project = true;
    return false;
  }
  return startProject(id);
}

// A new project: its table and its header record, pending until LOWD.
bool N2600BXParser::startProject(const QString& id) {
  const QString table = DensityProjectList::tableName(id);
  if (!Project_List.tableMade(table)) {
    QString name = table;
    if (context_.addTable(name, DeviceType::N2600BX) != status::Ok) {
      // No table: the readings that follow must not go into another project's.
      context_.recordset().close();
      headerPending_ = false;
      return true;
    }
    context_.setDownloadStatus(status::Ok);
    Project_List.noteTableMade(name);
  }
  Project_List.append(id);
  context_.retrn_message += id + QLatin1Char(' ');
  if (!openProjectTable(table) || !context_.addNew()) return true;
  headerPending_ = true;
  auto& rs = context_.recordset();
  tokenfields::setLong(rs, position(F::RDNUM), HeaderRecordNumber);
  tokenfields::setText(rs, position(F::ID), id);
  if (!Serial_Text.isEmpty()) tokenfields::setLong(rs, position(F::SERNUM), Serial_Text);
  tokenfields::setText(rs, position(F::CDATE), Calibration_Text);
  return true;
}

bool N2600BXParser::openProjectTable(const QString& table) {
  headerPending_ = false;
  if (context_.openRecordset(table)) return true;
  context_.recordset().close();
  return false;
}

void N2600BXParser::End_Label() {
  QString& token = context_.Token;
  Label = text::trimmed(token);
  token.clear();
  Standard_Capture = true;
}

// A standards value ends at a blank once more than two characters are
// collected, or at a line end, which then ends the value's line too: commas
// met on it earlier count no columns of the next line.
void N2600BXParser::Parse_Standards(QChar c) {
  QString& token = context_.Token;
  token.append(c);
  const bool lineEnd = c == QLatin1Char('\r');
  if (!lineEnd && !(c == QLatin1Char(' ') && token.size() > 2)) return;
  QString value = text::trimmed(token);
  if (lineEnd) value.chop(1);
  if (!Known_Project) storeStandard(value);
  token.clear();
  Standard_Capture = false;
  if (lineEnd) endLine();
}

void N2600BXParser::storeStandard(const QString& value) {
  for (const Standard& standard : Standards) {
    if (Label != standard.label) continue;
    if (!headerPending_) return;
    tokenfields::setSingle(context_.recordset(), position(*standard.field), value);
    if (standard.label == LastStandardLabel) {
      if (!context_.saveRow()) context_.recordset().cancelUpdate();
      headerPending_ = false;
    }
    return;
  }
}

// Character 253: header records still without serial number or calibration
// date get the ones printed after them. A project whose header never
// completed has readings only, and a reading takes neither.
void N2600BXParser::fillIn() {
  if (Serial_Text.isEmpty()) return;
  auto& rs = context_.recordset();
  for (const QString& entry : Project_List.entries()) {
    if (!openProjectTable(DensityProjectList::tableName(entry)) || !rs.moveFirst()) continue;
    if (rs.value(F::RDNUM).toString() != HeaderRecordNumber || rs.isNull(F::ID)) continue;
    const QVariant date = rs.value(F::CDATE);
    if (!rs.isNull(F::SERNUM) && !date.isNull() && !date.toString().isEmpty()) continue;
    if (!rs.edit() || !tokenfields::setLong(rs, position(F::SERNUM), Serial_Text) ||
        !tokenfields::setText(rs, position(F::CDATE), Calibration_Text) || !context_.saveRow())
      rs.cancelUpdate();
  }
}

}  // namespace instrument
