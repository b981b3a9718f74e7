#include "platform/core/LockFileText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QList>
#include <QStringDecoder>
#include <QSysInfo>

#include <algorithm>
#include <cctype>

namespace platform {
namespace {

enum Line { ProcessId, ProgramName, ComputerName, MachineId, BootId, LineCount };

constexpr qsizetype MachineIdLength = 32;

QByteArray programName() {
  return QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8();
}

bool isProcessId(const QByteArray& line) {
  bool isNumber = false;
  return !line.isEmpty() && std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
         line.toLongLong(&isNumber) > 0 && isNumber;
}

// Valid UTF-8 of printable characters, without blanks, as computer names are.
bool isComputerName(const QByteArray& line) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString name = utf8.decode(line);
  return !name.isEmpty() && !utf8.hasError() &&
         std::all_of(name.begin(), name.end(), [](QChar c) { return c.isPrint() && !c.isSpace(); });
}

bool isMachineId(const QByteArray& line) {
  const auto hexDigit = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
  return line.isEmpty() || (line.size() == MachineIdLength && std::all_of(line.begin(), line.end(), hexDigit));
}

bool hasTheHoldersLayout(const QList<QByteArray>& lines) {
  return lines.size() > ComputerName && isProcessId(lines[ProcessId]) && isComputerName(lines[ComputerName]) &&
         (lines.size() <= MachineId || isMachineId(lines[MachineId]));
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
  if (!hasTheHoldersLayout(lines)) return {};
  const QString computer = QString::fromUtf8(lines[ComputerName]);
  if (!isThisComputersName(computer)) return computer;
  const bool otherMachine = lines.size() > MachineId && !lines[MachineId].isEmpty() &&
                            lines[MachineId] != QSysInfo::machineUniqueId();
  return otherMachine ? computer : QString();
}

bool isThisComputersName(const QString& computer) { return computer == QSysInfo::machineHostName(); }

}  // namespace platform
