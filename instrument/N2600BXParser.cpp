#include "instrument/N2600BXParser.h"

#include "instrument/ParseContext.h"
#include "instrument/StatusCodes.h"

namespace instrument {

N2600BXParser::N2600BXParser(ParseContext& context) : context_(context) {}

void N2600BXParser::reset() {}

int N2600BXParser::parse(QStringView) { return status::NoValue; }

}  // namespace instrument
