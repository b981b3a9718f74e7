#include "mainwindow/dataview/HeaderRowEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <gtest/gtest.h>

#include "../DataViewFixture.h"

#include "instrument/CreateDatabase.h"
#include "instrument/DeviceType.h"
#include "instrument/ProgramState.h"
#include "instrument/RecordLayouts.h"
#include "mainwindow/grids/DataGrids.h"
#include "mainwindow/dataview/ViewConnection.h"
#include "report/page/ReportTabPage.h"
#include "report/page/compose/ReportPage.h"
#include "report/page/header/HeaderTextEditor.h"
#include "platform/db/Database.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportNames.h"
#include "platform/ui/ReportPrinter.h"
#include "platform/ui/ReportViewer.h"
#include "platform/ui/ScriptedDialogs.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

namespace mainwindow {
namespace {

const QString Project = QStringLiteral("P125");

class HeaderRowEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(db.open(instrument::CreateDatabase::databasePath()));
    ASSERT_TRUE(db.createTable(instrument::Compaction_Record_B(Project)));
    add(0, "", 0, 0, 135.5);
    add(1, "S", 122.4, 112.5);
    add(2, "A", 130, 120);
    add(3, "S", 125, 118.75);
    add(4, "T", 100, 95);
    state.Table_Name = QStringLiteral("125");
    state.Test_Name = QStringLiteral("SOIL");
  }
  void add(int rdnum, const char* sa, double wd, double dd, QVariant maxd = QVariant()) {
    ASSERT_TRUE(db.exec(QStringLiteral("INSERT INTO P125 (RDNUM, SA, WD, DD, MAXD, PERC_COMP) VALUES (?,?,?,?,?,?)"),
                        {rdnum, QString::fromLatin1(sa), wd, dd, maxd, 50}));
  }
  QVariant field(int rdnum, const char* name) const {
    const auto rows = db.select(QStringLiteral("SELECT %1 FROM P125 WHERE RDNUM = ?").arg(QLatin1String(name)), {rdnum});
    return rows && !rows->isEmpty() ? rows->first().value(0) : QVariant();
  }
  // The data view as the tree selection leaves it for the soil readings.
  void selectSoil() {
    ASSERT_TRUE(view.open());
    ASSERT_TRUE(view.Rows_Recordset.open(view.DB_Connection, Project, QStringLiteral("\"SA\" = ? AND \"RDNUM\" > 0"),
                                         {QStringLiteral("S")}));
    ASSERT_TRUE(view.Header_Recordset.open(view.DB_Connection, Project, QStringLiteral("\"RDNUM\" = 0")));
    grid.setModel(&view.Rows_Recordset);
    applyColumnRules(grid, view.Rows_Recordset, GridKind::Readings, instrument::ModelCode::N2600BX);
  }
  bool editMaxd(const QVariant& value) {
    return edit.DataGrid2_AfterColUpdate(0, view.Header_Recordset.fieldIndex(u"MAXD"), value);
  }

  testsupport::TempProgramFolder folder;
  platform::ui::ScriptedDialogs dialogs;
  platform::ui::ScopedDialogSeam seam{dialogs};
  platform::db::Database db;
  instrument::ProgramState state;
  ViewConnection view;
  QTableView grid;
  HeaderRowEdit edit{view, state, grid, nullptr};
};

TEST_F(HeaderRowEditTest, PercentCompactionOfTheSampleTypeFromTheHeaderMaximumDensity) {
  ASSERT_TRUE(db.exec(QStringLiteral("UPDATE P125 SET MAXD = 125 WHERE RDNUM = 0")));
  QString soil = QStringLiteral("soil");
  ASSERT_TRUE(Calc_Percent_Comp(db, QStringLiteral("125"), soil));
  EXPECT_EQ(soil, QStringLiteral("S"));
  EXPECT_DOUBLE_EQ(field(1, "PERC_COMP").toDouble(), 90.0);
  EXPECT_DOUBLE_EQ(field(3, "PERC_COMP").toDouble(), 95.0);
  EXPECT_DOUBLE_EQ(field(2, "PERC_COMP").toDouble(), 50.0);
  EXPECT_DOUBLE_EQ(field(0, "PERC_COMP").toDouble(), 50.0);

  // Asphalt and thin lift use the wet density.
  QString asphalt = QStringLiteral("Asphalt");
  ASSERT_TRUE(Calc_Percent_Comp(db, QStringLiteral("125"), asphalt));
  EXPECT_DOUBLE_EQ(field(2, "PERC_COMP").toDouble(), 104.0);
  QString thin = QStringLiteral("THIN");
  ASSERT_TRUE(Calc_Percent_Comp(db, QStringLiteral("125"), thin));
  EXPECT_DOUBLE_EQ(field(4, "PERC_COMP").toDouble(), 80.0);
  // Stored at single precision, as computed.
  ASSERT_TRUE(db.exec(QStringLiteral("UPDATE P125 SET MAXD = 135.5 WHERE RDNUM = 0")));
  ASSERT_TRUE(Calc_Percent_Comp(db, QStringLiteral("125"), soil));
  EXPECT_DOUBLE_EQ(field(1, "PERC_COMP").toDouble(), 83.02583);
}

TEST_F(HeaderRowEditTest, NothingToDoForEmptyNamesAndNoMaximumDensityFails) {
  QString empty;
  EXPECT_TRUE(Calc_Percent_Comp(db, QStringLiteral("125"), empty));
  QString soil = QStringLiteral("S");
  EXPECT_TRUE(Calc_Percent_Comp(db, QString(), soil));
  ASSERT_TRUE(db.exec(QStringLiteral("UPDATE P125 SET MAXD = NULL WHERE RDNUM = 0")));
  QString error;
  EXPECT_FALSE(Calc_Percent_Comp(db, QStringLiteral("125"), soil, &error));
  EXPECT_FALSE(error.isEmpty());
  ASSERT_TRUE(db.exec(QStringLiteral("UPDATE P125 SET MAXD = 0 WHERE RDNUM = 0")));
  EXPECT_FALSE(Calc_Percent_Comp(db, QStringLiteral("125"), soil));
  EXPECT_FALSE(Calc_Percent_Comp(db, QStringLiteral("999"), soil));
}

TEST_F(HeaderRowEditTest, AnEditStoresAndRecomputesAndReloadsTheReadings) {
  selectSoil();
  ASSERT_TRUE(grid.isColumnHidden(view.Rows_Recordset.fieldIndex(u"TIME")));
  ASSERT_TRUE(editMaxd(QStringLiteral("125")));
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_DOUBLE_EQ(field(0, "MAXD").toDouble(), 125.0);
  EXPECT_DOUBLE_EQ(view.Header_Recordset.value(0, u"MAXD").toDouble(), 125.0);
  EXPECT_DOUBLE_EQ(view.Rows_Recordset.value(0, u"PERC_COMP").toDouble(), 90.0);
  EXPECT_DOUBLE_EQ(view.Rows_Recordset.value(1, u"PERC_COMP").toDouble(), 95.0);
  EXPECT_EQ(state.Test_Name, QStringLiteral("SOIL"));  // the report caption reads it whole
  // The shorter list after an edit shows the reading's time.
  EXPECT_FALSE(grid.isColumnHidden(view.Rows_Recordset.fieldIndex(u"TIME")));
  EXPECT_TRUE(grid.isColumnHidden(view.Rows_Recordset.fieldIndex(u"MAXD")));
}

TEST_F(HeaderRowEditTest, ZeroEmptyOrTextIsRefusedAndChangesNothing) {
  selectSoil();
  for (const QVariant& value : {QVariant(0), QVariant(QString()), QVariant(QStringLiteral("abc")), QVariant()}) {
    dialogs.messages.clear();
    EXPECT_FALSE(editMaxd(value));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("MAXD must be a number above 0."));
    EXPECT_EQ(dialogs.messages[0].icon, platform::ui::MessageIcon::Critical);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Quorvane IR Download"));
    EXPECT_DOUBLE_EQ(field(0, "MAXD").toDouble(), 135.5);
    EXPECT_DOUBLE_EQ(field(1, "PERC_COMP").toDouble(), 50.0);
  }
}

TEST_F(HeaderRowEditTest, AFailedRecomputeUndoesTheStoredMaximumDensity) {
  // N2600A tables have neither densities nor PERC_COMP: a reading of the
  // selected type after the header reading makes the recompute fail.
  ASSERT_TRUE(db.createTable(instrument::Compaction_Record_A(QStringLiteral("P7"))));
  for (int rdnum : {3, 4})
    ASSERT_TRUE(db.exec(QStringLiteral("INSERT INTO P7 (RDNUM, SA, MAXD) VALUES (?, 'A', 150.2)"), {rdnum}));
  state.Table_Name = QStringLiteral("7");
  state.Test_Name = QStringLiteral("ASPHALT");
  ASSERT_TRUE(view.open());
  ASSERT_TRUE(view.Header_Recordset.open(view.DB_Connection, QStringLiteral("P7"), QStringLiteral("\"RDNUM\" = ?"), {3}));
  EXPECT_FALSE(editMaxd(140));
  EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("Error Updating Database.")});
  const auto maxd = db.select(QStringLiteral("SELECT MAXD FROM P7 WHERE RDNUM = 3"));
  EXPECT_FLOAT_EQ(maxd->first().value(0).toFloat(), 150.2F);
  EXPECT_FLOAT_EQ(view.Header_Recordset.value(0, u"MAXD").toFloat(), 150.2F);
  EXPECT_FALSE(view.DB_Connection.inTransaction());
}

TEST_F(HeaderRowEditTest, ATableWithOnlyItsHeaderStoresTheEdit) {
  ASSERT_TRUE(db.exec(QStringLiteral("DELETE FROM P125 WHERE RDNUM > 0")));
  selectSoil();
  EXPECT_TRUE(editMaxd(120.5));
  EXPECT_DOUBLE_EQ(field(0, "MAXD").toDouble(), 120.5);
  EXPECT_EQ(view.Rows_Recordset.recordCount(), 0);
}


// The header grid of the main window, edited as the user does: a double
// click opens the MAXD cell, the keys typed replace its text, Enter commits.
class HeaderGridEditTest : public DataViewFixture {
 protected:
  // Project 7 of an N2600BX printout (MAXD 130.125), soil readings shown.
  void SetUp() override {
    DataViewFixture::SetUp();
    const QString file = folder.path(QStringLiteral("project7.txt"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(" 2 \r\n" + testsupport::readData(QStringLiteral("n2600bx/empty_values.txt")));
    out.close();
    open(file);
    click({QStringLiteral("7"), QStringLiteral("Soil")});
  }
  QTableView& header() { return *data().DataGrid2; }
  QStringList shown(const char* field) {
    QStringList texts;
    const int column = view().Rows_Recordset.fieldIndex(QString::fromLatin1(field));
    for (int row = 0; row < view().Rows_Recordset.recordCount(); ++row)
      texts << view().Rows_Recordset.index(row, column).data().toString();
    return texts;
  }
  // typed replaces the cell's text; a null text keeps it.
  void typeIntoMaxd(const QString& typed) {
    const QModelIndex cell = header().model()->index(0, view().Header_Recordset.fieldIndex(u"MAXD"));
    header().setCurrentIndex(cell);
    header().edit(cell);
    auto* editor = header().viewport()->findChild<QWidget*>();
    ASSERT_NE(editor, nullptr);
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (line == nullptr) line = editor->findChild<QLineEdit*>();  // a spin box's
    ASSERT_NE(line, nullptr);
    if (!typed.isNull()) line->setText(typed);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(editor, &enter);
    // The delegate commits and closes after the key; the closed editor goes,
    // so that the next edit finds its own.
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  QString maxd() { return header().model()->index(0, view().Header_Recordset.fieldIndex(u"MAXD")).data().toString(); }

  const QStringList printed{"93.5", "", "94.9", "88.5", "89.7"};
};

TEST_F(HeaderGridEditTest, EmptyPercentagesShowEmptyAndOnlyARealChangeRecomputes) {
  EXPECT_EQ(shown("PERC_COMP"), printed);
  EXPECT_EQ(shown("PERCM"), (QStringList{"11.3", "", "8.6", "10.8", "9.5"}));

  typeIntoMaxd(QString());  // Enter on the cell as it opened
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(shown("PERC_COMP"), printed);

  for (const char* refused : {"0", "-5"}) {
    typeIntoMaxd(QLatin1String(refused));
    EXPECT_EQ(dialogs.messageTexts(), QStringList{HeaderRowEdit::MaxdNotAboveZero}) << refused;
    dialogs.messages.clear();
    EXPECT_EQ(maxd(), "130.125");
    EXPECT_EQ(shown("PERC_COMP"), printed);
  }

  typeIntoMaxd(QStringLiteral("120"));
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(maxd(), "120");
  // DD × 100 ÷ 120 at single precision, the empty one included.
  EXPECT_EQ(shown("PERC_COMP"), (QStringList{"91", "92.83334", "92.41666", "86.16666", "87.58334"}));
}

// A report on view before a MAXD edit, with a %Comp column placed and a
// remark typed; after the edit the print button prints the data as stored.
class ReportAfterMaxdEditTest : public HeaderGridEditTest {
 protected:
  void SetUp() override {
    DataViewFixture::SetUp();
    openProject("n2600bx_basic.txt");
    click({QStringLiteral("4.5"), QStringLiteral("Soil")});
    main().MainTab->setCurrentIndex(ReportTab);
  }
  report::ReportPage& page() { return main().reportPage(); }
  report::ReportTabPage& tab() { return main().reportTab(); }
  void placeInColumn2(const QString& item) {
    tab().List2->setCurrentRow(0);
    tab().List1->setCurrentItem(tab().List1->findItems(item, Qt::MatchExactly).value(0));
    page().List1_Click();
  }
  // "Add Remark" clicked on the first reading's row of the "Remarks" column.
  void typeRemark(const QString& remark) {
    namespace names = platform::ReportNames;
    const platform::RenderedReport shown = platform::ReportLayout::layout(*page().designers().Report);
    const platform::RenderedText rd = shown.textsOf(names::columnData(1), 1).value(0);
    const int remarks = main().reportFlags().Remarks_Column;
    platform::ReportClick click;
    click.page = 1;
    click.pageTexts = shown.pages.value(0).texts;
    click.twips = QPoint(shown.textsOf(names::columnData(remarks), 1).value(0).rect.center().x(),
                         rd.rect.top() + rd.linePitch / 2);
    page().headerTexts().Edit_Remarks(click);
    ASSERT_NE(page().headerTexts().editor(), nullptr);
    page().headerTexts().editor()->New_label_TB->setPlainText(remark);
    page().headerTexts().editor()->OK_B->click();
  }
  // The lines of each text object on the first page the print button prints.
  QHash<QString, QStringList> printed() {
    QHash<QString, QStringList> lines;
    platform::ReportPrinter::setDialogRunner([&](QPrinter&, int, QWidget*) {
      const platform::RenderedReport out = platform::ReportLayout::layout(*page().designers().Report);
      for (const platform::RenderedText& text : out.pages.value(0).texts) lines[text.objectName] += text.lines;
      return false;
    });
    emit tab().CRViewer1[0]->printButtonClicked();
    platform::ReportPrinter::setDialogRunner({});
    return lines;
  }
};

TEST_F(ReportAfterMaxdEditTest, TheReportShownBeforeTheEditPrintsTheStoredDataWithItsRemark) {
  namespace names = platform::ReportNames;
  placeInColumn2(QStringLiteral("%Comp"));
  typeRemark(QStringLiteral("retest"));
  QHash<QString, QStringList> out = printed();
  EXPECT_EQ(out.value(QStringLiteral("MaxDText")), QStringList{"134.5"});
  EXPECT_EQ(out.value(names::averageValue(5)), QStringList{"92.28"});

  main().MainTab->setCurrentIndex(DataTab);
  typeIntoMaxd(QStringLiteral("120"));
  main().MainTab->setCurrentIndex(ReportTab);
  out = printed();
  EXPECT_EQ(out.value(QStringLiteral("MaxDLabel")) + out.value(QStringLiteral("MaxDText")),
            (QStringList{"Max Density:", "120"}));
  EXPECT_EQ(out.value(names::averageLabel(5)) + out.value(names::averageValue(5)),
            (QStringList{"Avg %Compaction", "103.48"}));
  EXPECT_EQ(out.value(names::columnData(2)), (QStringList{"103.4167", "103.5417"}));
  EXPECT_EQ(out.value(names::columnData(3)).value(0), "retest");
}

}  // namespace
}  // namespace mainwindow
