#include "instrument/LoadFrameParser.h"

#include "instrument/ParseContext.h"
#include "instrument/StatusCodes.h"

namespace instrument {

LoadFrameParser::LoadFrameParser(ParseContext& context) : context_(context) {}

void LoadFrameParser::reset() {}

int LoadFrameParser::parse(QStringView) { return status::NoValue; }

}  // namespace instrument
