#include "report/page/header/HeaderTextEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <gtest/gtest.h>

#include "platform/db/Database.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportTypes.h"
#include "report/page/header/HeaderTextCommands.h"
#include "report/page/ReportPageHost.h"

namespace report {
namespace {

const QChar CR(13);

class MenuHost : public ReportPageHost {
 public:
  bool menusEnabled = true;
  int currentMainTab() const override { return 1; }
  void enableWindowMenus(bool enabled) override { menusEnabled = enabled; }
  void Form_Resize() override {}
  void Initialize_TAB0() override {}
  void Fill_Data_Lists() override {}
  void setStatusText(const QString&) override {}
  platform::db::Database& workingDatabase() override { return db; }
  platform::db::Database db;
};

class HeaderTextEditorTest : public ::testing::Test {
 protected:
  HeaderTextEditor& open(void (HeaderTextCommands::*command)(const platform::ReportClick&), int viewer = 0) {
    platform::ReportClick click;
    click.viewerIndex = viewer;
    (commands.*command)(click);
    return *commands.editor();
  }
  platform::ObjectRef member(bool stiffy, const QString& name) const {
    return (stiffy ? designers.StiffyReport : designers.Report)->member(name);
  }
  static void type(HeaderTextEditor& editor, const QString& text) { editor.New_label_TB->setPlainText(text); }
  static void pressEnter(HeaderTextEditor& editor) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(editor.New_label_TB, &press);
  }

  ReportDesigners designers;
  CompanyInfo info;
  ReportFlags flags;
  MenuHost host;
  HeaderTextCommands commands{{designers, info, flags, host}, nullptr};
};

TEST_F(HeaderTextEditorTest, OkOnReportWritesTextAlignmentAndCompanyInformation) {
  member(false, "Company").SetText(QStringLiteral("Old Lab"));
  HeaderTextEditor& editor = open(&HeaderTextCommands::CN_Click);
  EXPECT_EQ(editor.windowTitle(), QStringLiteral("Edit Company Name Position"));
  EXPECT_EQ(editor.New_label_TB->toPlainText(), QStringLiteral("Old Lab"));
  EXPECT_FALSE(host.menusEnabled);

  type(editor, QStringLiteral("Acme Soils"));
  editor.Allignment_Select[2]->click();
  editor.OK_B->click();
  EXPECT_EQ(member(false, "Company").text(), QStringLiteral("Acme Soils"));
  EXPECT_EQ(member(false, "Company").horAlignment(), platform::HorAlignment::Right);
  EXPECT_EQ(member(true, "StiffyCompany").text(), QStringLiteral("Company Name"));  // raw-data tab: Report only
  EXPECT_EQ(info.CInfo[CompanyName], QStringLiteral("Acme Soils"));
  EXPECT_TRUE(flags.Info_Changed);
  EXPECT_TRUE(host.menusEnabled);
  EXPECT_TRUE(editor.isHidden());
}

TEST_F(HeaderTextEditorTest, OpeningTheEditorLeavesTheClipboardAlone) {
  QApplication::clipboard()->setText(QStringLiteral("kept"));
  open(&HeaderTextCommands::CN_Click);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("kept"));
}

TEST_F(HeaderTextEditorTest, OkOnTheStiffnessReportReachesItsOwnObjects) {
  HeaderTextEditor& editor = open(&HeaderTextCommands::CN_Click, 1);
  type(editor, QStringLiteral("Acme Soils"));
  editor.Allignment_Select[1]->click();
  editor.OK_B->click();
  for (bool stiffy : {false, true}) {
    const char* name = stiffy ? "StiffyCompany" : "Company";
    EXPECT_EQ(member(stiffy, name).text(), QStringLiteral("Acme Soils"));
    EXPECT_EQ(member(stiffy, name).horAlignment(), platform::HorAlignment::Centred);
  }
}

TEST_F(HeaderTextEditorTest, CancelAndTheCloseBoxRestoreBothReportsAndTheLabels) {
  const auto labelAlignment = member(false, "ProjNameLabel").horAlignment();
  const auto projectText = member(false, "ProjNameText").text();
  HeaderTextEditor& project = open(&HeaderTextCommands::PN_Click);
  type(project, QStringLiteral("Route 9"));
  project.Allignment_Select[2]->click();
  project.Apply_B->click();
  EXPECT_EQ(member(false, "ProjNameText").text(), QStringLiteral("Route 9"));
  EXPECT_EQ(member(false, "ProjNameLabel").horAlignment(), platform::HorAlignment::Right);
  project.Cancel_B->click();
  EXPECT_EQ(member(false, "ProjNameText").text(), projectText);
  EXPECT_EQ(member(false, "ProjNameLabel").horAlignment(), labelAlignment);

  const auto stiffyAlignment = member(true, "StiffyCompany").horAlignment();
  HeaderTextEditor& company = open(&HeaderTextCommands::CN_Click, 1);
  type(company, QStringLiteral("Acme"));
  company.Allignment_Select[2]->click();
  company.Apply_B->click();
  company.close();
  EXPECT_EQ(member(true, "StiffyCompany").text(), QStringLiteral("Company Name"));
  EXPECT_EQ(member(true, "StiffyCompany").horAlignment(), stiffyAlignment);
  EXPECT_EQ(member(false, "Company").text(), QStringLiteral("Company Name"));
  EXPECT_EQ(info.CInfo[CompanyName], QStringLiteral("Empty"));
  EXPECT_FALSE(flags.Info_Changed);
  EXPECT_TRUE(host.menusEnabled);
}

TEST_F(HeaderTextEditorTest, ChoosingAnotherItemCancelsTheOpenEdit) {
  HeaderTextEditor& company = open(&HeaderTextCommands::CN_Click);
  QPointer<HeaderTextEditor> first = &company;
  type(company, QStringLiteral("Unsaved"));
  company.Apply_B->click();
  HeaderTextEditor& project = open(&HeaderTextCommands::PN_Click);
  EXPECT_EQ(member(false, "Company").text(), QStringLiteral("Company Name"));
  EXPECT_EQ(project.what(), WhatProjectName);
  EXPECT_TRUE(first.isNull() || first->isHidden());
  EXPECT_FALSE(host.menusEnabled);  // the new editor holds the lock
}

TEST_F(HeaderTextEditorTest, CompanyInformationLinesRoundTripWithoutGrowingOrSpilling) {
  info.CInfo[ProjectName] = QStringLiteral("Route 9");
  HeaderTextEditor& first = open(&HeaderTextCommands::CI_Click);
  type(first, QStringLiteral("12 Main St\n\nSpringfield\n555-0100\n555-0101\nlab@acme\nextra\ntail"));
  first.OK_B->click();
  const QString block = QStringLiteral(" 12 Main St") + CR + "Springfield" + CR + "555-0100" + CR + "555-0101" + CR +
                        "lab@acme" + CR;
  EXPECT_EQ(member(false, "Companyinfo").text(), block);
  EXPECT_EQ(info.CInfo[5], QStringLiteral("lab@acme"));
  EXPECT_EQ(info.CInfo[ProjectName], QStringLiteral("Route 9"));

  // Reopened, the box shows the lines without the block's blank; Ok again
  // adds none, and a deleted line does not come back.
  HeaderTextEditor& second = open(&HeaderTextCommands::CI_Click);
  EXPECT_EQ(second.New_label_TB->toPlainText(), QStringLiteral("12 Main St\nSpringfield\n555-0100\n555-0101\nlab@acme"));
  type(second, QStringLiteral("12 Main St\nSpringfield\nlast line"));
  second.OK_B->click();
  EXPECT_EQ(member(false, "Companyinfo").text(), QStringLiteral(" 12 Main St") + CR + "Springfield" + CR + "last line" + CR);
  EXPECT_EQ(info.CInfo[3], QStringLiteral("last line"));
  EXPECT_EQ(info.CInfo[4], QStringLiteral("Empty"));
  EXPECT_EQ(info.CInfo[5], QStringLiteral("Empty"));
}

TEST_F(HeaderTextEditorTest, EnterNeverDeletesTextAndKeepsFiveLinesAtMost) {
  HeaderTextEditor& project = open(&HeaderTextCommands::PN_Click);
  type(project, QStringLiteral("Route 9 North"));
  QTextCursor cursor = project.New_label_TB->textCursor();
  cursor.setPosition(5);
  project.New_label_TB->setTextCursor(cursor);
  pressEnter(project);
  EXPECT_EQ(project.New_label_TB->toPlainText(), QStringLiteral("Route 9 North"));
  project.Cancel_B->click();

  HeaderTextEditor& lines = open(&HeaderTextCommands::CI_Click);
  type(lines, QStringLiteral("1\n2\n3\n4"));
  lines.New_label_TB->moveCursor(QTextCursor::End);
  pressEnter(lines);
  EXPECT_EQ(lines.New_label_TB->toPlainText(), QStringLiteral("1\n2\n3\n4\n"));
  pressEnter(lines);
  EXPECT_EQ(lines.New_label_TB->toPlainText(), QStringLiteral("1\n2\n3\n4\n"));
}

TEST_F(HeaderTextEditorTest, BlankBoxOverPlaceholderAndDateMode) {
  member(false, "TestedByText").SetText(QStringLiteral("Empty"));
  HeaderTextEditor& tester = open(&HeaderTextCommands::TB_Click);
  EXPECT_EQ(tester.New_label_TB->toPlainText(), QString());
  EXPECT_FALSE(tester.New_label_TB->isEnabled());
  tester.OK_B->click();
  EXPECT_EQ(member(false, "TestedByText").text(), QString());
  EXPECT_EQ(info.CInfo[TestedBy], QString());

  HeaderTextEditor& date = open(&HeaderTextCommands::Date_Click);
  EXPECT_EQ(date.New_label_TB->toPlainText(), DateNotModifiable);
  date.Allignment_Select[2]->click();
  date.OK_B->click();
  EXPECT_EQ(member(false, "Text8").horAlignment(), platform::HorAlignment::Right);
  EXPECT_EQ(member(false, "Field1").horAlignment(), platform::HorAlignment::Right);
}

// A click on row `row` of the remarks column, column 3, of a report of three readings.
platform::ReportClick remarksClick(platform::ReportDesigner& report, int row) {
  report.member(QStringLiteral("ColHeader3")).SetText(QStringLiteral("Remarks"));
  report.member(QStringLiteral("Col1")).SetText(QStringLiteral("1\r2\r3\r"));
  const platform::RenderedReport rendered = platform::ReportLayout::layout(report);
  const platform::RenderedText rd = rendered.textsOf(QStringLiteral("Col1"), 1).value(0);
  const platform::RenderedText remarks = rendered.textsOf(QStringLiteral("Col3"), 1).value(0);
  platform::ReportClick click;
  click.page = 1;
  click.pageTexts = rendered.pages.value(0).texts;
  click.twips = QPoint(remarks.rect.center().x(), rd.rect.top() + rd.linePitch * row - rd.linePitch / 2);
  return click;
}

TEST_F(HeaderTextEditorTest, RemarkModeAddsTheRemarkAtTheClickedRow) {
  flags.Remarks_Column = 3;
  commands.Edit_Remarks(remarksClick(*designers.Report, 2));
  HeaderTextEditor& editor = *commands.editor();
  EXPECT_EQ(editor.windowTitle(), QStringLiteral("Edit/Add Remarks"));
  EXPECT_FALSE(editor.Allignment_Select[0]->isEnabled());
  type(editor, QStringLiteral("cracked"));
  editor.OK_B->click();  // Ok keeps a remark that was typed but not applied
  EXPECT_EQ(member(false, "Col3").text(), QString(CR) + "cracked" + CR);
}

}  // namespace
}  // namespace report
