#include "instrument/StiffnessParser.h"

#include "instrument/ParseContext.h"
#include "instrument/StatusCodes.h"

namespace instrument {

StiffnessParser::StiffnessParser(ParseContext& context) : context_(context) {}

void StiffnessParser::reset() {}

int StiffnessParser::parse(QStringView) { return status::NoValue; }

}  // namespace instrument
