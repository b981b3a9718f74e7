#pragma once

#include <QString>
#include <QUrl>

#include <optional>

class QWidget;

namespace platform::ui {

// What a message box offers and what the user answered.
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Question, Warning, Critical };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct MessageRequest {
  QWidget* owner = nullptr;
  QString text;
  QString title;  // empty: the program's title
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
};

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
  QWidget* owner = nullptr;
  FileDialogKind kind = FileDialogKind::Open;
  QString title;
  QString folder;  // initial folder
  QString filter;  // Qt filter text such as "Text File (*.txt)"
};

// The one road by which the program talks to the user through message boxes,
// file dialogs and the desktop's default handlers. Tests install their own
// implementation (ScriptedDialogs) so that nothing ever blocks.
class DialogSeam {
 public:
  virtual ~DialogSeam() = default;
  virtual MessageAnswer message(const MessageRequest& request) = 0;
  // The chosen path, or nothing when the user cancelled.
  virtual std::optional<QString> chooseFile(const FileDialogRequest& request) = 0;
  // Opens an address or a file with the desktop's default handler.
  virtual bool openWithDesktop(const QUrl& address) = 0;
};

class Dialogs {
 public:
  static MessageAnswer message(const MessageRequest& request);
  // A message with an OK button only.
  static void inform(QWidget* owner, const QString& text, const QString& title = {});
  static std::optional<QString> chooseFile(const FileDialogRequest& request);
  static bool openWithDesktop(const QUrl& address);

  // The seam in use; nullptr puts the real dialogs back.
  static void setSeam(DialogSeam* seam);
  static DialogSeam& seam();
};

// Installs a seam for the lifetime of the object (tests).
class ScopedDialogSeam {
 public:
  explicit ScopedDialogSeam(DialogSeam& seam);
  ~ScopedDialogSeam();
  ScopedDialogSeam(const ScopedDialogSeam&) = delete;
  ScopedDialogSeam& operator=(const ScopedDialogSeam&) = delete;

 private:
  DialogSeam* previous_;
};

}  // namespace platform::ui
