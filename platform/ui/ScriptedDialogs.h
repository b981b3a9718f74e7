#pragma once

#include <QList>
#include <QQueue>
#include <QUrl>

#include <functional>

#include "platform/ui/Dialogs.h"

namespace platform::ui {

// A dialog seam for tests: records every request and answers from queues
// filled beforehand. An empty answer queue answers Ok (or Yes for a question),
// an empty file queue answers "cancelled", and the desktop "opens" anything.
class ScriptedDialogs final : public DialogSeam {
 public:
  MessageAnswer message(const MessageRequest& request) override;
  std::optional<QString> chooseFile(const FileDialogRequest& request) override;
  bool openWithDesktop(const QUrl& address) override;

  QQueue<MessageAnswer> answers;
  // Runs as each message is asked, for a look at the window behind it.
  std::function<void(const MessageRequest&)> onMessage;
  QQueue<std::optional<QString>> files;
  bool desktopOpens = true;

  QList<MessageRequest> messages;
  QList<FileDialogRequest> fileRequests;
  QList<QUrl> opened;

  QStringList messageTexts() const;
};

}  // namespace platform::ui
