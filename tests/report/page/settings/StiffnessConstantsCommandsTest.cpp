#include "report/page/settings/StiffnessConstantsCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QKeyEvent>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "../FakeReportPageHost.h"
#include "instrument/ProgramState.h"
#include "platform/core/ProgramFiles.h"
#include "platform/ui/ScriptedDialogs.h"
#include "report/builder/ReportFlags.h"
#include "report/builder/StiffnessConstants.h"
#include "report/page/ReportTabPage.h"
#include "report/page/settings/StiffnessCons.h"
#include "report/page/settings/StiffnessConsFile.h"
#include "support/TempProgramFolder.h"

namespace report {
namespace {

// A key pressed and let go, as the keyboard delivers it.
void keyClick(QWidget* widget, int key, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &release);
}

void keyClicks(QWidget* widget, const QString& text) {
  for (QChar c : text) keyClick(widget, c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A') : c.unicode(), c);
}

class StiffnessConstantsCommandsTest : public ::testing::Test {
 protected:
  StiffnessConstantsCommandsTest() {
    state.Model_Code = 3;
    commands.setRebuildStiffnessReport([this] { ++rebuilds; });
  }
  ~StiffnessConstantsCommandsTest() override {
    if (StiffnessCons* editor = commands.editor()) delete editor;
  }

  QString filePath() const { return folder.path(platform::ProgramFiles::StiffnessConstants); }
  StiffnessCons& openEditor() {
    commands.SCons_Click();
    return *commands.editor();
  }
  static void type(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->clear();
    keyClicks(box, text);
  }

  testsupport::TempProgramFolder folder;
  platform::ui::ScriptedDialogs dialogs;
  platform::ui::ScopedDialogSeam seam{dialogs};
  testing::FakeReportPageHost host;
  ReportTabPage page;
  instrument::ProgramState state;
  ReportFlags flags;
  StiffnessConstants constants{1, 2, 3, 4, 5, 6, 7};
  StiffnessConstantsCommands commands{host, page, state, flags, constants};
  int rebuilds = 0;
};

TEST_F(StiffnessConstantsCommandsTest, MissingFileAnsweredNoLeavesZerosAndNothingElse) {
  dialogs.answers.enqueue(platform::ui::MessageAnswer::No);
  commands.StiffCons_File(StiffConsLoad);
  EXPECT_EQ(dialogs.messageTexts(),
            QStringList{"T7310 Constants do not exist.  Do you want to setup constants now?"});
  EXPECT_DOUBLE_EQ(constants.MeasMs, 0);
  EXPECT_DOUBLE_EQ(constants.Densi2, 0);
  EXPECT_EQ(commands.editor(), nullptr);
  EXPECT_FALSE(commands.textChangedArmed());
}

// A pipe in the file's place is there: its refusal says so, and no question
// follows that would call it missing.
TEST_F(StiffnessConstantsCommandsTest, ARefusedFileIsNamedAndNotAskedAboutAsMissing) {
  ASSERT_EQ(::mkfifo(QFile::encodeName(filePath()).constData(), 0600), 0);
  commands.StiffCons_File(StiffConsLoad);
  ASSERT_EQ(dialogs.messageTexts().size(), 1) << dialogs.messageTexts().join('\n').toStdString();
  EXPECT_TRUE(dialogs.messageTexts()[0].contains(filePath() + QStringLiteral(" is no regular file")));
  EXPECT_DOUBLE_EQ(constants.MeasMs, 0);
  EXPECT_EQ(commands.editor(), nullptr);
}

TEST_F(StiffnessConstantsCommandsTest, MissingFileAnsweredYesOpensTheEditorAndArmsTheRebuild) {
  commands.StiffCons_File(StiffConsLoad);
  ASSERT_NE(commands.editor(), nullptr);
  EXPECT_TRUE(commands.editor()->isVisible());
  EXPECT_EQ(commands.editor()->SInfoTxt[6]->text(), QStringLiteral("0"));
  EXPECT_TRUE(commands.textChangedArmed());
  EXPECT_FALSE(host.menusEnabled);
}

TEST_F(StiffnessConstantsCommandsTest, TheEditorOpensCentredOnItsOwnerAndWholeOnTheScreen) {
  const QRect screen = QApplication::primaryScreen()->availableGeometry();
  page.setGeometry(QRect(screen.topLeft() + QPoint(40, 40), screen.size() - QSize(80, 80)));
  page.show();
  const StiffnessCons& editor = openEditor();
  EXPECT_LE((editor.frameGeometry().center() - page.frameGeometry().center()).manhattanLength(), 4);
  commands.editor()->close();
  delete commands.editor();

  page.move(screen.bottomRight() - QPoint(60, 60));  // owner nearly off the screen
  EXPECT_TRUE(screen.contains(openEditor().frameGeometry()));
}

TEST_F(StiffnessConstantsCommandsTest, TextChangedRebuildsOnlyAfterAnApply) {
  StiffnessCons& editor = openEditor();
  EXPECT_FALSE(flags.Constants_Changed);
  commands.TextChanged_Timer();
  EXPECT_EQ(rebuilds, 0);
  EXPECT_TRUE(commands.textChangedArmed());

  type(editor.SInfoTxt[0], "0.25");
  editor.SInfoB_Click(StiffnessCons::Apply);
  EXPECT_TRUE(editor.isVisible());
  EXPECT_TRUE(flags.Constants_Changed);
  commands.TextChanged_Timer();
  EXPECT_EQ(rebuilds, 1);
  EXPECT_FALSE(flags.Constants_Changed);
  EXPECT_TRUE(commands.textChangedArmed());  // the editor is still open

  type(editor.SInfoTxt[3], "125");
  editor.SInfoB_Click(StiffnessCons::Ok);
  commands.TextChanged_Timer();
  EXPECT_EQ(rebuilds, 2);
  EXPECT_FALSE(commands.textChangedArmed());
}

TEST_F(StiffnessConstantsCommandsTest, AFileCutShortSaysWhichConstantsItLacks) {
  QFile file(filePath());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("MeasMs = 0.5\r\nAssmas = 2\r\nPoisra = 0.3\r\nDensit = 4\r\nSlopes = 5\r\n");
  file.close();
  commands.StiffCons_File(StiffConsLoad);
  ASSERT_EQ(dialogs.messageTexts().size(), 1);
  EXPECT_TRUE(dialogs.messageTexts().first().contains("Interc, Densi2"));
  EXPECT_DOUBLE_EQ(constants.MeasMs, 0);
}

TEST_F(StiffnessConstantsCommandsTest, OneBadBoxStoresNoneOfTheSeven) {
  StiffnessCons& editor = openEditor();
  type(editor.SInfoTxt[0], "9");
  type(editor.SInfoTxt[3], "1.2.3");
  editor.SInfoB_Click(StiffnessCons::Ok);
  EXPECT_EQ(dialogs.messages.size(), 1);
  EXPECT_DOUBLE_EQ(constants.MeasMs, 1);
  EXPECT_FALSE(flags.Constants_Changed);
  EXPECT_FALSE(QFile::exists(filePath()));
  EXPECT_TRUE(editor.isVisible());
}

// A decimal comma is the decimal point, never dropped (which made 1,5 into 15);
// more than one is refused with a message.
TEST_F(StiffnessConstantsCommandsTest, ADecimalCommaIsTheDecimalPoint) {
  StiffnessCons& editor = openEditor();
  type(editor.SInfoTxt[0], "1,5");
  editor.SInfoB_Click(StiffnessCons::Apply);
  EXPECT_DOUBLE_EQ(constants.MeasMs, 1.5);
  type(editor.SInfoTxt[0], "1,2,5");
  editor.SInfoB_Click(StiffnessCons::Apply);
  EXPECT_EQ(dialogs.messages.size(), 1);
  EXPECT_DOUBLE_EQ(constants.MeasMs, 1.5);
  // Three digits after the comma may be a thousand: refused, not read as 1.0.
  type(editor.SInfoTxt[0], "1,000");
  editor.SInfoB_Click(StiffnessCons::Apply);
  EXPECT_EQ(dialogs.messages.size(), 2);
  EXPECT_TRUE(dialogs.messageTexts().last().contains("\"1,000\""));
  EXPECT_DOUBLE_EQ(constants.MeasMs, 1.5);
}

TEST_F(StiffnessConstantsCommandsTest, BoxesKeepANumberAndBackspaceEdits) {
  StiffnessCons& editor = openEditor();
  QLineEdit* box = editor.SInfoTxt[2];
  type(box, "-1a2.5-");
  EXPECT_EQ(box->text(), QStringLiteral("-12.5"));
  keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(box->text(), QStringLiteral("-12."));
  type(box, "7");
  keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(box->text(), QString());
  EXPECT_TRUE(editor.SInfoB[StiffnessCons::Apply]->isEnabled());

  QApplication::setActiveWindow(&editor);
  type(editor.SInfoTxt[5], "3");
  keyClick(editor.SInfoTxt[5], Qt::Key_Return);
  EXPECT_TRUE(editor.SInfoTxt[6]->hasFocus());
  keyClick(editor.SInfoTxt[6], Qt::Key_Return);  // the last box keeps the focus
  EXPECT_TRUE(editor.SInfoTxt[6]->hasFocus());
  keyClick(editor.SInfoTxt[6], Qt::Key_Up);
  EXPECT_TRUE(editor.SInfoTxt[5]->hasFocus());
}

TEST_F(StiffnessConstantsCommandsTest, CancelAfterApplyKeepsTheAppliedValuesAndTheClipboard) {
  QApplication::clipboard()->setText(QStringLiteral("kept"));
  StiffnessCons& editor = openEditor();
  EXPECT_FALSE(host.menusEnabled);
  for (QLineEdit* box : editor.SInfoTxt) box->clear();  // an empty box stores 0, and says so
  type(editor.SInfoTxt[1], "-4.5");
  editor.SInfoB_Click(StiffnessCons::Apply);
  ASSERT_EQ(dialogs.messageTexts().size(), 1);
  EXPECT_TRUE(dialogs.messageTexts().first().contains("Density, Po (kg/m^3)"));
  EXPECT_FALSE(dialogs.messageTexts().first().contains("Assembly Mass"));
  type(editor.SInfoTxt[1], "8");
  editor.SInfoB_Click(StiffnessCons::Cancel);
  EXPECT_TRUE(host.menusEnabled);
  StiffnessConstants saved{9, 9, 9, 9, 9, 9, 9};
  loadStiffnessConstants(saved);
  EXPECT_DOUBLE_EQ(saved.Assmas, -4.5);
  EXPECT_DOUBLE_EQ(saved.MeasMs, 0);
  EXPECT_DOUBLE_EQ(constants.Assmas, -4.5);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("kept"));
}

}  // namespace
}  // namespace report
