#pragma once

#include <QStringView>

namespace instrument {

class ParseContext;

// Parse_N2600BX: turns the N2600BX printout, fed one character per call, into tables of
// the working database through the shared ParseContext.
class N2600BXParser {
 public:
  explicit N2600BXParser(ParseContext& context);

  // Back to the state right after Initit.
  void reset();
  // One character (or an empty text). Returns a status::... value:
  // status::NoValue when the call reports nothing.
  int parse(QStringView c);

 private:
  ParseContext& context_;
};

}  // namespace instrument
