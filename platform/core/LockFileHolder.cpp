#include "platform/core/LockFileHolder.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QSysInfo>
#include <cerrno>
#include <csignal>
#include <limits>

namespace platform {
namespace {

bool processRuns(qint64 pid) {
  if (pid <= 0 || pid > std::numeric_limits<pid_t>::max()) return false;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace

LockFileHolder lockFileHolder(const QLockFile& lock, QString* computer) {
  qint64 pid = 0;
  QString host, application;
  if (!lock.getLockInfo(&pid, &host, &application)) return LockFileHolder::NoProgram;
  if (computer != nullptr) *computer = host;
  if (!host.isEmpty() && host != QSysInfo::machineHostName()) return LockFileHolder::OtherComputer;
  // Its callers read no lock file this process holds: one that names it was
  // left by an earlier run that had the same process id (a restart after a
  // power loss often has).
  if (pid == QCoreApplication::applicationPid()) return LockFileHolder::NoProgram;
  return processRuns(pid) ? LockFileHolder::ProgramHere : LockFileHolder::NoProgram;
}

}  // namespace platform
