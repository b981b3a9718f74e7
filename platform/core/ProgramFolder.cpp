#include "platform/core/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

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

const char* const Folders[] = {"info", "images", "help"};

QString folderNotMade(const QString& folder, const std::error_code& why) {
  return QStringLiteral("The folder \"%1\" could not be made: %2.")
      .arg(QDir::toNativeSeparators(folder), QString::fromLocal8Bit(why.message()));
}

}  // namespace

QString ProgramFolder::root() {
  return overriddenRoot().isEmpty() ? defaultRoot() : overriddenRoot();
}

void ProgramFolder::setRoot(const QString& folder) { overriddenRoot() = folder; }

QString ProgramFolder::path(const QString& relative) { return QDir(root()).filePath(relative); }

bool ProgramFolder::makeFolders(QString* problem) {
  for (const char* name : Folders) {
    const QString folder = path(QString::fromLatin1(name));
    std::error_code why;
    std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(folder).toStdString()), why);
    // A file of the folder's name in its place is no folder either.
    if (!why && !QFileInfo(folder).isDir()) why = std::make_error_code(std::errc::not_a_directory);
    if (why) {
      if (problem != nullptr) *problem = folderNotMade(folder, why);
      return false;
    }
  }
  return true;
}

}  // namespace platform
