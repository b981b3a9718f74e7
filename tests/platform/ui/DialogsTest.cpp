#include "platform/ui/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

#include "platform/ui/ScriptedDialogs.h"

namespace platform::ui {
namespace {

TEST(DialogsTest, ScriptedSeamRecordsAndAnswersWithoutBlocking) {
  ScriptedDialogs scripted;
  ScopedDialogSeam seam(scripted);
  scripted.answers.enqueue(MessageAnswer::No);
  EXPECT_EQ(Dialogs::message({nullptr, QStringLiteral("Overwrite?"), QStringLiteral("T"),
                              MessageButtons::YesNoCancel, MessageIcon::Question}),
            MessageAnswer::No);
  // Queue empty: Ok for a plain message, Yes for a question.
  EXPECT_EQ(Dialogs::message({nullptr, QStringLiteral("Done"), {}, MessageButtons::Ok, {}}),
            MessageAnswer::Ok);
  EXPECT_EQ(Dialogs::message({nullptr, QStringLiteral("Sure?"), {}, MessageButtons::YesNo, {}}),
            MessageAnswer::Yes);
  EXPECT_EQ(scripted.messageTexts(),
            (QStringList{QStringLiteral("Overwrite?"), QStringLiteral("Done"), QStringLiteral("Sure?")}));
}

TEST(DialogsTest, AnEmptyTitleBecomesTheProgramTitle) {
  ScriptedDialogs scripted;
  ScopedDialogSeam seam(scripted);
  QGuiApplication::setApplicationDisplayName(QStringLiteral("Test Program"));
  Dialogs::inform(nullptr, QStringLiteral("Hello"));
  ASSERT_EQ(scripted.messages.size(), 1);
  EXPECT_EQ(scripted.messages[0].title, QStringLiteral("Test Program"));
}

TEST(DialogsTest, FileChoicesComeFromTheQueueAndCancelWhenEmpty) {
  ScriptedDialogs scripted;
  ScopedDialogSeam seam(scripted);
  scripted.files.enqueue(QStringLiteral("/tmp/a.txt"));
  FileDialogRequest request;
  request.folder = QStringLiteral("/tmp");
  EXPECT_EQ(Dialogs::chooseFile(request), std::optional<QString>(QStringLiteral("/tmp/a.txt")));
  EXPECT_EQ(Dialogs::chooseFile(request), std::nullopt);
  EXPECT_EQ(scripted.fileRequests.size(), 2);
}

TEST(DialogsTest, TheSeamIsRemovedWithItsScope) {
  ScriptedDialogs outer;
  ScopedDialogSeam outerSeam(outer);
  {
    ScriptedDialogs inner;
    ScopedDialogSeam innerSeam(inner);
    EXPECT_EQ(&Dialogs::seam(), &inner);
  }
  EXPECT_EQ(&Dialogs::seam(), &outer);
}

// Runs `look` on the modal dialog the real seam opens, then closes it.
void whenTheDialogOpens(std::function<void(QWidget&)> look) {
  QTimer::singleShot(0, [look] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    look(*dialog);
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) box->button(QMessageBox::Ok)->click();
    else dialog->close();
  });
}

void expectOwnedDialogWithACloseBoxOnly(const QWidget& dialog, const QWidget& owner) {
  EXPECT_EQ(dialog.parentWidget(), &owner);
  EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST(DialogsTest, TheDesktopsBoxesAndFileDialogsAreOwnedAndShowTheirWholeTitle) {
  QWidget owner;
  owner.show();
  const QString title = QStringLiteral("Quorvane Download Save Results, a long title over a short text");
  whenTheDialogOpens([&](QWidget& dialog) {
    expectOwnedDialogWithACloseBoxOnly(dialog, owner);
    const QFontMetrics metrics(QApplication::font("QMdiSubWindowTitleBar"));
    EXPECT_GT(dialog.width(), metrics.horizontalAdvance(title));
  });
  Dialogs::message({&owner, QStringLiteral("Saved."), title, MessageButtons::Ok, MessageIcon::Information});

  for (FileDialogKind kind : {FileDialogKind::Open, FileDialogKind::Save}) {
    bool saving = false;
    whenTheDialogOpens([&](QWidget& dialog) {
      expectOwnedDialogWithACloseBoxOnly(dialog, owner);
      saving = qobject_cast<QFileDialog*>(&dialog)->acceptMode() == QFileDialog::AcceptSave;
    });
    FileDialogRequest request{&owner, kind, QStringLiteral("Open"), QStringLiteral("/tmp"),
                              QStringLiteral("Text File (*.txt)")};
    EXPECT_EQ(Dialogs::chooseFile(request), std::nullopt);
    EXPECT_EQ(saving, kind == FileDialogKind::Save);
  }
}

}  // namespace
}  // namespace platform::ui
