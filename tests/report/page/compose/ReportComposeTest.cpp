#include <QAction>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "../FakeReportPageHost.h"
#include "platform/ui/ReportViewer.h"
#include "platform/ui/ScriptedDialogs.h"
#include "report/builder/BuilderFixture.h"
#include "report/builder/ColumnLayoutFile.h"
#include "report/builder/ColumnList.h"
#include "report/builder/ColumnSlots.h"
#include "report/page/settings/ColumnLayoutCommands.h"
#include "report/page/settings/HeaderLayoutFile.h"
#include "report/page/settings/StiffnessCons.h"
#include "report/page/settings/StiffnessConsFile.h"
#include "report/page/ReportClear.h"
#include "report/page/compose/ReportPage.h"
#include "report/page/compose/ReportPageSetUp.h"
#include "report/page/ReportTabPage.h"

namespace report {
namespace {

namespace names = platform::ReportNames;
using testing::lines;

QStringList dataItems(int model) {
  switch (model) {
    case 0: return {"None", "Time", "CH1", "CH2", "CH3", "CH4"};
    case 3: return {"None", "Frequency", "Noise Data", "Signal Data", "Noise Overload Flag", "Signal Overload Flag"};
    default: return {"None", "Read Date", "Stat", "Offset", "Depth", "Soil/Asph", "%Adjusted", "D Cnt", "M Cnt",
                     "%Air void", "Wet Dens", "Dry Dens", "Wat", "%Wat", "%AC", "Dens", "%Comp"};
  }
}

// The main window as the report page sees it: lists refilled as the window
// fills them, the working database the parsers made.
class PageHost : public testing::FakeReportPageHost {
 public:
  PageHost(platform::db::Database& working, ReportTabPage& page, const instrument::ProgramState& state)
      : working_(working), page_(page), state_(state) {}
  platform::db::Database& workingDatabase() override { return working_; }
  void Fill_Data_Lists() override {
    page_.List1->clear();
    page_.List1->addItems(dataItems(state_.Model_Code));
    page_.List2->clear();
    page_.List2->addItems(columnListEntries(state_.Model_Code == 0 ? 5 : 17));
  }

 private:
  platform::db::Database& working_;
  ReportTabPage& page_;
  const instrument::ProgramState& state_;
};

class ReportComposeTest : public testing::BuilderFixture {
 protected:
  ReportComposeTest() {
    menu.Logo = &logo;
    for (QAction** item : {&menu.StiffyToggle, &menu.MN, &menu.PN, &menu.TB, &menu.SCons, &menu.Ins_Logo,
                           &menu.LJ, &menu.LR, &menu.DLogo, &menu.Font[0], &menu.Font[1], &menu.Font[2],
                           &menu.Font[3]})
      *item = logo.addAction(QStringLiteral("item"));
    page.connectReportMenu(menu);
  }

  // Selects a table and enters the report tab, as the tree and the tab do.
  void open(int model, const QString& table, const QString& test = "NONE") {
    state.Model_Code = model;
    state.Table_Name = table;
    state.Test_Name = test;
    state.New_Data = true;
    dialogs.answers.enqueue(platform::ui::MessageAnswer::No);  // no constants file
    page.MainTab_Click(0);
  }
  void click(const QString& item, int column = -1) {
    if (column > 0) tab.List2->setCurrentRow(column - 1);
    tab.List1->setCurrentItem(tab.List1->findItems(item, Qt::MatchExactly).value(0));
    page.List1_Click();
  }
  QString pageHeader(int k) { return page.designers().Report->member(names::columnHeader(k)).text().value_or("<missing>"); }
  QString pageData(int k) { return page.designers().Report->member(names::columnData(k)).text().value_or("<missing>"); }
  platform::ObjectRef member(const QString& name) { return page.designers().Report->member(name); }
  QStringList messages() const { return dialogs.messageTexts(); }

  platform::ui::ScriptedDialogs dialogs;
  platform::ui::ScopedDialogSeam seam{dialogs};
  instrument::ProgramState state;
  ReportTabPage tab;
  PageHost host{db, tab, state};
  QMenu logo;
  ModifyReportMenu menu;
  ReportPage page{host, tab, state, flags, info, constants};
};

TEST_F(ReportComposeTest, SetUpShowsEachModelsReport) {
  struct Case {
    int model;
    QString file, table, test, caption;
    int columns, orientation, reportTab;
    bool densityItems, stiffnessItems;
  };
  const Case cases[] = {
      {0, {}, {}, "NONE", "Project: ", 5, 1, 0, false, false},
      {1, "n2600a/soil_asphalt.txt", "125", "SOIL", "Project: 125 SOIL", 17, 2, 0, true, false},
      {2, "n2600bx/one_project.txt", "45", "ASPHALT", "Project: 45 ASPHALT", 17, 2, 0, true, false},
      {3, "t7310/runs_101_to_125.txt", "RUN101", "NONE", "Project: Stiffness Run Number RUN101", 17, 2, 1, false,
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.model);
    QString table = c.table;
    if (c.model == 0) table = load(0, testing::loadFramePrintout(20)).trimmed();
    else loadFile(c.model, c.file);
    open(c.model, table, c.test);
    EXPECT_EQ(tab.What_report->text(), c.model == 0 ? c.caption + table : c.caption);
    EXPECT_EQ(tab.List2->count(), c.columns);
    EXPECT_EQ(tab.List1->isEnabled(), c.model != 3);
    EXPECT_EQ(tab.List2->currentRow(), c.model == 3 ? -1 : 0);
    EXPECT_EQ(tab.ReportTab->currentIndex(), c.reportTab);
    EXPECT_EQ(tab.ReportTab->isTabEnabled(1), c.model == 3);
    EXPECT_EQ(page.designers().Report->paperOrientation(), c.orientation);
    EXPECT_EQ(member(names::landscapeLine(1)).suppress(), c.model == 0);
    EXPECT_EQ(menu.MN->isVisible(), c.densityItems);
    EXPECT_EQ(menu.SCons->isVisible(), c.stiffnessItems);
    EXPECT_EQ(menu.StiffyToggle->isVisible(), c.stiffnessItems);
    EXPECT_EQ(tab.CRViewer1[0]->reportSource(), page.designers().Report.get());
    EXPECT_TRUE(tab.Export->isEnabled());
    EXPECT_NE(lines(pageData(1)).size(), 0);
    EXPECT_EQ(pageHeader(2), "Remarks");
    EXPECT_FALSE(state.New_Data);
    EXPECT_EQ(host.status, "Status: OK, Left Click on preview window to see more options.");
  }
  EXPECT_EQ(tab.CRViewer1[1]->reportSource(), page.designers().StiffyReport.get());
}

// The shared table of later runs has no raw data; a full run table has,
// whatever its number.
// The caption names the project as the tree shows it; the table name has lost
// the id's point and cannot say where it stood.
TEST(ProjectCaptionTest, DensityGaugesShowTheProjectIdOfTheTree) {
  instrument::ProgramState state;
  state.Model_Code = 1;
  state.Table_Name = QStringLiteral("45");
  state.projectId = QStringLiteral("4.5");
  state.Test_Name = QStringLiteral("SOIL");
  EXPECT_EQ(projectCaption(state), QStringLiteral("Project: 4.5 SOIL"));
  state.Model_Code = 2;
  state.Table_Name = state.projectId = QStringLiteral("1207");
  state.Test_Name = QStringLiteral("ASPHALT");
  EXPECT_EQ(projectCaption(state), QStringLiteral("Project: 1207 ASPHALT"));
  state.Table_Name = QStringLiteral("7");  // chosen elsewhere: the id is not this table's
  EXPECT_EQ(projectCaption(state), QStringLiteral("Project: 7 ASPHALT"));
}

// The shared table of later runs has no raw data, and the caption names it as
// the tree does, with its mark; a full run table has, whatever its number.
TEST_F(ReportComposeTest, RawDataTabFollowsTheTablesRowsNotItsName) {
  loadFile(3, "t7310/runs_1_to_25.txt");
  open(3, "RUN21");
  EXPECT_FALSE(tab.ReportTab->isTabEnabled(0));
  EXPECT_EQ(tab.What_report->text(), "Project: Stiffness Run Number RUN21+");
  open(3, "RUN20");
  EXPECT_TRUE(tab.ReportTab->isTabEnabled(0));
  EXPECT_EQ(tab.What_report->text(), "Project: Stiffness Run Number RUN20");
  loadFile(3, "t7310/runs_101_to_125.txt");
  open(3, "RUN101");
  EXPECT_TRUE(tab.ReportTab->isTabEnabled(0));
  open(3, "RUN121");
  EXPECT_FALSE(tab.ReportTab->isTabEnabled(0));
}

TEST_F(ReportComposeTest, NothingSelectedStillBuildsAnEmptyReport) {
  open(1, "", "");
  EXPECT_EQ(tab.What_report->text(), "No Project Selected");
  EXPECT_FALSE(tab.Export->isEnabled());
  click("Wet Dens");
  EXPECT_EQ(pageHeader(2), "Col 1");
  EXPECT_EQ(tab.List2->currentRow(), 1);
}

TEST_F(ReportComposeTest, EveryRebuildStartsCleanAndReEntryKeepsTheColumns) {
  loadFile(1, "n2600a/soil_asphalt.txt");
  open(1, "125", "SOIL");
  click("Wet Dens");
  flags.Report_Font_Size = 12;
  flags.Logo_Loaded = true;
  flags.Noise_Block = flags.Signal_Block = true;
  menu.DLogo->setEnabled(true);
  menu.StiffyToggle->setText("View T7310 Report A");
  menu.Font[3]->setText("12 (Current)");
  state.New_Data = false;
  page.MainTab_Click(0);
  EXPECT_EQ(pageHeader(2), "WD");
  EXPECT_EQ(tab.List2->count(), 12);  // what fits at size 12
  open(1, "125", "SOIL");
  EXPECT_EQ(pageHeader(2), "Remarks");
  EXPECT_EQ(flags.Report_Font_Size, 9);
  EXPECT_FALSE(flags.Logo_Loaded);
  EXPECT_FALSE(flags.Noise_Block || flags.Signal_Block);
  EXPECT_EQ(flags.Used_Columns, 1);
  EXPECT_FALSE(menu.DLogo->isEnabled());
  EXPECT_EQ(menu.StiffyToggle->text(), "View T7310 Report B");
  EXPECT_EQ(menu.Font[0]->text(), "9 (Current)");
  EXPECT_EQ(tab.List2->count(), 17);
}

TEST_F(ReportComposeTest, ClicksFillAdjacentColumnsInTheDirectionOfWork) {
  loadFile(1, "n2600a/soil_asphalt.txt");
  open(1, "125", "SOIL");
  click("Wet Dens");
  EXPECT_EQ(pageHeader(2), "WD");
  EXPECT_EQ(tab.List2->currentRow(), 1);
  EXPECT_EQ(page.columnChooser().advance().Last_List2_Column, 1);
  click("Dry Dens");
  EXPECT_EQ(pageHeader(3), "DD");
  EXPECT_EQ(tab.List2->currentRow(), 2);
  EXPECT_EQ(page.columnChooser().advance().Last_List2_Column, 3);
  click("%Comp", 2);  // above the last one used: works upwards
  EXPECT_EQ(pageHeader(3), "%Comp");
  EXPECT_EQ(tab.List2->currentRow(), 0);
  EXPECT_EQ(page.columnChooser().advance().List2_Direction, 0);
  click("Read Date", 17);  // the last entry stays
  EXPECT_EQ(pageHeader(18), "RDate");
  EXPECT_EQ(tab.List2->currentRow(), 16);
  tab.List2->setCurrentRow(-1);
  click("Wat");
  EXPECT_EQ(messages().last(), "Select a column please.");
}

// Used_Columns counts the columns holding an item.
TEST_F(ReportComposeTest, UsedColumnsFollowsFreedAndTakenColumns) {
  loadFile(1, "n2600a/soil_asphalt.txt");
  open(1, "125", "SOIL");
  click("Wet Dens", 1);
  click("Dry Dens", 2);
  EXPECT_EQ(flags.Used_Columns, 3);
  click("Wat", 2);  // re-placing
  EXPECT_EQ(flags.Used_Columns, 3);
  click("None", 2);
  EXPECT_EQ(flags.Used_Columns, 2);
  click("None", 5);  // already free
  EXPECT_EQ(flags.Used_Columns, 2);
}

// After a size change has dropped columns, a click counts only what the
// report still holds (the mirror block and "Remarks" not counted).
TEST_F(ReportComposeTest, UsedColumnsCountsWhatASizeChangeLeft) {
  open(0, load(0, testing::loadFramePrintout(120)).trimmed());
  int row = 1;
  for (const char* item : {"Time", "CH1", "CH2", "CH3", "CH4"}) click(item, row++);
  EXPECT_EQ(flags.Used_Columns, 6);
  ASSERT_TRUE(page.resizeReportFont(12).reflowed);
  ASSERT_EQ(tab.List2->count(), 3);
  click("CH4", 3);
  EXPECT_EQ(pageHeader(4), "CH4");
  EXPECT_EQ(flags.Used_Columns, 4);
}

TEST_F(ReportComposeTest, StiffnessBlocksFillFourColumnsUnderTheirTitle) {
  loadFile(3, "t7310/runs_101_to_125.txt");
  open(3, "RUN101");
  tab.ReportTab->setCurrentIndex(0);
  click("Noise Data", 1);
  EXPECT_EQ(pageHeader(2), "Real\rDispl.");
  for (int k = 2; k <= 5; ++k) EXPECT_EQ(lines(pageData(k)).size(), lines(pageData(1)).size()) << k;
  EXPECT_EQ(pageHeader(6), "Remarks");
  EXPECT_EQ(tab.List2->currentRow(), 4);
  EXPECT_EQ(page.columnChooser().advance().Last_List2_Column, 1);
  EXPECT_TRUE(flags.Noise_Block);
  EXPECT_EQ(flags.Noise_Col, 5);
  const platform::ObjectRef title = member("NoiseBlockTitle");
  EXPECT_EQ(title.suppress(), false);
  EXPECT_EQ(title.text(), "Noise Data (Counts)");
  EXPECT_EQ(title.left(), member(names::ReadNumberLine).left());
  EXPECT_EQ(*title.width(), *member(names::columnLine(5)).left() - *title.left() - 60);
  EXPECT_EQ(flags.Used_Columns, 5);

  click("Noise Data", 7);
  EXPECT_EQ(messages().last(), "Report already contains Noise Data Values");
  EXPECT_EQ(pageHeader(8), "Col 7");

  click("Signal Data", 15);
  EXPECT_EQ(messages().last(), "Not enough room to place contents.  Select another column.");
  EXPECT_EQ(tab.List2->currentRow(), 15);  // the advance came first
  EXPECT_FALSE(flags.Signal_Block);

  click("Signal Data", 14);
  EXPECT_EQ(pageHeader(15), "Real\rDispl.");
  EXPECT_EQ(flags.Signal_Col, 18);
  EXPECT_EQ(member("SignalBlockTitle").left(), member(names::columnLine(14)).left());
  EXPECT_EQ(flags.Used_Columns, 9);
  click("Signal Data", 1);
  EXPECT_EQ(messages().last(), "Report already contains Signal Data Values");
}

TEST_F(ReportComposeTest, ABlockPlacedOverAnotherTakesItOffWhole) {
  loadFile(3, "t7310/runs_101_to_125.txt");
  open(3, "RUN101");
  tab.ReportTab->setCurrentIndex(0);
  const qsizetype told = messages().size();
  click("Noise Data", 1);
  click("Signal Data", 3);  // columns 4 to 7, over the noise block's last two
  EXPECT_FALSE(flags.Noise_Block);
  EXPECT_EQ(member("NoiseBlockTitle").suppress(), true);
  for (int k : {2, 3}) EXPECT_EQ(pageHeader(k), columnPlaceholder(k)) << k;
  EXPECT_EQ(pageHeader(4), "Real\rDispl.");
  EXPECT_EQ(flags.Signal_Col, 7);
  EXPECT_EQ(flags.Used_Columns, 5);

  click("Frequency", 4);  // the signal block's second column
  EXPECT_FALSE(flags.Signal_Block);
  EXPECT_EQ(member("SignalBlockTitle").suppress(), true);
  for (int k : {4, 7}) EXPECT_EQ(pageHeader(k), columnPlaceholder(k)) << k;
  EXPECT_EQ(pageHeader(6), "Remarks");  // no gap left before it
  EXPECT_EQ(flags.Used_Columns, 2);

  click("Noise Data", 5);  // placed again, no refusal
  EXPECT_TRUE(flags.Noise_Block);
  EXPECT_EQ(flags.Noise_Col, 9);
  EXPECT_EQ(messages().size(), told);

  // The saved layout describes the report as shown and brings it back.
  page.layout().Save_Layout_Click();
  EXPECT_EQ(messages().value(told), "Layout Saved.");
  const QString frequencies = pageData(5);
  page.Clear_Button_Click();
  page.layout().Load_Layout_Click();
  EXPECT_EQ(pageHeader(5), "Freq.");
  EXPECT_EQ(pageData(5), frequencies);
  EXPECT_EQ(pageHeader(6), "Real\rDispl.");
  EXPECT_TRUE(flags.Noise_Block);
  EXPECT_EQ(flags.Noise_Col, 9);
  EXPECT_EQ(member("NoiseBlockTitle").suppress(), false);
  EXPECT_EQ(pageHeader(10), "Remarks");
  EXPECT_EQ(messages().size(), told + 1);
}

TEST_F(ReportComposeTest, LayoutButtonsSayWhatHappened) {
  loadFile(1, "n2600a/soil_asphalt.txt");
  open(1, "125", "SOIL");
  const qsizetype told = messages().size();
  click("Wet Dens", 2);
  page.layout().Load_Layout_Click();
  EXPECT_EQ(messages().value(told), "No Layout to Load.");
  EXPECT_EQ(pageHeader(3), "WD");
  ASSERT_TRUE(QDir(folder.root()).mkpath("info/LayoutA.qvt"));
  page.layout().Save_Layout_Click();
  EXPECT_TRUE(messages().value(told + 1).startsWith("The layout could not be saved:"));
  page.layout().Load_Layout_Click();
  EXPECT_TRUE(messages().value(told + 2).startsWith("The layout could not be loaded:"));
  EXPECT_EQ(pageHeader(3), "WD");
}

// A layout that places nothing keeps the report and says so; entries a load
// skips are named in one notice; a size the header layout brings is marked
// in the font menu.
TEST_F(ReportComposeTest, LayoutLoadsSayWhatTheyLeftOut) {
  loadFile(1, "n2600a/soil_asphalt.txt");
  open(1, "125", "SOIL");
  click("Wet Dens", 2);
  const auto writeFile = [](const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  };
  writeFile(columnLayoutPath(1), "\"Bogus\r\"\r\n");
  qsizetype told = messages().size();
  page.layout().Load_Layout_Click();
  ASSERT_EQ(messages().size(), told + 1);
  EXPECT_EQ(messages().last(), QStringLiteral("%1\n%2\nBogus").arg(NothingToPlace, EntriesNotPlaced));
  EXPECT_EQ(pageHeader(3), "WD");

  writeFile(columnLayoutPath(1), "\"DD\rBogus\rCol 3\rNo Such\r\"\r\n");
  writeFile(headerLayoutPath(1), "FontSZ = 11\r\n");
  told = messages().size();
  page.layout().Load_Layout_Click();
  ASSERT_EQ(messages().size(), told + 1);
  EXPECT_EQ(messages().last(), QStringLiteral("%1\nBogus\nNo Such").arg(EntriesNotPlaced));
  EXPECT_EQ(pageHeader(2), "DD");
  EXPECT_EQ(flags.Report_Font_Size, 11);
  EXPECT_EQ(menu.Font[2]->text(), "11 (Current)");
  EXPECT_EQ(menu.Font[0]->text(), "9");
}

TEST_F(ReportComposeTest, ClearLeavesAFreshColumnLayout) {
  loadFile(3, "t7310/runs_101_to_125.txt");
  open(3, "RUN101");
  click("Noise Data", 1);
  click("Frequency", 9);
  const QString readNumbers = pageData(1);
  for (int pass = 0; pass < 2; ++pass) {
    page.Clear_Button_Click();
    EXPECT_EQ(pageData(1), readNumbers);
    EXPECT_EQ(pageHeader(2), "Remarks");
    for (int k = 3; k <= 19; ++k) EXPECT_EQ(pageHeader(k), columnPlaceholder(k)) << k;
    EXPECT_EQ(pageData(9), " ");
    EXPECT_EQ(member("NoiseBlockTitle").suppress(), true);
    EXPECT_FALSE(flags.Noise_Block);
    EXPECT_EQ(flags.Used_Columns, 1);
    EXPECT_EQ(flags.Remarks_Column, 2);
    EXPECT_EQ(tab.List1->currentRow(), 0);
    EXPECT_EQ(tab.List2->currentRow(), 0);
    EXPECT_EQ(page.columnChooser().advance().Last_List2_Column, 1);
    for (int k = 2; k <= 18; ++k) EXPECT_EQ(member(names::columnLine(k)).suppress(), true) << k;
  }
  open(1, "", "");
  page.Clear_Button_Click();
  EXPECT_EQ(pageHeader(1), "RDNUM");
  EXPECT_EQ(pageData(1), " ");
}

// The two-block load-frame report keeps its second read-number column and
// puts "Remarks" behind the first block's end for the size.
TEST_F(ReportComposeTest, ClearedLoadFrameHeadersFollowTheFontSize) {
  const auto headers = [](int size) {
    QStringList texts;
    for (int k = 6; k <= 9; ++k) texts << clearedHeader(k, 0, size).value_or("kept");
    return texts;
  };
  EXPECT_EQ(headers(9), (QStringList{"Col 5", "Col 6", "kept", "Remarks"}));
  EXPECT_EQ(headers(10), (QStringList{"Col 5", "kept", "Remarks", "Col 8"}));
  EXPECT_EQ(headers(12), (QStringList{"kept", "Remarks", "Col 7", "Col 8"}));
  EXPECT_EQ(clearedHeader(7, 1, 12), "Col 6");
  const QString table = load(0, testing::loadFramePrintout(60)).trimmed();
  open(0, table);
  click("CH1", 1);
  page.Clear_Button_Click();
  EXPECT_EQ(pageHeader(2), "Remarks");
  EXPECT_EQ(pageHeader(9), "Remarks");
  EXPECT_EQ(pageHeader(8), "RD#");
  EXPECT_EQ(flags.Remarks_Column, 2);
}

// Runs the event loop past the constants timer's next 1000 ms tick.
void letTheConstantsTimerTick() {
  QEventLoop loop;
  QTimer::singleShot(1100, &loop, &QEventLoop::quit);
  loop.exec();
}

// Every text of a report, and whether it shows, by object name.
std::map<std::string, std::string> reportTexts(const platform::ReportDesigner& report) {
  std::map<std::string, std::string> texts;
  for (int s = 1; s <= report.sectionCount(); ++s) {
    for (int i = 1; i <= report.section(s)->objectCount(); ++i) {
      const platform::ObjectRef object = report.member(report.section(s)->object(i)->name());
      const QString shown = object.suppress().value_or(false) ? " (hidden)" : "";
      texts[object.name().toStdString()] = (object.text().value_or("") + shown).toStdString();
    }
  }
  return texts;
}

class ConstantsEditTest : public ReportComposeTest {
 protected:
  ConstantsEditTest() { EXPECT_TRUE(saveStiffnessConstants({0.1, 2.5, 0.35, 120, 0.5, 0.2, 1922})); }

  StiffnessCons& editor() {
    StiffnessCons* open = nullptr;
    for (StiffnessCons* window : tab.findChildren<StiffnessCons*>())
      if (window->isVisible()) open = window;
    EXPECT_NE(open, nullptr);
    return *open;
  }
  QString stiffy(const char* object) { return page.designers().StiffyReport->member(object).text().value_or(""); }

  // Apply one box, a second later Ok another, as a user does.
  void applyThenOk(int applied, const QString& appliedText, int okBox, const QString& okText) {
    editor().SInfoTxt[applied]->setText(appliedText);
    editor().SInfoB_Click(StiffnessCons::Apply);
    letTheConstantsTimerTick();
    editor().SInfoTxt[okBox]->setText(okText);
    editor().SInfoB_Click(StiffnessCons::Ok);
  }
};

TEST_F(ConstantsEditTest, EveryApplyAndOkReachesTheStiffnessReport) {
  loadFile(3, "t7310/three_runs.txt");
  open(3, "RUN1");
  menu.SCons->trigger();
  applyThenOk(1, "3.5", 3, "125");
  letTheConstantsTimerTick();
  EXPECT_EQ(stiffy("StiffyAssemblyMass"), "3.5");
  EXPECT_EQ(stiffy("StiffyDensityPcf"), "125");

  // A first set-up: no file, Yes, some values applied, the rest with Ok.
  ASSERT_TRUE(QFile::remove(folder.path(platform::ProgramFiles::StiffnessConstants)));
  dialogs.answers.clear();  // the question is answered Yes
  state.New_Data = true;
  page.MainTab_Click(0);
  for (int box : {0, 1, 2}) editor().SInfoTxt[box]->setText("0.5");
  applyThenOk(3, "110", 6, "1800");
  letTheConstantsTimerTick();
  StiffnessConstants saved;
  ASSERT_EQ(loadStiffnessConstants(saved).outcome, StiffnessConsLoad::Loaded);
  EXPECT_EQ(stiffy("StiffyAssemblyMass"), "0.5");
  EXPECT_EQ(stiffy("StiffyDensityPcf"), "110");
  EXPECT_EQ(stiffy("StiffyDensityKg"), "1800");
  EXPECT_DOUBLE_EQ(saved.Densi2, 1800);
}

// Each report is compared with the one a fresh window builds of its table.
TEST_F(ConstantsEditTest, OtherReportsAfterAConstantsEditAreWhatAFreshWindowBuilds) {
  loadFile(3, "t7310/three_runs.txt");
  open(3, "RUN1");
  menu.SCons->trigger();
  applyThenOk(1, "3.5", 3, "125");
  struct Other {
    int model;
    QString table, test;
  };
  const QString loadFrame = load(0, testing::loadFramePrintout(120)).trimmed();
  for (const Other& other : {Other{0, loadFrame, "NONE"}, Other{2, "45", "ASPHALT"}}) {
    SCOPED_TRACE(other.model);
    if (other.model == 2) loadFile(2, "n2600bx/one_project.txt");
    open(other.model, other.table, other.test);
    ReportTabPage freshTab;
    instrument::ProgramState freshState;
    freshState.Model_Code = other.model;
    freshState.Table_Name = other.table;
    freshState.Test_Name = other.test;
    PageHost freshHost{db, freshTab, freshState};
    ReportFlags freshFlags;
    CompanyInfo freshInfo;
    StiffnessConstants freshConstants;
    ReportPage fresh{freshHost, freshTab, freshState, freshFlags, freshInfo, freshConstants};
    freshState.New_Data = true;
    fresh.MainTab_Click(0);
    EXPECT_EQ(reportTexts(*page.designers().Report), reportTexts(*fresh.designers().Report));
    letTheConstantsTimerTick();  // the next report is built after the tick
  }
}

}  // namespace
}  // namespace report
