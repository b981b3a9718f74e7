#include "instrument/LoadFrameParser.h"

#include "instrument/DeviceType.h"
#include "instrument/ParseContext.h"
#include "instrument/RecordLayouts.h"
#include "instrument/StatusCodes.h"
#include "instrument/TextNumbers.h"

namespace instrument {
namespace {

namespace F = LoadTestField;

constexpr char16_t EndMarker = 253;
constexpr QChar FieldEnd = QLatin1Char(',');
constexpr QChar LineEnd = QLatin1Char('\r');
constexpr int ChannelDecimals = 4;  // "#0.0000"

const QString EndWord = QStringLiteral("END");
const QString EmptyChannel = QStringLiteral("()");
const QString NoChannel = QStringLiteral("NONE");
const QString DefaultChannel4 = QStringLiteral("CH 4");

struct TestType {
  QString line;
  QString prefix;
};

const std::array<TestType, LoadFrameParser::TestTypes>& testTypes() {
  static const std::array<TestType, LoadFrameParser::TestTypes> types{{
      {QStringLiteral("CBR/LBR TEST"), QStringLiteral("CBR_LBR")},
      {QStringLiteral("MARSHALL TEST"), QStringLiteral("MARSHALL")},
      {QStringLiteral("U.C. TEST"), QStringLiteral("UC")},
      {QStringLiteral("SOIL CEMENT TEST"), QStringLiteral("S_C_TEST")},
      {QStringLiteral("TRIAXIAL TEST"), QStringLiteral("TRIAXIAL")},
      {QStringLiteral("DIRECT SHEAR TEST"), QStringLiteral("DSHEARTEST")},
  }};
  return types;
}

int testTypeOf(QStringView line) {
  for (int i = 0; i < LoadFrameParser::TestTypes; ++i)
    if (line == testTypes()[i].line) return i;
  return -1;
}

const QString* valueField(int channel) {
  static const std::array<const QString*, 4> fields{&F::CH1, &F::CH2, &F::CH3, &F::CH4};
  return fields[channel];
}

const QString* nameField(int channel) {
  static const std::array<const QString*, 4> fields{&F::CH1NAME, &F::CH2NAME, &F::CH3NAME, &F::CH4NAME};
  return fields[channel];
}

// A channel value as the printout gives it: single precision, four decimals.
std::optional<QString> channelText(QStringView token) {
  const auto value = text::toSingle(token);
  if (!value) return std::nullopt;
  return text::formatSingle(*value, ChannelDecimals);
}

}  // namespace

LoadFrameParser::LoadFrameParser(ParseContext& context) : context_(context) {}

void LoadFrameParser::reset() {
  column_ = 0;
  timeText_.clear();
  for (QString& name : channelNames_) name.clear();
  counters_.fill(0);
}

int LoadFrameParser::parse(QStringView c) {
  if (c.isEmpty()) return status::NoValue;
  if (c.front() == QChar(EndMarker)) {
    context_.closeDatabase();
    return status::NoValue;
  }
  if (c.front() == FieldEnd) return endField();
  if (c.front() != LineEnd) return appendCharacter(c);
  return endLine();
}

int LoadFrameParser::appendCharacter(QStringView c) {
  QString& token = context_.Token;
  token.append(c);
  if (text::trimBlanks(token) != EndWord) return status::NoValue;
  token.clear();
  if (!context_.recordset().isOpen()) return status::ParseFailed;
  context_.closeRecordset();
  return status::ParseComplete;
}

int LoadFrameParser::endField() {
  QString& token = context_.Token;
  const QStringView field = text::trimBlanks(token);
  int result = status::NoValue;
  if (text::readsAsNumber(token)) {
    if (column_ == 1) {
      if (!startReading(token)) return status::NoValue;  // token and column stay as they were
    } else if (!storeValue(token)) {
      result = status::ParseFailed;  // the field is used up all the same
    }
  } else {
    const QString name = field == EmptyChannel ? NoChannel : field.toString();
    switch (column_) {
      case 2: timeText_ = name; break;
      case 3: channelNames_[0] = name; break;
      case 4: channelNames_[1] = name; break;
      case 5:
        channelNames_[2] = name;
        channelNames_[3] = DefaultChannel4;
        break;
      case 6: channelNames_[3] = name; break;
      default: break;
    }
  }
  if (!field.isEmpty()) ++column_;
  token.clear();
  return result;
}

bool LoadFrameParser::startReading(QStringView token) {
  const auto number = text::toLong(token);
  if (!number || !context_.recordset().isUpdatable() || !context_.addNew()) return false;
  return context_.recordset().setValue(F::READNUMBER, *number);
}

bool LoadFrameParser::storeValue(QStringView token) {
  if (column_ == 6) {
    // A value closed by a comma after the fourth channel: kept unformatted.
    const auto value = text::toSingle(token);
    return value && storeChannel(3, QString::number(text::singleValue(*value), 'g', 9), false, false);
  }
  if (column_ < 3 || column_ > 5) return true;
  const auto value = channelText(token);
  return value && storeChannel(column_ - 3, *value, column_ == 3, column_ == 5);
}

bool LoadFrameParser::storeChannel(int channel, const QString& value, bool withTime, bool withLastName) {
  auto& rs = context_.recordset();
  if (!rs.setValue(*valueField(channel), value) || !rs.setValue(*nameField(channel), channelNames_[channel]))
    return false;
  if (withTime && !rs.setValue(F::TIME, timeText_)) return false;
  return !withLastName || rs.setValue(F::CH4NAME, channelNames_[3]);
}

int LoadFrameParser::endLine() {
  QString& token = context_.Token;
  const QStringView line = text::trimBlanks(token);
  bool done = true;
  if (text::readsAsNumber(token)) {
    const auto value = channelText(token);
    done = value && storeChannel(3, *value, false, false) && saveRow();
  } else if (const int type = testTypeOf(line); type >= 0) {
    done = startTest(type);
  } else if (line.isEmpty() && context_.recordset().isEditing()) {
    done = saveRow();  // a reading line closed by a comma: its row is complete
  } else if (!token.isEmpty()) {
    channelNames_[3] = line.toString();
  }
  // A failed line still ends here, so the next line starts clean.
  token.clear();
  column_ = 1;
  return done ? status::NoValue : status::ParseFailed;
}

bool LoadFrameParser::saveRow() {
  if (context_.saveRow()) return true;
  context_.recordset().cancelUpdate();
  return false;
}

bool LoadFrameParser::startTest(int type) {
  ++counters_[type];
  QString name = testTypes()[type].prefix + QString::number(counters_[type]);
  const int created = context_.addTable(name, DeviceType::LoadFrameSingle);
  if (created != status::Ok) return false;
  context_.setDownloadStatus(created);
  if (!context_.openRecordset(name)) return false;
  context_.retrn_message += name + QLatin1Char(' ');
  return true;
}

}  // namespace instrument
