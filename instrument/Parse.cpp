#include "instrument/Parse.h"

#include "instrument/DeviceType.h"
#include "instrument/StatusCodes.h"

namespace instrument {

Parse::Parse(int* Download_Status)
    : context_(Download_Status), stiffness_(context_), loadFrame_(context_), n2600a_(context_),
      n2600bx_(context_) {}

Parse::~Parse() { DeInit(); }

int Parse::Initit(const QString&) { return status::CreateFailed; }

void Parse::DeInit() {}

int Parse::Parse_T7310(QStringView c) { return stiffness_.parse(c); }
int Parse::Parse_LX9100(QStringView c) { return loadFrame_.parse(c); }
int Parse::Parse_N2600A(QStringView c) { return n2600a_.parse(c); }
int Parse::Parse_N2600BX(QStringView c) { return n2600bx_.parse(c); }

Parse::Member Parse::memberForDevice(int device_type) {
  switch (device_type) {
    case DeviceType::LoadFrameSingle:
    case DeviceType::LoadFrameContinuous: return &Parse::Parse_LX9100;
    case DeviceType::N2600A: return &Parse::Parse_N2600A;
    case DeviceType::N2600BX: return &Parse::Parse_N2600BX;
    case DeviceType::T7310: return &Parse::Parse_T7310;
    default: return nullptr;
  }
}

Parse::Member Parse::memberForModel(int Model_Code) {
  switch (Model_Code) {
    case ModelCode::LX9100: return &Parse::Parse_LX9100;
    case ModelCode::N2600A: return &Parse::Parse_N2600A;
    case ModelCode::N2600BX: return &Parse::Parse_N2600BX;
    case ModelCode::T7310: return &Parse::Parse_T7310;
    default: return nullptr;
  }
}

}  // namespace instrument
