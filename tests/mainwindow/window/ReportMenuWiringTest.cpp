#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <memory>

#include "../DataViewFixture.h"
#include "mainwindow/window/MainMenus.h"
#include "mainwindow/MainWindow.h"
#include "platform/report/ReportNames.h"
#include "platform/report/TextWidth.h"
#include "platform/ui/Functions.h"
#include "platform/ui/ReportPageView.h"
#include "platform/ui/ReportViewer.h"
#include "platform/ui/ScriptedDialogs.h"
#include "report/page/header/HeaderTextEditor.h"
#include "report/builder/RemarkFit.h"
#include "report/builder/RemarkInsertion.h"
#include "report/page/settings/FontChangeNotice.h"
#include "report/page/compose/ReportPage.h"
#include "report/page/ReportTabPage.h"
#include "support/TempProgramFolder.h"

namespace mainwindow {
namespace {

// The report page's pop-up commands and pop-out as the main window wires them.
class ReportMenuWiringTest : public ::testing::Test {
 protected:
  ReportMenuWiringTest() {
    MainWindow::Options options;
    options.portProbe = [] { return QStringLiteral("xxxx"); };
    window = std::make_unique<MainWindow>(options);
    window->Form_Load();
    window->setMainTabEnabled(ReportTab, true);
    window->MainTab->setCurrentIndex(ReportTab);
  }

  void doubleClickPanel() {
    QWidget* panel = window->reportTab().Picture1;
    QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(2, 2), panel->mapToGlobal(QPointF(2, 2)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(panel, &event);
  }

  static bool loaded(const char* name) { return platform::ui::Form_Loaded(QLatin1String(name)); }

  testsupport::TempProgramFolder folder;
  platform::ui::ScriptedDialogs dialogs;
  platform::ui::ScopedDialogSeam seam{dialogs};
  std::unique_ptr<MainWindow> window;
};

TEST_F(ReportMenuWiringTest, TheConstantsCommandOpensTheEditorUntilTheReportTabIsLeft) {
  window->menus().SCons->trigger();
  EXPECT_TRUE(loaded("StiffnessCons"));
  EXPECT_FALSE(window->menus().ImportWizard->isEnabled());
  EXPECT_TRUE(window->reportPage().stiffnessConstants().textChangedArmed());
  window->MainTab->setCurrentIndex(DataTab);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(loaded("StiffnessCons"));
  EXPECT_TRUE(window->menus().ImportWizard->isEnabled());
}

TEST_F(ReportMenuWiringTest, LeavingTheReportTabBringsThePoppedOutPanelHome) {
  doubleClickPanel();
  EXPECT_TRUE(loaded("ReportEdit"));
  EXPECT_NE(window->reportTab().Picture1->window(), window.get());
  window->MainTab->setCurrentIndex(DataTab);
  EXPECT_EQ(window->reportTab().Picture1->parentWidget(), &window->reportTab());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(loaded("ReportEdit"));
}

TEST_F(ReportMenuWiringTest, AFontCommandAsksForOneRedraw) {
  window->menus().Font[3]->trigger();
  EXPECT_TRUE(window->reportPage().refresh().pending());
  EXPECT_EQ(window->reportPage().refresh().interval(), report::ReportRefresh::RedrawInterval);
}

namespace names = platform::ReportNames;

// Remarks added as the user adds them: a click on the report viewer's page,
// "Edit Text" > "Add Remark", the remark typed, Ok; on tables the parsers made.
class RemarkMenuTest : public DataViewFixture {
 protected:
  // A project file of one printout of `readings` rows.
  QString project(const QByteArray& head, const QByteArray& row, int readings, const QByteArray& tail) {
    QByteArray text = head;
    for (int i = 1; i <= readings; ++i) text += QByteArray::number(i).rightJustified(4) + row + "\r\n";
    text += tail;
    const QString path = folder.path(QStringLiteral("remarks.txt"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
  }
  void openN2600A(int readings) {
    open(project(" 1 \r\n   \r\nCOMPACTION CONTROL DATA REPORT   NS-2600A SERIAL: 12345   CALIBRATION DATE:01/15/05\r\n"
                 "   \r\nRD #    DATE     PROJ   STAT   OFFST  DPT S/A   KVAL  % ADJ   D STD M STD  D CNT M CNT   SPG %AV "
                 "MAX D  WET D  DRY D   WAT  %WAT   %COMP\r\n----  --------  ------ ------ ------  --- ---  ------ -----  "
                 "------ ----- ------ -----  ---- --- -----  -----  -----  ----  ----   -----\r\n",
                 "  06/01/04   12.5     100    1.5    6   S     0.5     0    2350   650   1801   321   2.7   5 135.5    "
                 "100     90    10  11.1      95",
                 readings, "   \r\n"));
    click({QStringLiteral("12.5"), QStringLiteral("Soil")});
    enterReport();
  }
  void openN2600BX(int readings) {
    open(project(" 2 \r\nCOMPACTION CONTROL DATA REPORT NS-2600BX SERIAL: 54321 CALIBRATION DATE: 03/04/05 \r\n\r\n \r\n"
                 "PROJECT ID: 12.5 DATE: 06/01/2004 D STD=2350 M STD=650 KVAL=0.95  SPG=2.7 MAXD=135.5 LOWD=120.5\r\n \r\n"
                 "RD #,  TIME, STAT1 TO,  STAT1, OFFSET,  STAT2, LANE, DPT, S/A,   %ADJ,       DC,       MC,    %AV,     WD,"
                 "     DD,      M,     %M,  %COMP,     VR\r\n",
                 ", 10:42,    10+00,  10+50,   2.5L,  11+00,   L1,   6,   S,      0,     1800,      320,    4.5,  122.4,  "
                 "112.5,   10.3,    8.5,     83,     OK",
                 readings, "\r\n \r\n"));
    click({QStringLiteral("12.5"), QStringLiteral("Soil")});
    enterReport();
  }
  void openLoadFrame(int readings) {
    open(project(" 0 \r\nCBR/LBR TEST\r\nRD #, TIME, (LOAD), (PEN), (), ()\r\n", ", 00:00:05, 1.5, 2, 3, 4", readings,
                 "END\r\n"));
    click({QStringLiteral("CBR_LBR1")});
    enterReport();
  }
  void enterReport() {
    main().MainTab->setCurrentIndex(ReportTab);
    redraw();
  }
  void redraw() {
    main().reportPage().refresh().Timer5_Timer();
    viewer().refresh();
  }
  platform::ReportViewer& viewer() { return *main().reportTab().CRViewer1[0]; }
  // Places data items from column 2 on, so "Remarks" moves right of them.
  void placeItems(const QStringList& items) {
    report::ReportTabPage& page = main().reportTab();
    for (int i = 0; i < items.size(); ++i) {
      page.List2->setCurrentRow(i);
      page.List1->setCurrentItem(page.List1->findItems(items[i], Qt::MatchExactly).value(0));
      main().reportPage().List1_Click();
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
    QWidget* page = viewer().pageView();
    QMouseEvent press(QEvent::MouseButtonPress, pixels, page->mapToGlobal(pixels), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(page, &press);
  }
  report::HeaderTextEditor* addRemarkMenu() {
    main().menus().Remarks->trigger();
    return main().reportPage().headerTexts().editor();
  }
  void addRemark(const QString& remark) {
    report::HeaderTextEditor* editor = addRemarkMenu();
    ASSERT_NE(editor, nullptr);
    editor->New_label_TB->setPlainText(remark);
    editor->OK_B->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    redraw();
  }
  void cancel(report::HeaderTextEditor* editor) {
    editor->Cancel_B->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  // The line shown beside the n-th row of the page in column k.
  QString besideRow(int k, int n) { return shown(k).lines.value(n - 1); }
  int remarksColumn() { return main().reportFlags().Remarks_Column; }
  QString header(int k) {
    return main().reportPage().designers().Report->member(names::columnHeader(k)).text().value_or(QString());
  }
  void fontSize(int size) {
    main().menus().Font[size - 9]->trigger();
    redraw();
  }
  static QString quoted(const QStringList& texts) { return '"' + texts.join(QStringLiteral("\", \"")) + '"'; }
};

// A short report lays its remarks column out one line high; any row of it
// still takes the remark, whichever column holds "Remarks".
TEST_F(RemarkMenuTest, N2600AOnePageEveryRowInTheRemarksColumnWhereverItStands) {
  openN2600A(6);
  const QStringList items{"Stat", "Offset", "Depth", "Soil/Asph", "%Adjusted", "D Cnt", "M Cnt", "%Air void",
                          "Wet Dens", "Dry Dens", "Wat", "%Wat", "%AC", "Dens", "%Comp", "Read Date", "Stat"};
  for (int column = 2; column <= 19; ++column) {
    SCOPED_TRACE(column);
    placeItems(items.mid(0, column - 2));
    ASSERT_EQ(remarksColumn(), column);
    for (int row : {2, 3, 5}) {
      clickRow(column, row);
      addRemark(QStringLiteral("r%1").arg(row));
      EXPECT_EQ(besideRow(column, row), QStringLiteral("r%1").arg(row));
    }
    EXPECT_EQ(besideRow(column, 1), QString());
    EXPECT_TRUE(dialogs.messageTexts().isEmpty()) << dialogs.messageTexts().join(' ').toStdString();
  }
}

TEST_F(RemarkMenuTest, N2600BXALaterPageTakesTheRemarkBesideItsReading) {
  openN2600BX(70);
  placeItems({"Stat", "Depth"});
  ASSERT_GE(viewer().pageCount(), 2);
  viewer().showPage(2);
  clickRow(1, 3);
  addRemark(QStringLiteral("wet"));
  EXPECT_EQ(besideRow(remarksColumn(), 3), QStringLiteral("wet"));
  EXPECT_EQ(shown(1).lines.value(2), QString::number(shown(1).firstLine + 2));
}

TEST_F(RemarkMenuTest, LoadFrameMirrorBlockClickGoesBesideTheClickedReading) {
  openLoadFrame(60);  // two blocks at size 9
  placeItems({"Time", "CH1"});
  const int left = remarksColumn();
  ASSERT_EQ(main().reportPage().designers().Report->member(names::columnHeader(8)).text(), QStringLiteral("RD#"));
  clickRow(9, 3, 8);
  addRemark(QStringLiteral("mirror"));
  EXPECT_EQ(besideRow(left + 7, 3), QStringLiteral("mirror"));
  EXPECT_EQ(besideRow(left, 3), QString());
  EXPECT_EQ(shown(8).lines.value(2), QStringLiteral("53"));
}

TEST_F(RemarkMenuTest, ARemarkTooLongForItsRoomIsAnnouncedAndOneBelowTheReadingsSaysWhy) {
  openN2600A(3);
  placeItems({"Stat"});
  clickRow(remarksColumn(), 2);
  report::HeaderTextEditor* editor = addRemarkMenu();
  ASSERT_NE(editor, nullptr);
  editor->New_label_TB->setPlainText(QStringLiteral("Re-test, \"cracked\", 50%"));
  EXPECT_TRUE(editor->Cut_Notice->isHidden());  // the free columns beside it take the rest
  cancel(editor);
  placeItems({"Stat", "Offset", "Depth", "Soil/Asph", "%Adjusted", "D Cnt", "M Cnt", "%Air void", "Wet Dens",
              "Dry Dens", "Wat", "%Wat", "%AC", "Dens", "%Comp", "Read Date", "Stat"});
  clickRow(19, 2);
  editor = addRemarkMenu();
  ASSERT_NE(editor, nullptr);
  editor->New_label_TB->setPlainText(QStringLiteral("Re-test, \"cracked\", 50%, and again"));
  EXPECT_FALSE(editor->Cut_Notice->isHidden());
  cancel(editor);
  clickRow(19, 5);
  EXPECT_EQ(addRemarkMenu(), nullptr);
  EXPECT_EQ(dialogs.messageTexts(), QStringList{report::RemarkNeedsReading});
}

TEST_F(RemarkMenuTest, ASecondRemarkOnAReadingAsksWhetherToReplaceItOrAddAfterIt) {
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
  EXPECT_EQ(dialogs.messageTexts(), QStringList({report::RemarkAlreadyOnRow.arg(QStringLiteral("cracked")),
                                                 report::RemarkAlreadyOnRow.arg(QStringLiteral("cracked; wet"))}));
  dialogs.answers.enqueue(platform::ui::MessageAnswer::Cancel);
  addRemark(QStringLiteral("lost"));
  EXPECT_EQ(besideRow(remarksColumn(), 2), QStringLiteral("dry"));
  ASSERT_NE(main().reportPage().headerTexts().editor(), nullptr);  // the remark stays in the box
  EXPECT_EQ(main().reportPage().headerTexts().editor()->New_label_TB->toPlainText(), QStringLiteral("lost"));
}

// Twelve data columns put "Remarks" in column 14, the last that shows at size
// 12: a remark that fits beside the free columns at 9 is cut there, and the
// editor and the font change say so by the ruler the page is laid out with.
TEST_F(RemarkMenuTest, ARemarkTheLargerSizeCutsIsAnnounced) {
  const QString remark = QStringLiteral("Re-test, \"cracked\", 50%");
  openN2600A(3);
  placeItems({"Stat", "Offset", "Depth", "Soil/Asph", "%Adjusted", "D Cnt", "M Cnt", "%Air void", "Wet Dens",
              "Dry Dens", "Wat", "%Wat"});
  ASSERT_EQ(remarksColumn(), 14);
  clickRow(14, 2);
  addRemark(remark);
  EXPECT_TRUE(dialogs.messageTexts().isEmpty());
  fontSize(12);
  ASSERT_EQ(besideRow(14, 2), remark);
  EXPECT_GT(platform::textWidthTwips(remark, shown(14).font), shown(14).lineRoom());
  EXPECT_EQ(dialogs.messageTexts(), QStringList{report::RemarksCutAtThisSize.arg(quoted({remark}))});
  clickRow(14, 3);
  report::HeaderTextEditor* editor = addRemarkMenu();
  ASSERT_NE(editor, nullptr);
  editor->New_label_TB->setPlainText(remark);
  EXPECT_FALSE(editor->Cut_Notice->isHidden());
  cancel(editor);
}

TEST_F(RemarkMenuTest, ADataColumnPlacedOverTheRemarksColumnTakesTheRemarksAlong) {
  openN2600A(3);
  placeItems({"Stat"});
  clickRow(3, 2);
  addRemark(QStringLiteral("cracked"));
  placeItems({"Stat", "Offset"});
  ASSERT_EQ(remarksColumn(), 4);
  EXPECT_EQ(besideRow(4, 2), QStringLiteral("cracked"));
  EXPECT_EQ(shown(3).lines.value(1), shown(3).lines.value(0));  // Offset's values, no remark
}

TEST_F(RemarkMenuTest, AFontChangeNamesTheColumnsItDropsAndKeepsTheRemarks) {
  openN2600A(3);
  placeItems({"Stat", "Offset", "Depth", "Soil/Asph", "%Adjusted", "D Cnt", "M Cnt", "%Air void", "Wet Dens",
              "Dry Dens", "Wat", "%Wat", "%AC", "Dens", "%Comp", "Read Date", "Stat"});
  ASSERT_EQ(remarksColumn(), 19);
  clickRow(19, 2);
  addRemark(QStringLiteral("wet"));
  QStringList dropped;
  for (int k = 14; k <= 18; ++k) dropped.append(header(k));
  fontSize(12);
  EXPECT_EQ(dialogs.messageTexts(), QStringList{report::ColumnsDroppedAtThisSize.arg(quoted(dropped))});
  ASSERT_EQ(remarksColumn(), 14);
  EXPECT_EQ(besideRow(14, 2), QStringLiteral("wet"));
}

}  // namespace
}  // namespace mainwindow
