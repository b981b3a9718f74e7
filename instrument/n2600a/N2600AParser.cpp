#include "instrument/n2600a/N2600AParser.h"

#include "instrument/DeviceType.h"
#include "instrument/ParseContext.h"
#include "instrument/RecordLayouts.h"
#include "instrument/StatusCodes.h"
#include "instrument/TextNumbers.h"
#include "instrument/TokenFields.h"

namespace instrument {

namespace {

namespace F = CompactionAField;

const QString SummaryWord = QStringLiteral("DATA");
const QString AsphaltSample = QStringLiteral("A");

// The field of each column from STAT on; soil rows, then what asphalt rows
// store in their last three columns.
constexpr qint16 FirstFieldColumn = 5;
const QString* const SoilFields[] = {&F::STAT, &F::OFFSET, &F::DPT,  &F::SA,   &F::KVAL, &F::PADJ,
                                     &F::DSTD, &F::MSTD,   &F::DCNT, &F::MCNT, &F::SPG,  &F::PAV,
                                     &F::MAXD, &F::WETD,   &F::DRYD, &F::WAT,  &F::PWAT, &F::PCOMP};
constexpr qint16 FirstAsphaltColumn = 18;
const QString* const AsphaltFields[] = {&F::PAC, &F::DENS, &F::PCOMP};

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
// A line end separates values like a blank: a reading number of four digits
// follows the line end directly.
bool isSeparator(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\r'); }

// The position of a field in the table layout.
int position(const QString& field) {
  static const tokenfields::FieldPositions positions(Compaction_Record_A());
  return positions[field];
}

}  // namespace

N2600AParser::N2600AParser(ParseContext& context) : context_(context) {}

void N2600AParser::reset() {
  Capture_Mode = false;
  Skip_One_Colon = false;
  Skip_Summary = false;
  Column = SerialExpected;
  Serial_Text.clear();
  Calibration_Text.clear();
  Reading_Number_Text.clear();
  Reading_Date_Text.clear();
  Project_List.clear();
  sampleType_.clear();
  rowFailed_ = false;
  rowProject_.clear();
  projectsWithRows_.clear();
}

int N2600AParser::parse(QStringView c) {
  if (c.isEmpty()) return status::NoValue;
  const QChar ch = c.front();
  if (ch == QLatin1Char(':') && !takeColon()) return status::NoValue;
  if (Skip_Summary) return status::NoValue;
  if (Capture_Mode && (Column == SerialExpected || Column == CalibrationExpected)) {
    captureHeader(ch);
    return status::NoValue;
  }
  return readingCharacter(ch);
}

// "DATA:" starts the summary, whose next colon is only consumed; any other
// colon starts the capture of a header value. False when the call ends here.
bool N2600AParser::takeColon() {
  QString& token = context_.Token;
  if (token == SummaryWord) {
    Skip_Summary = true;
    Skip_One_Colon = true;
    token.clear();
    return false;
  }
  if (Skip_One_Colon) {
    Skip_One_Colon = false;
    Column = SerialExpected;
    token.clear();
    return false;
  }
  Skip_Summary = false;
  token.clear();
  Capture_Mode = true;
  return true;
}

// The serial number keeps only digits, the calibration date digits and "/";
// each needs two characters before a blank (or, for the date, a line end)
// ends it.
void N2600AParser::captureHeader(QChar c) {
  QString& token = context_.Token;
  if (Column == SerialExpected) {
    if (c == QLatin1Char(' ') && token.size() >= 2) {
      Serial_Text = token;
      Column = CalibrationExpected;
      Capture_Mode = false;
      token.clear();
    } else if (isDigit(c)) {
      token.append(c);
    }
    return;
  }
  if (isSeparator(c) && token.size() >= 2) {
    Calibration_Text = token;
    Column = WaitingForRow;
    Capture_Mode = false;
    token.clear();
  } else if (isDigit(c) || c == QLatin1Char('/')) {
    token.append(c);
  }
}

int N2600AParser::readingCharacter(QChar c) {
  QString& token = context_.Token;
  if (!isSeparator(c)) {
    token.append(c);
    return status::NoValue;
  }
  if (Column == WaitingForRow && text::readsAsNumber(token)) {
    Reading_Number_Text = token;
    token.truncate(0);
    Column = DateColumn;
    sampleType_.clear();
    rowFailed_ = false;
    return status::NoValue;
  }
  if (Column >= DateColumn && Column <= SoilLastColumn && !token.isEmpty()) return endValue();
  token.truncate(0);  // keeps the buffer for the next token
  return status::NoValue;
}

// One value of a reading row has ended. Once a value of the row has failed,
// the rest of the row is only counted, so that the next row is found again.
int N2600AParser::endValue() {
  bool stored = rowFailed_ || storeValue(context_.Token);
  context_.Token.truncate(0);
  const bool lastColumn = Column == SoilLastColumn || (Column == AsphaltLastColumn && asphaltRow());
  if (stored && lastColumn && !rowFailed_) {
    stored = context_.saveRow();
    if (stored) noteRowStored();
  }
  if (!stored) {
    rowFailed_ = true;
    context_.recordset().cancelUpdate();
  }
  Column = lastColumn ? qint16(WaitingForRow) : qint16(Column + 1);
  return stored ? status::NoValue : status::ParseFailed;
}

// A project is listed once a row of it is stored, in the order the projects
// first appeared: one whose rows were all cut off or refused has an empty
// table, which no project file could give back.
void N2600AParser::noteRowStored() {
  if (projectsWithRows_.contains(rowProject_)) return;
  projectsWithRows_.insert(rowProject_);
  QString listed;
  for (const QString& id : Project_List.entries())
    if (projectsWithRows_.contains(id)) listed += id + QLatin1Char(' ');
  context_.retrn_message = listed;
}

bool N2600AParser::asphaltRow() const { return sampleType_ == AsphaltSample; }

bool N2600AParser::storeValue(QStringView token) {
  if (Column == DateColumn) {
    Reading_Date_Text = token.toString();
    return true;
  }
  if (Column == ProjectColumn) return startRecord(token.toString());
  const QString& field = (asphaltRow() && Column >= FirstAsphaltColumn)
                             ? *AsphaltFields[Column - FirstAsphaltColumn]
                             : *SoilFields[Column - FirstFieldColumn];
  auto& rs = context_.recordset();
  if (&field == &F::DPT) return tokenfields::setText(rs, position(field), token.toString());
  if (&field == &F::SA) {
    sampleType_ = token.toString();
    return tokenfields::setText(rs, position(field), sampleType_);
  }
  return tokenfields::setSingle(rs, position(field), token);
}

// The project id selects (and, the first time, makes) the table and starts
// the row's record.
bool N2600AParser::startRecord(const QString& id) {
  if (!openProjectTable(id) || !context_.addNew()) return false;
  auto& rs = context_.recordset();
  // A serial number that does not fit the field is stored as missing rather
  // than losing the readings of its report.
  if (text::toLong(Serial_Text)) tokenfields::setLong(rs, position(F::SERNUM), Serial_Text);
  if (!tokenfields::setText(rs, position(F::CDATE), Calibration_Text) ||
      !tokenfields::setLong(rs, position(F::RDNUM), Reading_Number_Text) ||
      !tokenfields::setText(rs, position(F::RDATE), Reading_Date_Text) || !tokenfields::setText(rs, position(F::ID), id))
    return false;
  rowProject_ = id;
  return true;
}

bool N2600AParser::openProjectTable(const QString& id) {
  const QString table = DensityProjectList::tableName(id);
  if (!Project_List.contains(id)) {
    if (!Project_List.tableMade(table)) {
      QString name = table;
      if (context_.addTable(name, DeviceType::N2600A) != status::Ok) return false;
      context_.setDownloadStatus(status::Ok);
      Project_List.noteTableMade(name);
    }
    Project_List.append(id);
  }
  const auto& rs = context_.recordset();
  if (rs.isOpen() && rs.tableName().compare(table, Qt::CaseInsensitive) == 0) return true;
  return context_.openRecordset(table);
}

}  // namespace instrument
