#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include "ProjectFileSupport.h"
#include "instrument/writeout.h"
#include "support/TempProgramFolder.h"

namespace projecttest {

// Fixture of the per-model project-file section tests: one project file in a
// temporary program folder, written for one model and replayed.
class ProjectSectionTest : public testing::Test {
 protected:
  ProjectSectionTest(int model, const QString& fileName) : model_(model), file_(folder_.path(fileName)) {}

  // Writes the tables of list and returns the file's bytes.
  QByteArray save(const QString& list, bool csv = false) {
    instrument::writeout writer;
    EXPECT_EQ(writer.writeout_(file_, list, model_, QString(), csv), instrument::SaveStatus::Saved)
        << writer.message().toStdString();
    return fileBytes(file_);
  }
  // Replays the file: it gives back list and leaves the working database as it was.
  void expectReadBack(const QString& list) {
    const auto before = snapshot();
    instrument::writeout reader;
    EXPECT_EQ(reader.Get_tables(file_, QString()), list) << reader.message().toStdString();
    EXPECT_EQ(snapshot(), before);
  }

  int model_;
  testsupport::TempProgramFolder folder_;
  QString file_;
};

}  // namespace projecttest
