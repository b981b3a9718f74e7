#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// A fresh program folder (info/, images/, help/) in a temporary directory,
// made current for the lifetime of the object and removed afterwards.
class TempProgramFolder {
 public:
  TempProgramFolder();
  ~TempProgramFolder();
  TempProgramFolder(const TempProgramFolder&) = delete;
  TempProgramFolder& operator=(const TempProgramFolder&) = delete;

  QString root() const;
  QString path(const QString& relative) const;

 private:
  QTemporaryDir dir_;
  QString previousRoot_;
};

}  // namespace testsupport
