#include "platform/ui/Dialogs.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace platform::ui
