#pragma once

#include <QDialog>

#include <array>
#include <optional>
#include <vector>

#include "platform/report/ReportClick.h"
#include "report/builder/CompanyInfo.h"
#include "report/builder/ReportDesigners.h"
#include "report/builder/ReportFlags.h"
#include "report/page/header/HeaderTextMode.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace report {

class ReportPageHost;

// What the header-text editor works on; all outlive the editor.
struct HeaderTextContext {
  ReportDesigners& designers;
  CompanyInfo& info;
  ReportFlags& flags;
  ReportPageHost& host;
};

// Add_Info: edits one header text of the report in place, or adds a remark
// (mode 7). Text and alignment go straight into Report, and into StiffyReport
// when the click came from its viewer (its own member names). Ok also copies
// the text into CInfo and marks the information changed; Cancel, the close
// box and Escape put back every text and alignment the editor could have
// changed, in both reports. The editor deletes itself when closed and locks
// the window menus ImportWizard, Information and COM_DES while open.
class HeaderTextEditor : public QDialog {
  Q_OBJECT

 public:
  HeaderTextEditor(int what, const platform::ReportClick& click, HeaderTextContext context, QWidget* owner);

  void Apply_B_Click();
  void OK_B_Click();
  void Cancel_B_Click();
  void reject() override;  // the close box and Escape cancel

  int what() const { return mode_.what; }

  QPlainTextEdit* New_label_TB = nullptr;
  std::array<QRadioButton*, 3> Allignment_Select{};
  QPushButton* Apply_B = nullptr;
  QPushButton* OK_B = nullptr;
  QPushButton* Cancel_B = nullptr;
  // Remark mode: says, while the remark is typed, that it is too long for
  // the room beside the reading and will be cut.
  QLabel* Cut_Notice = nullptr;

 signals:
  // The report designers changed; the viewers should show them again.
  void refreshViewers();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Target {
    bool stiffy;
    QStringList alignmentMembers;
    QString textObject;
  };
  struct SavedMember {
    bool stiffy;
    QString name;
    std::optional<QString> text;
    std::optional<int> alignment;
  };

  void buildControls();
  void loadMode();
  platform::ReportDesigner& designer(bool stiffy) const;
  QString reportText() const;
  QString boxText() const;
  CompanyInfo infoWithBoxLines() const;
  QString newReportText() const;
  void writeAlignment();
  void writeText(const QString& text);
  void finish();
  std::optional<QString> remarkToWrite();
  bool applyRemark();
  void showCutNotice();

  HeaderTextMode mode_;
  platform::ReportClick click_;
  HeaderTextContext context_;
  std::vector<Target> targets_;
  std::vector<SavedMember> saved_;
  QString Saved_Text;
  bool finished_ = false;
};

}  // namespace report
