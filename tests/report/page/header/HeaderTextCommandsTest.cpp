#include "report/page/header/HeaderTextCommands.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

#include "../FakeReportPageHost.h"
#include "platform/report/ReportNames.h"
#include "platform/report/TextWidth.h"
#include "platform/ui/ReportPageView.h"
#include "platform/ui/ReportViewer.h"
#include "platform/ui/ScriptedDialogs.h"
#include "report/builder/BuilderFixture.h"
#include "report/builder/ColumnList.h"
#include "report/builder/RemarkFit.h"
#include "report/builder/RemarkInsertion.h"
#include "report/page/ReportTabPage.h"
#include "report/page/compose/ReportPage.h"
#include "report/page/compose/ReportViewerCommands.h"
#include "report/page/header/HeaderTextEditor.h"
#include "report/page/settings/FontChangeNotice.h"
#include "report/page/settings/ReportFonts.h"

namespace report {
namespace {

namespace names = platform::ReportNames;

const QStringList DensityItems{"None", "Read Date", "Stat", "Offset", "Depth", "Soil/Asph", "%Adjusted", "D Cnt",
                               "M Cnt", "%Air void", "Wet Dens", "Dry Dens", "Wat", "%Wat", "%AC", "Dens", "%Comp"};
const QStringList BxItems{"None", "Time", "Stat1 To", "Stat1", "Offset", "Stat2", "Lane", "Depth", "Soil/Asph", "D Adj",
                          "D Cnt", "M Cnt", "%Air void", "Wet Dens", "Dry Dens", "M Cont", "%M Cont", "%Comp",
                          "Void Ratio"};
const QStringList LoadFrameItems{"None", "Time", "CH1", "CH2", "CH3", "CH4"};
// Column 2 on, so "Remarks" moves right of them: each count of data columns
// from none to seventeen.
const QStringList AllDensityItems{"Stat", "Offset", "Depth", "Soil/Asph", "%Adjusted", "D Cnt", "M Cnt", "%Air void",
                                  "Wet Dens", "Dry Dens", "Wat", "%Wat", "%AC", "Dens", "%Comp", "Read Date", "Stat"};

// The main window as the report page sees it: the data lists refilled as the
// window fills them, the working database the parsers made.
class ListsHost : public testing::FakeReportPageHost {
 public:
  ListsHost(platform::db::Database& working, ReportTabPage& page) : working_(working), page_(page) {}
  platform::db::Database& workingDatabase() override { return working_; }
  void Fill_Data_Lists() override {
    page_.List1->clear();
    page_.List1->addItems(items);
    page_.List2->clear();
    page_.List2->addItems(columnListEntries(items == LoadFrameItems ? 5 : 17));
  }
  QStringList items;

 private:
  platform::db::Database& working_;
  ReportTabPage& page_;
};

// Remarks added as the user adds them: a click on the report viewer's page,
// "Edit Text" > "Add Remark", the remark typed, Ok; on tables the parsers made.
class RemarkCommandsTest : public testing::BuilderFixture {
 protected:
  RemarkCommandsTest() {
    menu.Logo = &logo;
    for (int i = 0; i < 4; ++i) menu.Font[i] = logo.addAction(QString::number(9 + i));
    page.connectReportMenu(menu);
    // The "Report Font" items as the main window wires them.
    fonts = std::make_unique<ReportFonts>(menu.Font, *tab.List2,
                                          [this](int size) { return page.resizeReportFont(size); });
    page.viewerCommands()->setPopup([](QMenu&) {});
    tab.resize(900, 650);
    tab.show();
  }

  // A printout of `readings` rows, parsed and shown on the report tab.
  void openPrintout(int model, const QStringList& items, const QByteArray& head, const QByteArray& row,
                    int readings, const QByteArray& tail, const QString& test) {
    QByteArray text = head;
    for (int i = 1; i <= readings; ++i) text += QByteArray::number(i).rightJustified(4) + row + "\r\n";
    state.Model_Code = model;
    // The project tree names a table without the dots of its project number.
    state.Table_Name = load(model, text + tail).trimmed().remove(QLatin1Char('.'));
    state.Test_Name = test;
    state.New_Data = true;
    host.items = items;
    page.MainTab_Click(0);
    redraw();
  }
  void openN2600A(int readings) {
    openPrintout(1, DensityItems,
                 "   \r\nCOMPACTION CONTROL DATA REPORT   NS-2600A SERIAL: 12345   CALIBRATION DATE:01/15/05\r\n"
                 "   \r\nRD #    DATE     PROJ   STAT   OFFST  DPT S/A   KVAL  % ADJ   D STD M STD  D CNT M CNT   SPG %AV "
                 "MAX D  WET D  DRY D   WAT  %WAT   %COMP\r\n----  --------  ------ ------ ------  --- ---  ------ -----  "
                 "------ ----- ------ -----  ---- --- -----  -----  -----  ----  ----   -----\r\n",
                 "  06/01/04   12.5     100    1.5    6   S     0.5     0    2350   650   1801   321   2.7   5 135.5    "
                 "100     90    10  11.1      95",
                 readings, "   \r\n", "SOIL");
  }
  void openN2600BX(int readings) {
    openPrintout(2, BxItems,
                 "COMPACTION CONTROL DATA REPORT NS-2600BX SERIAL: 54321 CALIBRATION DATE: 03/04/05 \r\n\r\n \r\n"
                 "PROJECT ID: 12.5 DATE: 06/01/2004 D STD=2350 M STD=650 KVAL=0.95  SPG=2.7 MAXD=135.5 LOWD=120.5\r\n \r\n"
                 "RD #,  TIME, STAT1 TO,  STAT1, OFFSET,  STAT2, LANE, DPT, S/A,   %ADJ,       DC,       MC,    %AV,     WD,"
                 "     DD,      M,     %M,  %COMP,     VR\r\n",
                 ", 10:42,    10+00,  10+50,   2.5L,  11+00,   L1,   6,   S,      0,     1800,      320,    4.5,  122.4,  "
                 "112.5,   10.3,    8.5,     83,     OK",
                 readings, "\r\n \r\n", "SOIL");
  }
  void openLoadFrame(int readings) {
    openPrintout(0, LoadFrameItems, "CBR/LBR TEST\r\nRD #, TIME, (LOAD), (PEN), (), ()\r\n",
                 ", 00:00:05, 1.5, 2, 3, 4", readings, "END\r\n", "NONE");
  }
  void redraw() {
    page.refresh().Timer5_Timer();
    viewer().refresh();
  }
  platform::ReportViewer& viewer() { return *tab.CRViewer1[0]; }
  // Places data items from column 2 on, so "Remarks" moves right of them.
  void placeItems(const QStringList& items) {
    for (int i = 0; i < items.size(); ++i) {
      tab.List2->setCurrentRow(i);
      tab.List1->setCurrentItem(tab.List1->findItems(items[i], Qt::MatchExactly).value(0));
      page.List1_Click();
    }
    redraw();
  }
  platform::RenderedText shown(int k) {
    return viewer().renderedReport().textsOf(names::columnData(k), viewer().currentPageNumber()).value(0);
  }
  // Presses the mouse on the n-th row the page shows, in column k.
  void clickRow(int k, int n, int readNumbers = 1) {
    const platform::RenderedText rd = shown(readNumbers);
    const QPoint twips(shown(k).rect.center().x(), rd.rect.top() + rd.linePitch * (n - 1) + rd.linePitch / 2);
    const double scale = viewer().logicalDpiY() / 1440.0 * viewer().zoom() / 100.0;
    const QPointF pixels(platform::ReportPageView::Border + twips.x() * scale,
                         platform::ReportPageView::Border + twips.y() * scale);
    QWidget* pageView = viewer().pageView();
    QMouseEvent press(QEvent::MouseButtonPress, pixels, pageView->mapToGlobal(pixels), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pageView, &press);
  }
  // "Add Remark", which acts at the last click on the viewer.
  HeaderTextEditor* addRemarkMenu() {
    page.headerTexts().Edit_Remarks(page.headerTexts().lastClick());
    return page.headerTexts().editor();
  }
  void addRemark(const QString& remark) {
    HeaderTextEditor* editor = addRemarkMenu();
    ASSERT_NE(editor, nullptr);
    editor->New_label_TB->setPlainText(remark);
    editor->OK_B->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    redraw();
  }
  void cancel(HeaderTextEditor* editor) {
    editor->Cancel_B->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  // The line shown beside the n-th row of the page in column k.
  QString besideRow(int k, int n) { return shown(k).lines.value(n - 1); }
  int remarksColumn() { return flags.Remarks_Column; }
  QString pageHeader(int k) {
    return page.designers().Report->member(names::columnHeader(k)).text().value_or(QString());
  }
  void fontSize(int size) {
    fonts->Font_Click(size, state.Model_Code);
    redraw();
  }
  static QString quoted(const QStringList& texts) { return '"' + texts.join(QStringLiteral("\", \"")) + '"'; }

  platform::ui::ScriptedDialogs dialogs;
  platform::ui::ScopedDialogSeam seam{dialogs};
  instrument::ProgramState state;
  ReportTabPage tab;
  ListsHost host{db, tab};
  QMenu logo;
  ModifyReportMenu menu;
  ReportPage page{host, tab, state, flags, info, constants};
  std::unique_ptr<ReportFonts> fonts;
};

// A short report lays its remarks column out one line high; any row of it
// still takes the remark, whichever column holds "Remarks".
class RemarkColumnTest : public RemarkCommandsTest, public ::testing::WithParamInterface<int> {};

TEST_P(RemarkColumnTest, N2600AOnePageEveryRowInTheRemarksColumn) {
  const int column = GetParam();
  openN2600A(6);
  placeItems(AllDensityItems.mid(0, column - 2));
  ASSERT_EQ(remarksColumn(), column);
  for (int row : {2, 3, 5}) {
    SCOPED_TRACE(row);
    clickRow(column, row);
    addRemark(QStringLiteral("r%1").arg(row));
    EXPECT_EQ(besideRow(column, row), QStringLiteral("r%1").arg(row));
  }
  EXPECT_EQ(besideRow(column, 1), QString());
  EXPECT_TRUE(dialogs.messageTexts().isEmpty()) << dialogs.messageTexts().join(' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(WhereverRemarksStands, RemarkColumnTest, ::testing::Range(2, 20));

TEST_F(RemarkCommandsTest, N2600BXALaterPageTakesTheRemarkBesideItsReading) {
  openN2600BX(70);
  placeItems({"Stat", "Depth"});
  ASSERT_GE(viewer().pageCount(), 2);
  viewer().showPage(2);
  clickRow(1, 3);
  addRemark(QStringLiteral("wet"));
  EXPECT_EQ(besideRow(remarksColumn(), 3), QStringLiteral("wet"));
  EXPECT_EQ(shown(1).lines.value(2), QString::number(shown(1).firstLine + 2));
}

TEST_F(RemarkCommandsTest, LoadFrameMirrorBlockClickGoesBesideTheClickedReading) {
  openLoadFrame(60);  // two blocks at size 9
  placeItems({"Time", "CH1"});
  const int left = remarksColumn();
  ASSERT_EQ(pageHeader(8), QStringLiteral("RD#"));
  clickRow(9, 3, 8);
  addRemark(QStringLiteral("mirror"));
  EXPECT_EQ(besideRow(left + 7, 3), QStringLiteral("mirror"));
  EXPECT_EQ(besideRow(left, 3), QString());
  EXPECT_EQ(shown(8).lines.value(2), QStringLiteral("53"));
}

// A load-frame layout load takes both blocks' remarks along (Load_Layout_Click).
TEST_F(RemarkCommandsTest, ALoadedLoadFrameLayoutKeepsTheMirrorBlocksRemarks) {
  openLoadFrame(60);  // two blocks at size 9
  placeItems({"Time", "CH1"});
  page.layout().Save_Layout_Click();
  page.Clear_Button_Click();
  redraw();
  clickRow(2, 2);
  addRemark(QStringLiteral("left"));
  clickRow(9, 3, 8);
  addRemark(QStringLiteral("mirror"));
  page.layout().Load_Layout_Click();
  redraw();
  ASSERT_EQ(remarksColumn(), 4);
  EXPECT_EQ(besideRow(4, 2), QStringLiteral("left"));
  EXPECT_EQ(besideRow(11, 3), QStringLiteral("mirror"));
  EXPECT_EQ(shown(8).lines.value(2), QStringLiteral("53"));
}

TEST_F(RemarkCommandsTest, ARemarkTooLongForItsRoomIsAnnouncedAndOneBelowTheReadingsSaysWhy) {
  openN2600A(3);
  placeItems({"Stat"});
  clickRow(remarksColumn(), 2);
  HeaderTextEditor* editor = addRemarkMenu();
  ASSERT_NE(editor, nullptr);
  editor->New_label_TB->setPlainText(QStringLiteral("Re-test, \"cracked\", 50%"));
  EXPECT_TRUE(editor->Cut_Notice->isHidden());  // the free columns beside it take the rest
  cancel(editor);
  placeItems(AllDensityItems);
  clickRow(19, 2);
  editor = addRemarkMenu();
  ASSERT_NE(editor, nullptr);
  editor->New_label_TB->setPlainText(QStringLiteral("Re-test, \"cracked\", 50%, and again"));
  EXPECT_FALSE(editor->Cut_Notice->isHidden());
  cancel(editor);
  clickRow(19, 5);
  EXPECT_EQ(addRemarkMenu(), nullptr);
  EXPECT_EQ(dialogs.messageTexts(), QStringList{RemarkNeedsReading});
}

TEST_F(RemarkCommandsTest, ASecondRemarkOnAReadingAsksWhetherToReplaceItOrAddAfterIt) {
  openN2600A(3);
  placeItems({"Stat"});
  clickRow(remarksColumn(), 2);
  addRemark(QStringLiteral("cracked"));
  dialogs.answers.enqueue(platform::ui::MessageAnswer::No);
  dialogs.answers.enqueue(platform::ui::MessageAnswer::Yes);
  addRemark(QStringLiteral("wet"));
  EXPECT_EQ(besideRow(remarksColumn(), 2), QStringLiteral("cracked; wet"));
  addRemark(QStringLiteral("dry"));
  EXPECT_EQ(besideRow(remarksColumn(), 2), QStringLiteral("dry"));
  EXPECT_EQ(dialogs.messageTexts(), QStringList({RemarkAlreadyOnRow.arg(QStringLiteral("cracked")),
                                                 RemarkAlreadyOnRow.arg(QStringLiteral("cracked; wet"))}));
  dialogs.answers.enqueue(platform::ui::MessageAnswer::Cancel);
  addRemark(QStringLiteral("lost"));
  EXPECT_EQ(besideRow(remarksColumn(), 2), QStringLiteral("dry"));
  ASSERT_NE(page.headerTexts().editor(), nullptr);  // the remark stays in the box
  EXPECT_EQ(page.headerTexts().editor()->New_label_TB->toPlainText(), QStringLiteral("lost"));
}

// Twelve data columns put "Remarks" in column 14, the last that shows at size
// 12: a remark that fits beside the free columns at 9 is cut there, and the
// editor and the font change say so by the ruler the page is laid out with.
TEST_F(RemarkCommandsTest, ARemarkTheLargerSizeCutsIsAnnounced) {
  const QString remark = QStringLiteral("Re-test, \"cracked\", 50%");
  openN2600A(3);
  placeItems(AllDensityItems.mid(0, 12));
  ASSERT_EQ(remarksColumn(), 14);
  clickRow(14, 2);
  addRemark(remark);
  EXPECT_TRUE(dialogs.messageTexts().isEmpty());
  fontSize(12);
  ASSERT_EQ(besideRow(14, 2), remark);
  EXPECT_GT(platform::textWidthTwips(remark, shown(14).font), shown(14).lineRoom());
  EXPECT_EQ(dialogs.messageTexts(), QStringList{RemarkCutAtThisSize.arg(quoted({remark}))});
  clickRow(14, 3);
  HeaderTextEditor* editor = addRemarkMenu();
  ASSERT_NE(editor, nullptr);
  editor->New_label_TB->setPlainText(remark);
  EXPECT_FALSE(editor->Cut_Notice->isHidden());
  cancel(editor);
}

TEST_F(RemarkCommandsTest, ADataColumnPlacedOverTheRemarksColumnTakesTheRemarksAlong) {
  openN2600A(3);
  placeItems({"Stat"});
  clickRow(3, 2);
  addRemark(QStringLiteral("cracked"));
  placeItems({"Stat", "Offset"});
  ASSERT_EQ(remarksColumn(), 4);
  EXPECT_EQ(besideRow(4, 2), QStringLiteral("cracked"));
  EXPECT_EQ(shown(3).lines.value(1), shown(3).lines.value(0));  // Offset's values, no remark
}

TEST_F(RemarkCommandsTest, AFontChangeNamesTheColumnsItDropsAndKeepsTheRemarks) {
  openN2600A(3);
  placeItems(AllDensityItems);
  ASSERT_EQ(remarksColumn(), 19);
  clickRow(19, 2);
  addRemark(QStringLiteral("wet"));
  QStringList dropped;
  for (int k = 14; k <= 18; ++k) dropped.append(pageHeader(k));
  fontSize(12);
  EXPECT_EQ(dialogs.messageTexts(), QStringList{ColumnsDroppedAtThisSize.arg(quoted(dropped))});
  ASSERT_EQ(remarksColumn(), 14);
  EXPECT_EQ(besideRow(14, 2), QStringLiteral("wet"));
}

const QString LongRemark =
    QStringLiteral("Re-test, \"cracked\", 50% moisture high; sample re-taken at station 9036.4 by the technician");

// Placing more columns or storing a remark that the page cuts says so once,
// in the notice a font change gives; a change that cuts nothing new is quiet.
TEST_F(RemarkCommandsTest, EveryChangeThatCutsARemarkSaysSo) {
  const QString fitting = QStringLiteral("Re-test, \"cracked\", 50%");
  openN2600A(5);
  placeItems({"Stat", "Offset"});
  clickRow(remarksColumn(), 2);
  addRemark(fitting);
  EXPECT_EQ(dialogs.messageTexts(), QStringList{});
  placeItems(AllDensityItems);  // "Remarks" moves on to column 19
  ASSERT_EQ(besideRow(19, 2), fitting);
  page.Clear_Button_Click();
  placeItems(AllDensityItems.mid(0, 12));
  clickRow(14, 5);
  addRemark(LongRemark);
  EXPECT_EQ(dialogs.messageTexts(), QStringList({RemarkCutAtSmallestSize.arg(quoted({fitting})),
                                                 RemarkCutAtSmallestSize.arg(quoted({LongRemark}))}));
}

// Load_Layout_Click keeps the typed remarks beside their readings, in the
// "Remarks" column wherever the loaded layout puts it, and names in one
// notice the remarks the new layout cuts (two: the plural wording).
TEST_F(RemarkCommandsTest, ALoadedLayoutKeepsTheRemarksBesideTheirReadings) {
  openN2600A(8);
  placeItems(AllDensityItems);
  page.layout().Save_Layout_Click();
  page.Clear_Button_Click();
  redraw();
  ASSERT_EQ(remarksColumn(), 2);
  clickRow(2, 7);
  addRemark(QStringLiteral("cracked"));
  clickRow(2, 3);
  addRemark(LongRemark);
  clickRow(2, 5);
  addRemark(LongRemark + QStringLiteral(" twice"));
  dialogs.messages.clear();
  page.layout().Load_Layout_Click();
  redraw();
  ASSERT_EQ(remarksColumn(), 19);
  EXPECT_EQ(pageHeader(3), QStringLiteral("Offset"));
  EXPECT_EQ(besideRow(19, 7), QStringLiteral("cracked"));
  EXPECT_EQ(besideRow(19, 3), LongRemark);
  EXPECT_EQ(besideRow(19, 1), QString());
  EXPECT_EQ(dialogs.messageTexts(), QStringList{RemarksCutAtSmallestSize.arg(
                                        quoted({LongRemark, LongRemark + QStringLiteral(" twice")}))});
}

// The report's objects as a fresh report is compared with another: texts,
// fonts, places, widths and what shows (the separator lines included).
QStringList reportObjects(const platform::ReportDesigner& report) {
  QStringList objects;
  for (int s = 1; s <= report.sectionCount(); ++s) {
    const platform::ReportSection& section = *report.section(s);
    for (int i = 1; i <= section.objectCount(); ++i) {
      const platform::ReportObject& o = *section.object(i);
      objects << QStringLiteral("%1 '%2' %3pt x%4 w%5 %6")
                     .arg(o.name(), o.text().value_or(QString()).replace('\r', '|'))
                     .arg(o.fontSize().value_or(0))
                     .arg(o.left())
                     .arg(o.width())
                     .arg(o.suppress());
    }
  }
  return objects;
}

// 9, 12 and back to 9 gives the report a fresh size-9 report with the same
// items and remarks has: the column size 12 took off aside, the same remarks
// room, the same fonts and lines, and no cut that does not happen.
TEST_F(RemarkCommandsTest, NineTwelveNineGivesTheFreshSizeNineReportBack) {
  const QStringList kept{"Stat", "Offset", "Depth", "Soil/Asph", "%Adjusted", "M Cnt",
                         "%Air void", "Wet Dens", "Dry Dens", "Wat", "%Wat", "%AC"};
  const QString third = QStringLiteral("R3 first; R3 again");
  const auto addRemarks = [&] {
    clickRow(remarksColumn(), 3);
    addRemark(third);
    clickRow(remarksColumn(), 5);
    addRemark(LongRemark);
  };
  openN2600A(5);
  placeItems(kept + QStringList{"D Cnt"});
  ASSERT_EQ(remarksColumn(), 15);
  addRemarks();
  fontSize(12);
  dialogs.messages.clear();
  fontSize(9);
  EXPECT_EQ(dialogs.messageTexts(), QStringList{RemarkCutAtSmallestSize.arg(quoted({LongRemark}))});
  const QStringList roundTrip = reportObjects(*page.designers().Report);

  state.New_Data = true;
  page.MainTab_Click(0);
  placeItems(kept);
  addRemarks();
  EXPECT_EQ(reportObjects(*page.designers().Report), roundTrip);
}

}  // namespace
}  // namespace report
