#include "report/builder/ColumnLayoutFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "BuilderFixture.h"
#include "report/builder/ColumnPlacement.h"
#include "report/builder/ColumnReset.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/FieldMap.h"
#include "report/builder/ReportHeader.h"
#include "report/builder/StiffnessBlocks.h"

namespace report {
namespace {

using testing::lines;

// The file text for these entries followed by the placeholders up to column 19.
QByteArray layoutFile(const QStringList& entries, int firstPlaceholder) {
  QByteArray text = "\"";
  for (const QString& entry : entries) text += entry.toLatin1() + '\r';
  for (int k = firstPlaceholder; k <= LastColumn; ++k) text += columnPlaceholder(k).toLatin1() + '\r';
  return text + "\"\r\n";
}

class ColumnLayoutFileTest : public testing::BuilderFixture {
 protected:
  // A report on the table as the report page starts it.
  void start(int model, const QString& table, const QString& test = "NONE") {
    model_ = model;
    table_ = table;
    test_ = test;
    auto c = context();
    Clear_Columns(*designers.Report);
    Build_Report_Header(c, table, test.left(1), model);
    Reset_Report_Columns(c, table, test.left(1), model);
  }
  void place(int col, const QString& item) {
    auto c = context();
    Place_Column(c, col, item, table_, test_.left(1), model_, {});
  }
  void writeLayout(const QByteArray& bytes) {
    QFile file(columnLayoutPath(model_));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray savedLayout() const {
    QFile file(columnLayoutPath(model_));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
  }
  bool save(QString* error = nullptr) { return saveColumnLayout(*designers.Report, flags, model_, error); }
  ColumnLayoutLoad loadLayout() {
    auto c = context();
    return loadColumnLayout(c, table_, test_, model_);
  }
  // Every column's header and values, and which are shown.
  QStringList columns() const {
    QStringList texts;
    for (int k = 1; k <= LastColumn; ++k) texts << header(k) + " | " + data(k);
    return texts;
  }

  int model_ = 0;
  QString table_, test_;
};

TEST_F(ColumnLayoutFileTest, LayoutsRoundTripForEveryModel) {
  struct Case {
    int model;
    QString file, table, test;
    QStringList entries;  // then placeholders from column firstPlaceholder
    int firstPlaceholder;
  };
  const QString loadFrameTable = load(0, testing::loadFramePrintout(20)).trimmed();
  const Case cases[] = {
      {0, {}, loadFrameTable, "NONE", {"CH1", "Time", "Remarks"}, 5},
      {1, "n2600a/soil_asphalt.txt", "125", "SOIL", {"WD", "RDate", "Col 3", "DD", "Remarks"}, 7},
      {2, "n2600bx/one_project.txt", "45", "SOIL", {"Time", "%MCont", "VR", "Remarks"}, 6},
      {3, "t7310/runs_101_to_125.txt", "RUN101", "NONE", {"Noise Data", "Freq.", "Remarks"}, 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.model);
    if (!c.file.isEmpty()) loadFile(c.model, c.file);
    start(c.model, c.table, c.test);
    const QByteArray file = layoutFile(c.entries, c.firstPlaceholder);
    writeLayout(file);
    const ColumnLayoutLoad load = loadLayout();
    EXPECT_EQ(load.outcome, ColumnLayoutLoad::Loaded);
    const bool block = stiffnessBlockFor(c.entries.first()) != nullptr;  // counts its four columns
    EXPECT_EQ(flags.Used_Columns, 1 + load.placed + (block ? StiffnessBlockWidth - 1 : 0));
    // Every named item is on its column with a value for every reading.
    const int readings = static_cast<int>(lines(data(1)).size());
    int k = FirstDataColumn;
    for (const QString& entry : c.entries) {
      if (stiffnessBlockFor(entry) != nullptr) {
        k += StiffnessBlockWidth;
        continue;
      }
      if (!entry.startsWith("Col") && entry != "Remarks") {
        EXPECT_EQ(header(k), entry) << k;
        EXPECT_EQ(lines(data(k)).size(), readings) << k;
        EXPECT_FALSE(lines(data(k)).join("").isEmpty()) << k;  // "Freq." reads the frequencies
      }
      ++k;
    }
    EXPECT_TRUE(save());
    EXPECT_EQ(savedLayout(), file);
  }
  // The stiffness block stands on columns 2 to 5 under its title.
  EXPECT_TRUE(flags.Noise_Block);
  EXPECT_EQ(flags.Noise_Col, 5);
  EXPECT_EQ(header(2), "Real\rDispl.");
  EXPECT_EQ(header(5), "Imag.\rForce");
  EXPECT_FALSE(hidden("NoiseBlockTitle"));
  EXPECT_EQ(flags.Used_Columns, 6);
}

TEST_F(ColumnLayoutFileTest, ATwoBlockLoadFrameLayoutHoldsItsLeftBlockOnly) {
  start(0, load(0, testing::loadFramePrintout(120)).trimmed());
  place(2, "CH1");
  place(3, "CH2");
  ASSERT_EQ(header(10), "CH2");  // the mirror block
  const QStringList shown = columns();
  ASSERT_TRUE(save());
  EXPECT_EQ(savedLayout(), layoutFile({"CH1", "CH2", "Remarks"}, 5));

  place(4, "CH4");
  ASSERT_EQ(loadLayout().outcome, ColumnLayoutLoad::Loaded);
  EXPECT_EQ(columns(), shown);
  EXPECT_EQ(flags.Used_Columns, 3);

  // An older file repeats the mirror block: "RD#" and the items again.
  // It is passed over without a word.
  writeLayout(layoutFile({"CH1", "CH2", "Remarks", "Col 4", "Col 5", "Col 6", "RD#", "CH1", "CH2", "Remarks"}, 12));
  const ColumnLayoutLoad older = loadLayout();
  ASSERT_EQ(older.outcome, ColumnLayoutLoad::Loaded);
  EXPECT_TRUE(older.skipped.isEmpty());
  EXPECT_EQ(columns(), shown);
  EXPECT_EQ(flags.Used_Columns, 3);

  // At size 12 the left block ends at column 5: a saved column 6 is not placed.
  flags.Report_Font_Size = 12;
  writeLayout(layoutFile({"Time", "CH1", "CH2", "CH3", "CH4"}, 7));
  ASSERT_EQ(loadLayout().outcome, ColumnLayoutLoad::Loaded);
  EXPECT_EQ(header(5), "CH3");
  EXPECT_NE(header(6), "CH4");
  EXPECT_EQ(flags.Used_Columns, 5);
}

TEST_F(ColumnLayoutFileTest, BlocksAreSavedWhilePlacedAndLoadedWhereTheyFit) {
  loadFile(3, "t7310/runs_101_to_125.txt");
  start(3, "RUN101");
  // A block taken off keeps its last column; its columns are saved as shown.
  place(2, "Frequency");
  flags.Noise_Col = 5;
  flags.Signal_Col = 9;
  ASSERT_TRUE(save());
  EXPECT_EQ(savedLayout(), layoutFile({"Freq.", "Remarks"}, 4));

  // A block twice, a block starting at column 16, then an item: the second
  // block places nothing, yet the columns after it stay in line.
  writeLayout(layoutFile({"Signal Data", "Signal Data", "NO Flag", "Col 10", "Col 11", "Col 12", "Col 13",
                          "Col 14", "Noise Data", "SO Flag"},
                         17));
  const ColumnLayoutLoad load = loadLayout();
  EXPECT_EQ(load.placed, 2);
  EXPECT_EQ(load.skipped, QStringList({"Signal Data", "Noise Data"}));
  EXPECT_TRUE(flags.Signal_Block);
  EXPECT_EQ(flags.Signal_Col, 5);
  for (int k = 6; k <= 9; ++k) EXPECT_EQ(header(k), columnPlaceholder(k)) << k;
  EXPECT_EQ(header(10), "NO Flag");
  EXPECT_FALSE(flags.Noise_Block);
  EXPECT_TRUE(hidden("NoiseBlockTitle"));
  EXPECT_EQ(header(16), columnPlaceholder(16));
  EXPECT_EQ(header(17), columnPlaceholder(17));
}

TEST_F(ColumnLayoutFileTest, BrokenFilesPlaceOnlyWhatTheyName) {
  loadFile(3, "t7310/runs_101_to_125.txt");
  start(3, "RUN101");
  // No quotes, line feeds, a two-line header split over two lines, unknown
  // and hostile names, and far more than eighteen lines.
  QByteArray bytes = "Real\r\nDispl.\rBogus\r\"; DROP TABLE x\r\x01\xff\rRD#\rNO Flag\r";
  for (int i = 0; i < 40; ++i) bytes += "Freq.\r";
  writeLayout(bytes);
  const ColumnLayoutLoad load = loadLayout();
  EXPECT_EQ(load.outcome, ColumnLayoutLoad::Loaded);
  EXPECT_EQ(header(2), "Real\rDispl.");
  EXPECT_FALSE(lines(data(2)).join("").isEmpty());
  for (int k = 3; k <= 6; ++k) EXPECT_EQ(header(k), columnPlaceholder(k)) << k;
  EXPECT_EQ(header(7), "NO Flag");
  for (int k = 8; k <= 19; ++k) EXPECT_EQ(header(k), "Freq.") << k;
  EXPECT_EQ(load.placed, 2 + 12);
  // Named once each, as the file has them; the lines past column 19 are not read.
  EXPECT_EQ(load.skipped, QStringList({"Bogus", "; DROP TABLE x", QString::fromLatin1("\x01\xff"), "RD#"}));
  EXPECT_FALSE(itemOfHeader("Time", 1));  // the N2600A has no time
  EXPECT_FALSE(itemOfHeader("RD#", 0));
}

// A file that places nothing leaves the report as it was.
TEST_F(ColumnLayoutFileTest, AFileThatPlacesNothingKeepsTheReport) {
  loadFile(1, "n2600a/soil_asphalt.txt");
  start(1, "125", "SOIL");
  place(2, "Wet Dens");
  const QStringList shown = columns();
  const int used = flags.Used_Columns;
  const std::pair<QByteArray, QStringList> files[] = {
      {"", {}}, {layoutFile({}, 2), {}}, {layoutFile({"Remarks", "Bogus", "Time"}, 5), {"Bogus", "Time"}}};
  for (const auto& [bytes, skipped] : files) {
    writeLayout(bytes);
    const ColumnLayoutLoad load = loadLayout();
    EXPECT_EQ(load.outcome, ColumnLayoutLoad::NothingToPlace);
    EXPECT_EQ(load.skipped, skipped);
    EXPECT_EQ(columns(), shown);
    EXPECT_EQ(flags.Used_Columns, used);
  }
}

TEST_F(ColumnLayoutFileTest, MissingUnreadableAndUnwritableFiles) {
  loadFile(1, "n2600a/soil_asphalt.txt");
  start(1, "125", "SOIL");
  place(2, "Wet Dens");
  const QStringList shown = columns();
  EXPECT_EQ(loadLayout().outcome, ColumnLayoutLoad::Missing);
  EXPECT_EQ(columns(), shown);

  // A folder where the file should be: it can be neither read nor replaced.
  ASSERT_TRUE(QDir(folder.root()).mkpath(QFileInfo(columnLayoutPath(1)).fileName().prepend("info/")));
  const ColumnLayoutLoad load = loadLayout();
  EXPECT_EQ(load.outcome, ColumnLayoutLoad::Unreadable);
  EXPECT_FALSE(load.error.isEmpty());
  EXPECT_EQ(columns(), shown);
  QString error;
  EXPECT_FALSE(save(&error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_TRUE(QFileInfo(columnLayoutPath(1)).isDir());

  table_.clear();
  EXPECT_EQ(loadLayout().outcome, ColumnLayoutLoad::NothingSelected);
  EXPECT_FALSE(saveColumnLayout(*designers.Report, flags, 7, &error));
}

TEST_F(ColumnLayoutFileTest, ALoadStartsFromTheClearedReport) {
  loadFile(1, "n2600a/soil_asphalt.txt");
  start(1, "125", "SOIL");
  place(2, "Wet Dens");
  place(3, "Dry Dens");
  ASSERT_TRUE(save());
  start(1, "125", "SOIL");
  const QStringList shown = columns();
  place(2, "Wat");
  place(6, "Stat");
  for (int pass = 0; pass < 2; ++pass) {
    loadLayout();
    EXPECT_EQ(header(2), "WD");
    EXPECT_EQ(header(3), "DD");
    EXPECT_EQ(header(4), "Remarks");
    EXPECT_EQ(header(6), "Col 5");
    EXPECT_EQ(data(6), " ");
    EXPECT_EQ(flags.Used_Columns, 3);  // twice loaded, counted once
    EXPECT_EQ(flags.Remarks_Column, 4);
  }
  EXPECT_EQ(shown.first(), columns().first());  // the read numbers as a cleared report fills them
}

}  // namespace
}  // namespace report
