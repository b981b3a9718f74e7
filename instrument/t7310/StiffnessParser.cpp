#include "instrument/t7310/StiffnessParser.h"

#include <cmath>

#include <QVariant>

#include "instrument/DeviceType.h"
#include "instrument/ParseContext.h"
#include "instrument/RecordLayouts.h"
#include "instrument/StatusCodes.h"
#include "instrument/TextNumbers.h"
#include "instrument/TokenFields.h"

namespace instrument {

namespace {

namespace F = StiffnessBinField;

const QString RunMarker = QStringLiteral("#");
const QString RunMarkerLabelled = QStringLiteral("R#");
const QString DateLabel = QStringLiteral("D:");
const QString TimeLabel = QStringLiteral("T:");
const QString RunTablePrefix = QStringLiteral("RUN");
const QString HeaderBinNumber = QStringLiteral("0");

// Runs stored with their bins; later runs keep only their header rows.
constexpr qint16 FullRuns = 20;
constexpr qint16 CounterLimit = 32767;

// The fields of states FirstBinValue to Ratios - 1, in order.
const QString* const BinValueFields[] = {
    &F::REAL_DISPL_ND, &F::REAL_FORCE_ND, &F::IMAG_DISPL_ND, &F::IMAG_FORCE_ND, &F::REAL_DISPL_SD,
    &F::REAL_FORCE_SD, &F::IMAG_DISPL_SD, &F::IMAG_FORCE_SD, &F::NOISE_OL_FLAG, &F::SIGNL_OL_FLAG};

bool endsToken(QStringView c) { return c == u"," || c == u"\r"; }

// The position of a field in the table layout.
int position(const QString& field) {
  static const tokenfields::FieldPositions positions(Stiffness_Bin_Record());
  return positions[field];
}

}  // namespace

StiffnessParser::StiffnessParser(ParseContext& context) : context_(context) {}

void StiffnessParser::reset() {
  state_ = RunNumber;
  runCounter_ = 0;
  tablesMade_.clear();
  headerOnlyRuns_.clear();
  runTable_.clear();
  runHasBins_ = false;
  laterRunsTable_.clear();
}

bool StiffnessParser::standsAtLineEnd() const {
  const bool tokenEmpty = text::trimBlanks(context_.Token).isEmpty();
  return tokenEmpty && (state_ == RunNumber || state_ == BinNumber || state_ == AwaitRunMarker);
}

bool StiffnessParser::standsBetweenRuns() const {
  // After a run's header line its bins are still to come.
  return standsAtLineEnd() && (state_ != BinNumber || runHasBins_);
}

QString StiffnessParser::runCutOff() const { return standsBetweenRuns() ? QString() : runTable_; }

int StiffnessParser::parse(QStringView c) {
  if (c.isEmpty() || c.front() == QChar(0)) return status::NoValue;
  if (!endsToken(c)) {
    context_.Token.append(c);
    return status::NoValue;
  }
  return takeToken();
}

int StiffnessParser::takeToken() {
  const QStringView token = text::trimBlanks(context_.Token);
  if (token == RunMarker || token == RunMarkerLabelled) state_ = RunNumber;
  int result = status::NoValue;
  if (state_ >= BinNumber && state_ < Ratios)
    result = storeBinField(token);
  else if (state_ != AwaitRunMarker && (takesText(token) || text::readsAsNumber(token)))
    result = storeToken(token.toString()) ? status::NoValue : status::StiffnessRejected;
  // A rejected token is dropped too, so that one bad value cannot swallow the
  // tokens after it; the state stays where it was. (truncate keeps the
  // token's buffer for the next one.)
  context_.Token.truncate(0);
  return result;
}

bool StiffnessParser::storeToken(const QString& token) {
  if (state_ == RunNumber) return startRun(token);
  if (state_ <= Time) return storeHeaderField(token);
  return storeRatios(token);
}

// Labels in front of the header values are skipped; the date and time are
// texts, the ratios a pair of words.
bool StiffnessParser::takesText(QStringView token) const {
  switch (state_) {
    case Date: return token != DateLabel;
    case Time: return token != TimeLabel;
    case Ratios: return true;
    default: return false;
  }
}

bool StiffnessParser::runRepeats(const QString& run, const QString& tableName) const {
  if (runCounter_ <= FullRuns) return tablesMade_.contains(tokenfields::withoutDots(tableName).toUpper());
  const auto number = text::toLong(run);
  return number && headerOnlyRuns_.contains(*number);
}

// A run number is a whole number, written as its value: a text such as
// "1.5" or "05" would name a table (RUN15, RUN05) that the stored run number
// (2, 5) does not give back once the run is saved and read again.
std::optional<QString> StiffnessParser::runNumberText(const QString& token) {
  const auto value = text::toNumber(token);
  if (!value || *value != std::floor(*value)) return std::nullopt;
  const auto number = text::toLong(*value);
  if (!number) return std::nullopt;
  return QString::number(*number);
}

bool StiffnessParser::startRun(const QString& token) {
  const std::optional<QString> number = runNumberText(token);
  if (!number) {
    // The run is refused whole: its header and bins are skipped up to the
    // next run marker, so that none of its values starts a run of its own.
    state_ = AwaitRunMarker;
    runTable_.clear();
    return false;
  }
  const QString& run = *number;
  QString tableName = RunTablePrefix + run;
  if (runRepeats(run, tableName)) {
    // Defining the table again would drop the rows already read into it.
    state_ = AwaitRunMarker;
    runTable_.clear();
    return true;
  }
  runTable_ = tableName;
  runHasBins_ = false;
  if (runCounter_ <= FullRuns) {
    if (context_.addTable(tableName, DeviceType::T7310) != status::Ok) return false;
    context_.setDownloadStatus(status::Ok);
    if (!context_.openRecordset(tableName)) return false;
    tablesMade_.insert(tableName.toUpper());
    context_.retrn_message += tableName + QLatin1Char(' ');
    ++runCounter_;
  }
  auto& rs = context_.recordset();
  const bool headerOnly = runCounter_ > FullRuns;
  if (headerOnly && laterRunsTable_.isEmpty()) laterRunsTable_ = tableName;
  if (!context_.addNew() || !tokenfields::setLong(rs, position(F::BIN_NUMBER), headerOnly ? run : HeaderBinNumber) ||
      !tokenfields::setLong(rs, position(F::RUN_NUMBER), run))
    return false;
  if (headerOnly) {
    headerOnlyRuns_.insert(*text::toLong(run));
    if (runCounter_ < CounterLimit) ++runCounter_;
  }
  state_ = Measure;
  return true;
}

bool StiffnessParser::storeHeaderField(const QString& token) {
  auto& rs = context_.recordset();
  switch (state_) {
    case Measure:
      if (!tokenfields::setSingle(rs, position(F::MEASURE), token)) return false;
      break;
    case CalFactor:
      if (!tokenfields::setSingle(rs, position(F::CALFACTOR), token)) return false;
      break;
    case Date:
      if (!tokenfields::setText(rs, position(F::DATE), token)) return false;
      break;
    default:
      if (!tokenfields::setText(rs, position(F::TIME), token) || !context_.saveRow()) return false;
      state_ = runCounter_ > FullRuns ? AwaitRunMarker : BinNumber;
      return true;
  }
  ++state_;
  return true;
}

// Bin values are whole numbers; a token that is no number is dropped, one
// out of range rejected.
int StiffnessParser::storeBinField(QStringView token) {
  const auto value = text::toLong(token);
  if (!value) return text::readsAsNumber(token) ? status::StiffnessRejected : status::NoValue;
  const QString* field = &F::FREQUENCY;
  if (state_ == BinNumber) {
    if (!context_.addNew()) return status::StiffnessRejected;
    field = &F::BIN_NUMBER;
  } else if (state_ >= FirstBinValue) {
    field = BinValueFields[state_ - FirstBinValue];
  }
  if (!context_.recordset().setValue(position(*field), QVariant::fromValue(*value))) return status::StiffnessRejected;
  ++state_;
  return status::NoValue;
}

// The two signal-to-noise ratios are separated by one or more blanks (the
// saved file pads a one-character ratio).
bool StiffnessParser::storeRatios(QStringView token) {
  QStringView words[2];
  int count = 0;
  for (QStringView word : token.tokenize(QLatin1Char(' '), Qt::SkipEmptyParts))
    if (count < 2) words[count++] = word;
  auto& rs = context_.recordset();
  if (count == 0 || !tokenfields::setSingle(rs, position(F::DSNR), words[0])) return false;
  if (count > 1 && !tokenfields::setSingle(rs, position(F::FSNR), words[1])) return false;
  if (!context_.saveRow()) return false;
  runHasBins_ = true;
  state_ = BinNumber;
  return true;
}

}  // namespace instrument
