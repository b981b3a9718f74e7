// Every test printout of the four models, parsed, saved as a project file and
// opened again, gives the same rows in the same tables.

#include <QDir>
#include <QSet>
#include <gtest/gtest.h>

#include "ProjectFileSupport.h"
#include "instrument/DeviceType.h"
#include "instrument/ProjectTableList.h"
#include "instrument/writeout.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

namespace {

using instrument::ReplayStatus;
using instrument::SaveStatus;
using instrument::writeout;

struct Printout {
  int model;
  QString path;  // under tests/data
};

std::vector<Printout> printouts() {
  const std::pair<int, QString> folders[] = {
      {instrument::ModelCode::LX9100, QStringLiteral("lx9100")},
      {instrument::ModelCode::N2600A, QStringLiteral("n2600a")},
      {instrument::ModelCode::N2600BX, QStringLiteral("n2600bx")},
      {instrument::ModelCode::T7310, QStringLiteral("t7310")},
  };
  std::vector<Printout> all;
  for (const auto& [model, folder] : folders) {
    const QDir dir(testsupport::dataPath(folder));
    for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
      all.push_back({model, folder + QLatin1Char('/') + name});
  }
  return all;
}

std::string printoutName(const testing::TestParamInfo<Printout>& info) {
  QString name = info.param.path;
  for (QChar& c : name)
    if (!c.isLetterOrNumber()) c = QLatin1Char('_');
  return name.toStdString();
}

class RoundTrip : public testing::TestWithParam<Printout> {
 protected:
  QString parse() {
    return projecttest::parsePrintout(GetParam().model, testsupport::readData(GetParam().path), &damaged_);
  }

  // Saves, then opens the saved file; the new table list, or nothing when
  // the file of a damaged printout was refused.
  std::optional<QString> saveAndOpen(const QString& list, const QString& single = QString()) {
    const QString file = folder_.path(QStringLiteral("saved.txt"));
    writeout writer;
    EXPECT_EQ(writer.writeout_(file, list, static_cast<qint16>(GetParam().model), single), SaveStatus::Saved)
        << writer.message().toStdString();
    writeout reader;
    const std::optional<QString> tables = reader.Get_tables(file, list);
    EXPECT_EQ(reader.FoundDevice, GetParam().model);
    EXPECT_TRUE(reader.Finished_);
    // A value the parser refused is missing from the rows; where the text
    // cannot hold it missing, reading the file back refuses it the same way,
    // and says so.
    if (damaged_ && !tables) {
      EXPECT_EQ(reader.replayStatus(), ReplayStatus::Failed) << reader.message().toStdString();
      return std::nullopt;
    }
    EXPECT_TRUE(tables.has_value()) << reader.message().toStdString() << "\n"
                                    << projecttest::fileBytes(file).toStdString();
    return tables.value_or(QString());
  }

  static void expectSameTables(const QMap<QString, QStringList>& before, const QMap<QString, QStringList>& after) {
    EXPECT_EQ(before.keys(), after.keys());
    for (auto it = before.begin(); it != before.end(); ++it) {
      const QStringList rows = after.value(it.key());
      EXPECT_EQ(it.value().size(), rows.size()) << it.key().toStdString();
      for (qsizetype i = 0; i < std::min(rows.size(), it.value().size()); ++i)
        EXPECT_EQ(it.value()[i].toStdString(), rows[i].toStdString()) << it.key().toStdString() << " row " << i;
    }
  }

  bool densityGauge() const {
    return GetParam().model == instrument::ModelCode::N2600A || GetParam().model == instrument::ModelCode::N2600BX;
  }

  testsupport::TempProgramFolder folder_;
  bool damaged_ = false;
};

TEST_P(RoundTrip, AllTablesComeBackWithTheSameRows) {
  const QString list = parse();
  const QMap<QString, QStringList> before = projecttest::snapshot();
  const std::optional<QString> reopened = saveAndOpen(list);
  if (!reopened) return;
  expectSameTables(before, projecttest::snapshot());
  // An N2600A file lists its projects by first appearance, which puts the
  // soil rows before the asphalt rows.
  if (GetParam().model == instrument::ModelCode::N2600A) {
    const QStringList a = instrument::listedTables(list), b = instrument::listedTables(*reopened);
    EXPECT_EQ(QSet<QString>(a.begin(), a.end()), QSet<QString>(b.begin(), b.end()));
  } else {
    EXPECT_EQ(list.toStdString(), reopened->toStdString());
  }
}

TEST_P(RoundTrip, EachSelectedTableComesBackAlone) {
  const QStringList listed = instrument::listedTables(parse());
  for (qsizetype i = 0; i < listed.size(); ++i) {
    // The table of the runs after the twentieth, read back alone, gives each
    // of its runs a table of its own: only the first twenty runs get one.
    constexpr int RunsWithBins = 20;
    if (GetParam().model == instrument::ModelCode::T7310 && i >= RunsWithBins) continue;
    const QString& name = listed[i];
    const QString list = parse();
    const QMap<QString, QStringList> before = projecttest::snapshot();
    const QString table = densityGauge() ? instrument::projectTable(name) : instrument::listedTable(name);
    if (!saveAndOpen(list, name)) continue;
    const QMap<QString, QStringList> after = projecttest::snapshot();
    ASSERT_EQ(after.size(), 1) << name.toStdString();
    // A load-frame test is numbered afresh from 1 when read back alone.
    EXPECT_EQ(before.value(table.toUpper()), after.first()) << name.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Printouts, RoundTrip, testing::ValuesIn(printouts()), printoutName);

}  // namespace
