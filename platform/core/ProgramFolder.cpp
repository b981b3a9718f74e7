#include "platform/core/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {
namespace {

QString& overriddenRoot() {
  static QString folder;
  return folder;
}

QString defaultRoot() {
  const QString fromEnvironment = qEnvironmentVariable("QUORVANE_HOME");
  if (!fromEnvironment.isEmpty()) return fromEnvironment;
  if (QCoreApplication::instance() != nullptr) return QCoreApplication::applicationDirPath();
  return QDir::currentPath();
}

}  // namespace

QString ProgramFolder::root() {
  return overriddenRoot().isEmpty() ? defaultRoot() : overriddenRoot();
}

void ProgramFolder::setRoot(const QString& folder) { overriddenRoot() = folder; }

QString ProgramFolder::path(const QString& relative) { return QDir(root()).filePath(relative); }

}  // namespace platform
