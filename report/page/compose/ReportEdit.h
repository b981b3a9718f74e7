#pragma once

#include <QWidget>

#include <functional>

namespace report {

// The window "Modify Report" that holds the report editing panel while it is
// popped out. It has no controls of its own. However it closes (its close
// box, a second double-click on the panel, leaving the report tab, program
// end), it first hands the panel back through onClose and then deletes itself.
class ReportEdit : public QWidget {
 public:
  explicit ReportEdit(QWidget* owner);

  // Takes the panel into the window.
  void hold(QWidget& panel);

  void setOnClose(std::function<void()> onClose) { onClose_ = std::move(onClose); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::function<void()> onClose_;
};

}  // namespace report
