#include "platform/serial/ComPortMap.h"

#include <QRegularExpression>
#include <QStringList>

#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/SettingsFile.h"

namespace platform {
namespace {

const QString DefaultDevicePattern = QStringLiteral("/dev/ttyS%1");
const QString EnvironmentPattern = QStringLiteral("QUORVANE_COM%1");

bool validPort(int port) { return port >= ComPortMap::FirstPort && port <= ComPortMap::LastPort; }

}  // namespace

ComPortMap::Mapping ComPortMap::mapping(int port) {
  if (!validPort(port)) return {};
  const QString fromEnvironment = qEnvironmentVariable(environmentVariable(port).toLatin1().constData());
  if (!fromEnvironment.isEmpty()) return {fromEnvironment, Source::Environment};
  const QMap<int, QString> named = readFile().ports;
  if (named.contains(port)) return {named.value(port), Source::File};
  return {defaultDevice(port), Source::Default};
}

ComPortMap::File ComPortMap::readFile() {
  const SettingsFile file = readSettingsFile(ProgramFolder::path(ProgramFiles::ComPortMap));
  if (file.outcome != SettingsFile::Read) return {{}, file.outcome, file.error};
  return {parse(QString::fromUtf8(file.bytes)), file.outcome};
}

QString ComPortMap::defaultDevice(int port) {
  return validPort(port) ? DefaultDevicePattern.arg(port - 1) : QString();
}

QString ComPortMap::environmentVariable(int port) { return EnvironmentPattern.arg(port); }

QMap<int, QString> ComPortMap::parse(const QString& text) {
  static const QRegularExpression line(QStringLiteral("^\\s*COM([1-4])\\s*=\\s*(\\S.*?)\\s*$"),
                                       QRegularExpression::CaseInsensitiveOption);
  QMap<int, QString> ports;
  for (const QString& row : text.split(QRegularExpression(QStringLiteral("[\r\n]+")))) {
    const QRegularExpressionMatch match = line.match(row);
    if (match.hasMatch()) ports.insert(match.captured(1).toInt(), match.captured(2));
  }
  return ports;
}

}  // namespace platform
