#include "fuzz/FuzzEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "platform/core/ProgramFolder.h"

namespace fuzzing {
namespace {

QTemporaryDir* folder = nullptr;

}  // namespace

void setUpOnce() {
  static int argc = 1;
  static char name[] = "fuzz";
  static char* argv[] = {name, nullptr};
  static QCoreApplication application(argc, argv);
  static QTemporaryDir temporary;
  folder = &temporary;
  if (!temporary.isValid()) reportFinding(QStringLiteral("no temporary folder"));
  for (const char* sub : {"info", "images", "help"}) QDir(temporary.path()).mkpath(QString::fromLatin1(sub));
  platform::ProgramFolder::setRoot(temporary.path());
}

QString scratchFolder() { return folder->path(); }

void reportFinding(const QString& what) {
  std::fprintf(stderr, "FINDING: %s\n", what.toLocal8Bit().constData());
  std::fflush(stderr);
  std::abort();
}

}  // namespace fuzzing
