#include "platform/ui/Dialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include "platform/ui/OwnedWindow.h"

namespace platform::ui {
namespace {

QMessageBox::StandardButtons standardButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon standardIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Critical:
      return QMessageBox::Critical;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

MessageAnswer answerOf(int button) {
  switch (button) {
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    case QMessageBox::Cancel:
      return MessageAnswer::Cancel;
    default:
      return MessageAnswer::Ok;
  }
}

// A message box sizes itself to its text; a short text under a long title
// would cut the title, so its grid gets a row as wide as the title needs.
void widenForTitle(QMessageBox& box) {
  keepTitleReadable(box);
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  grid->addItem(new QSpacerItem(box.minimumWidth(), 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(),
                0, 1, grid->columnCount());
}

// The real dialogs of the desktop.
class QtDialogSeam final : public DialogSeam {
 public:
  MessageAnswer message(const MessageRequest& request) override {
    QMessageBox box(standardIcon(request.icon), request.title, request.text,
                    standardButtons(request.buttons), request.owner);
    if (request.buttons == MessageButtons::YesNoCancel) box.setEscapeButton(QMessageBox::Cancel);
    makeOwnedDialog(box);
    widenForTitle(box);
    return answerOf(box.exec());
  }

  std::optional<QString> chooseFile(const FileDialogRequest& request) override {
    QFileDialog dialog(request.owner, request.title, request.folder, request.filter);
    makeOwnedDialog(dialog);
    if (request.kind == FileDialogKind::Open) {
      dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
      dialog.setAcceptMode(QFileDialog::AcceptSave);
      dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    if (path.isEmpty()) return std::nullopt;
    return path;
  }

  bool openWithDesktop(const QUrl& address) override { return QDesktopServices::openUrl(address); }
};

DialogSeam*& installedSeam() {
  static DialogSeam* seam = nullptr;
  return seam;
}

}  // namespace

DialogSeam& Dialogs::seam() {
  static QtDialogSeam real;
  DialogSeam* installed = installedSeam();
  return installed != nullptr ? *installed : real;
}

void Dialogs::setSeam(DialogSeam* seam) { installedSeam() = seam; }

MessageAnswer Dialogs::message(const MessageRequest& request) {
  MessageRequest titled = request;
  if (titled.title.isEmpty()) titled.title = QGuiApplication::applicationDisplayName();
  return seam().message(titled);
}

void Dialogs::inform(QWidget* owner, const QString& text, const QString& title) {
  message({owner, text, title, MessageButtons::Ok, MessageIcon::None});
}

std::optional<QString> Dialogs::chooseFile(const FileDialogRequest& request) {
  return seam().chooseFile(request);
}

bool Dialogs::openWithDesktop(const QUrl& address) { return seam().openWithDesktop(address); }

ScopedDialogSeam::ScopedDialogSeam(DialogSeam& seam) : previous_(installedSeam()) {
  Dialogs::setSeam(&seam);
}

ScopedDialogSeam::~ScopedDialogSeam() { Dialogs::setSeam(previous_); }

}  // namespace platform::ui
