#pragma once

#include <QWidget>

#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace report {

class ReportPageHost;
struct ReportFlags;
struct StiffnessConstants;

// The stiffness constants editor "Stiffness Constants": one box per constant.
// Ok and Apply check all seven boxes first and store nothing while one of
// them is not a number or has a comma before three digits (a thousands
// separator, not a decimal comma); then they store the seven values (an empty
// box as 0, and a message names those), have the constants file saved and
// raise Constants_Changed, which the report page's TextChanged timer picks
// up. Cancel stores nothing and keeps what an earlier Apply stored. While the
// window is open the main window's ImportWizard, Information and COM_DES menus
// are off. Closed windows delete themselves.
class StiffnessCons : public QWidget {
  Q_OBJECT

 public:
  static constexpr int Ok = 0;
  static constexpr int Cancel = 1;
  static constexpr int Apply = 2;

  // saveConstants writes the constants file and reports a failure.
  StiffnessCons(QWidget* owner, ReportPageHost& host, ReportFlags& flags, StiffnessConstants& constants,
                std::function<void()> saveConstants);

  void SInfoB_Click(int index);

  QGroupBox* Scons_Frame = nullptr;
  std::array<QLineEdit*, 7> SInfoTxt{};
  std::array<QLabel*, 7> SInfo{};
  std::array<QPushButton*, 3> SInfoB{};

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Form_Load();
  void buildControls();
  // Keeps what can make a number: digits, "." and a leading "-".
  void filterBox(int index);
  void moveFocus(int index, int key);
  bool storeConstants();
  // Says why the box's text is refused and puts the focus there; false.
  bool refuseBox(int index, const QString& message);

  ReportPageHost& host_;
  ReportFlags& flags_;
  StiffnessConstants& constants_;
  std::function<void()> saveConstants_;
  bool placed_ = false;
};

}  // namespace report
