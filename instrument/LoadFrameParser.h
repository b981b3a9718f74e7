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
  int appendCharacter(QStringView c);
  int endField();
  int endLine();
  bool startReading(QStringView token);
  bool storeValue(QStringView token);
  bool storeChannel(int channel, const QString& value, bool withTime, bool withLastName);
  bool startTest(int type);
  bool saveRow();

  ParseContext& context_;
  int column_ = 0;
  QString timeText_;
  std::array<QString, 4> channelNames_;
  std::array<int, TestTypes> counters_{};
};

}  // namespace instrument
