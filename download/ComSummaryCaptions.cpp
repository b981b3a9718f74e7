#include "download/ComSummaryCaptions.h"

#include "platform/core/ProgramFiles.h"
#include "platform/serial/ComPortMap.h"

namespace download {
namespace {

const QString PortPrefix = QStringLiteral("COM");
const QString Available = QStringLiteral(": AVAILABLE");
const QString Modem = QStringLiteral(": MODEM");
const QString InUse = QStringLiteral(": IN USE");
const QString Unavailable = QStringLiteral(": UNAVAILABLE");

using platform::ComPortMap;

const QString DeviceCaption = QStringLiteral("COM%1 = %2 (%3)");
const QString FromEnvironment = QStringLiteral("from the environment variable %1");
const QString FromFile = QStringLiteral("from %1");
const QString ByDefault = QStringLiteral("the default; %1 does not name it");

QString sourceText(int portNumber, ComPortMap::Source source) {
  switch (source) {
    case ComPortMap::Source::Environment:
      return FromEnvironment.arg(ComPortMap::environmentVariable(portNumber));
    case ComPortMap::Source::File:
      return FromFile.arg(platform::ProgramFiles::ComPortMap);
    case ComPortMap::Source::Default:
      break;
  }
  return ByDefault.arg(platform::ProgramFiles::ComPortMap);
}

QString stateSuffix(QChar state) {
  if (state.isDigit()) return Available;
  if (state == QLatin1Char('m')) return Modem;
  if (state == QLatin1Char('o')) return InUse;
  return Unavailable;
}

}  // namespace

QString comStatusCaption(int portNumber, const QString& portStates) {
  const qsizetype at = portNumber - 1;
  const QChar state = at >= 0 && at < portStates.size() ? portStates[at] : QChar();
  return PortPrefix + QString::number(portNumber) + stateSuffix(state);
}

QStringList comStatusCaptions(const QString& portStates) {
  QStringList captions;
  for (int port = 1; port <= ComPortCount; ++port) captions.append(comStatusCaption(port, portStates));
  return captions;
}

QString comDeviceCaption(int portNumber) {
  const ComPortMap::Mapping mapping = ComPortMap::mapping(portNumber);
  return DeviceCaption.arg(portNumber).arg(mapping.device, sourceText(portNumber, mapping.source));
}

QStringList comDeviceCaptions() {
  QStringList captions;
  for (int port = 1; port <= ComPortCount; ++port) captions.append(comDeviceCaption(port));
  return captions;
}

}  // namespace download
