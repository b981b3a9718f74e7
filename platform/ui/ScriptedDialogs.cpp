#include "platform/ui/ScriptedDialogs.h"

#include <QStringList>

namespace platform::ui {

MessageAnswer ScriptedDialogs::message(const MessageRequest& request) {
  messages.append(request);
  if (onMessage) onMessage(request);
  if (!answers.isEmpty()) return answers.dequeue();
  return request.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
}

std::optional<QString> ScriptedDialogs::chooseFile(const FileDialogRequest& request) {
  fileRequests.append(request);
  if (files.isEmpty()) return std::nullopt;
  return files.dequeue();
}

bool ScriptedDialogs::openWithDesktop(const QUrl& address) {
  opened.append(address);
  return desktopOpens;
}

QStringList ScriptedDialogs::messageTexts() const {
  QStringList texts;
  for (const MessageRequest& request : messages) texts.append(request.text);
  return texts;
}

}  // namespace platform::ui
