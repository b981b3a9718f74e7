#pragma once

#include <QString>
#include <QStringView>
#include <array>

namespace instrument {

class ParseContext;

// Parse_LX9100: turns the load-frame printout, fed one character per call, into
// one table of Load_Test_Record rows per test. Fields end at ",", lines at CR;
// "END" closes the test and answers status::ParseComplete.
class LoadFrameParser {
 public:
  explicit LoadFrameParser(ParseContext& context);

  // Back to the state right after Initit.
  void reset();
  // One character (or an empty text). Returns status::NoValue,
  // status::ParseComplete at the "END" of a test, or status::ParseFailed when a
  // database step failed.
  int parse(QStringView c);

  static constexpr int TestTypes = 6;

 private:
  // Positions of the Load_Test_Record fields in the open recordset.
  enum Field { READNUMBER, TIME, CH1, CH1NAME = CH1 + 4, FieldCount = CH1NAME + 4 };

  int appendCharacter(QStringView c);
  int endField();
  void nameColumn(QStringView field);
  int endLine();
  bool startReading(double number);
  bool storeValue(double number);
  bool storeChannel(int channel, double value);
  bool setField(Field field, const QVariant& value);
  bool startTest(int type);
  bool saveRow();

  ParseContext& context_;
  int column_ = 0;
  QString timeText_;
  std::array<QString, 4> channelNames_;
  std::array<int, TestTypes> counters_{};
  std::array<int, FieldCount> fieldIndex_{};
};

}  // namespace instrument
