#include "instrument/lx9100/LoadFrameParser.h"

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

// The field names in the order of the parser's Field positions.
const std::array<const QString*, 10>& fieldNames() {
  static const std::array<const QString*, 10> names{&F::READNUMBER, &F::TIME,    &F::CH1,     &F::CH2,
                                                    &F::CH3,        &F::CH4,     &F::CH1NAME, &F::CH2NAME,
                                                    &F::CH3NAME,    &F::CH4NAME};
  return names;
}

// A channel value as the printout gives it: single precision, four decimals.
std::optional<double> channelValue(double number) {
  const auto single = text::toSingle(number);
  if (!single) return std::nullopt;
  return text::roundSingle(*single, ChannelDecimals);
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
  if (c.size() == 1)
    token.append(c.front());
  else
    token.append(c);
  // The token can only have become "END" (blanks aside) with its last letter.
  if (token.back() != EndWord.back() || text::trimBlanks(token) != EndWord) return status::NoValue;
  token.resize(0);
  if (!context_.recordset().isOpen()) return status::ParseFailed;
  context_.closeRecordset();
  return status::ParseComplete;
}

int LoadFrameParser::endField() {
  QString& token = context_.Token;
  const QStringView field = text::trimBlanks(token);
  int result = status::NoValue;
  if (const auto number = text::toNumber(field)) {
    if (column_ == 1) {
      if (!startReading(*number)) return status::NoValue;  // token and column stay as they were
    } else if (!storeValue(*number)) {
      result = status::ParseFailed;  // the field is used up all the same
    }
  } else {
    nameColumn(field);
  }
  if (!field.isEmpty()) ++column_;
  token.resize(0);
  return result;
}

// A blank field leaves its column without a name: Null, as before any
// heading, whatever text the field came from.
void LoadFrameParser::nameColumn(QStringView field) {
  const QString name = field.isEmpty() ? QString() : field == EmptyChannel ? NoChannel : field.toString();
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

bool LoadFrameParser::startReading(double number) {
  const auto readNumber = text::toLong(number);
  if (!readNumber || !context_.recordset().isUpdatable() || !context_.addNew()) return false;
  return setField(READNUMBER, *readNumber);
}

bool LoadFrameParser::storeValue(double number) {
  if (column_ == 6) {
    // A value closed by a comma after the fourth channel: not rounded to four decimals.
    const auto single = text::toSingle(number);
    return single && storeChannel(3, text::singleValue(*single));
  }
  if (column_ < 3 || column_ > 5) return true;
  const auto value = channelValue(number);
  if (!value || !storeChannel(column_ - 3, *value)) return false;
  if (column_ == 3 && !setField(TIME, timeText_)) return false;
  return column_ != 5 || setField(static_cast<Field>(CH1NAME + 3), channelNames_[3]);
}

bool LoadFrameParser::storeChannel(int channel, double value) {
  return setField(static_cast<Field>(CH1 + channel), value) &&
         setField(static_cast<Field>(CH1NAME + channel), channelNames_[channel]);
}

bool LoadFrameParser::setField(Field field, const QVariant& value) {
  return context_.recordset().setValue(fieldIndex_[field], value);
}

int LoadFrameParser::endLine() {
  QString& token = context_.Token;
  const QStringView line = text::trimBlanks(token);
  bool done = true;
  if (const auto number = text::toNumber(line)) {
    const auto value = channelValue(*number);
    done = value && storeChannel(3, *value) && saveRow();
  } else if (const int type = testTypeOf(line); type >= 0) {
    done = startTest(type);
  } else if (line.isEmpty() && context_.recordset().isEditing()) {
    done = saveRow();  // a reading line closed by a comma: its row is complete
  } else if (!token.isEmpty()) {
    channelNames_[3] = line.isEmpty() ? QString() : line.toString();  // a line of blanks unnames it
  }
  // A failed line still ends here, so the next line starts clean.
  token.resize(0);
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
  for (int field = 0; field < FieldCount; ++field)
    fieldIndex_[field] = context_.recordset().fieldIndex(*fieldNames()[field]);
  context_.retrn_message += name + QLatin1Char(' ');
  return true;
}

}  // namespace instrument
