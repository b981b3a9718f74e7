#pragma once

#include <QStringView>

namespace instrument {

class ParseContext;

// Parse_LX9100: turns the load-frame printout, fed one character per call, into tables of
// the working database through the shared ParseContext.
class LoadFrameParser {
 public:
  explicit LoadFrameParser(ParseContext& context);

  // Back to the state right after Initit.
  void reset();
  // One character (or an empty text). Returns a status::... value:
  // status::NoValue when the call reports nothing.
  int parse(QStringView c);

 private:
  ParseContext& context_;
};

}  // namespace instrument
