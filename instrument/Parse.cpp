#include "instrument/Parse.h"

#include <QStringList>

#include "instrument/DeviceType.h"
#include "instrument/StatusCodes.h"

namespace instrument {

Parse::Parse(int* Download_Status)
    : context_(Download_Status), stiffness_(context_), loadFrame_(context_), n2600a_(context_),
      n2600bx_(context_) {}

Parse::~Parse() { DeInit(); }

int Parse::Initit(const QString& current_tables) {
  context_.closeDatabase();
  context_.tableCreator() = CreateDatabase();
  if (!current_tables.isEmpty()) context_.tableCreator().Delete_Table(current_tables);
  int status = context_.tableCreator().Create();
  if (status == status::Ok && !context_.openDatabase()) status = status::CreateFailed;
  context_.setDownloadStatus(status);
  context_.retrn_message.clear();
  context_.Token.clear();
  if (status != status::Ok) return status;
  stiffness_.reset();
  loadFrame_.reset();
  n2600a_.reset();
  n2600bx_.reset();
  return status::Ok;
}

void Parse::DeInit() {
  context_.Token.clear();
  context_.closeDatabase();
}

int Parse::Parse_T7310(QStringView Pass_Character) { return stiffness_.parse(Pass_Character); }
int Parse::Parse_LX9100(QStringView Pass_Character) { return loadFrame_.parse(Pass_Character); }
int Parse::Parse_N2600A(QStringView Pass_Character) { return n2600a_.parse(Pass_Character); }
int Parse::Parse_N2600BX(QStringView Pass_Character) { return n2600bx_.parse(Pass_Character); }

bool Parse::standsBetweenRecords(int device_type) const {
  return device_type == DeviceType::T7310 && stiffness_.standsBetweenRuns();
}

bool Parse::standsAtLineEnd(int device_type) const {
  return device_type == DeviceType::T7310 && stiffness_.standsAtLineEnd();
}

QString Parse::recordCutOff(int device_type) const {
  if (device_type == DeviceType::T7310) return stiffness_.runCutOff();
  if (device_type != DeviceType::LoadFrameSingle) return {};
  const QStringList made = retrn_message().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  return made.isEmpty() ? QString() : made.last();
}

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
