#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;

namespace download {

// The "Communication Summary" dialog: the state of the four COM ports in one
// block of text, copied from the port status captions when it opens, and
// below it the device each port is. While it is open its owner takes no
// input.
class ComSummary : public QDialog {
  Q_OBJECT

 public:
  ComSummary(const QStringList& portCaptions, QWidget* owner);

  // The text of the summary, as the dialog shows it.
  static QString summaryText(const QStringList& portCaptions);

  QLabel* Cominfo = nullptr;
  // One line per port: its device and where that was found.
  QLabel* Device_Info = nullptr;
  QPushButton* OKbutton = nullptr;

  // Shows a new summary, owned by and blocking its owner; it deletes itself
  // when closed.
  static ComSummary* showFor(const QStringList& portCaptions, QWidget& owner);
};

}  // namespace download
