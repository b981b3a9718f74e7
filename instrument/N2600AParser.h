#pragma once

#include <QStringView>

namespace instrument {

class ParseContext;

// Parse_N2600A: turns the N2600A report, fed one character per call, into tables of
// the working database through the shared ParseContext.
class N2600AParser {
 public:
  explicit N2600AParser(ParseContext& context);

  // Back to the state right after Initit.
  void reset();
  // One character (or an empty text). Returns a status::... value:
  // status::NoValue when the call reports nothing.
  int parse(QStringView c);

 private:
  ParseContext& context_;
};

}  // namespace instrument
