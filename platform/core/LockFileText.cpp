#include "platform/core/LockFileText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QList>
#include <QSysInfo>

namespace platform {
namespace {

enum Line { ProcessId, ProgramName, ComputerName, MachineId, BootId, LineCount };

QByteArray programName() {
  return QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8();
}

}  // namespace

QByteArray lockFileTextOfThisProcess() {
  QList<QByteArray> lines(LineCount);
  lines[ProcessId] = QByteArray::number(QCoreApplication::applicationPid());
  lines[ProgramName] = programName();
  lines[ComputerName] = QSysInfo::machineHostName().toUtf8();
  lines[MachineId] = QSysInfo::machineUniqueId();
  lines[BootId] = QSysInfo::bootUniqueId();
  return lines.join('\n') + '\n';
}

QString otherComputerIn(const QByteArray& text) {
  // Only whole lines count: a text read while its holder writes it may stop
  // anywhere, and a name cut short is no other computer's.
  QList<QByteArray> lines = text.split('\n');
  lines.removeLast();  // what follows the last line end
  if (lines.size() <= ComputerName || lines[ComputerName].isEmpty()) return {};
  const QString computer = QString::fromUtf8(lines[ComputerName]);
  if (computer != QSysInfo::machineHostName()) return computer;
  const bool otherMachine = lines.size() > MachineId && !lines[MachineId].isEmpty() &&
                            lines[MachineId] != QSysInfo::machineUniqueId();
  return otherMachine ? computer : QString();
}

}  // namespace platform
