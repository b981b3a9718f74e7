#include "instrument/N2600AParser.h"

#include "instrument/ParseContext.h"
#include "instrument/StatusCodes.h"

namespace instrument {

N2600AParser::N2600AParser(ParseContext& context) : context_(context) {}

void N2600AParser::reset() {}

int N2600AParser::parse(QStringView) { return status::NoValue; }

}  // namespace instrument
