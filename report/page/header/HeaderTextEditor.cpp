#include "report/page/header/HeaderTextEditor.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/core/IgnoreErrors.h"
#include "platform/report/ReportTypes.h"
#include "platform/ui/Dialogs.h"
#include "report/builder/CompanyBlock.h"
#include "report/builder/RemarkFit.h"
#include "report/builder/RemarkInsertion.h"
#include "report/page/RemarksCutNotice.h"
#include "report/page/ReportPageHost.h"

namespace report {
namespace {

const QChar CarriageReturn(13);
constexpr int StiffyViewer = 1;
constexpr int InfoLineCount = LastInfoLine - FirstInfoLine + 1;

// Option i stands for HorAlignment i + 1 (left, centred, right).
int optionFor(int alignment) {
  if (alignment == platform::HorAlignment::Left) return 0;
  if (alignment == platform::HorAlignment::Centred) return 1;
  return 2;
}

// The lines typed into the company information box: blank lines are dropped
// and at most the five information lines are kept, so nothing typed or
// pasted reaches project name, machine number or tester.
QStringList infoLines(const QString& boxText) {
  QStringList lines;
  for (const QString& line : boxText.split(QChar(u'\n')))
    if (!line.trimmed().isEmpty() && lines.size() < InfoLineCount) lines.append(line);
  return lines;
}

// The company information block as the box shows it: without the block's
// leading blank and placeholder lines, one line per information line.
QString infoBoxText(const QString& block) {
  QString text = block.startsWith(QChar(u' ')) ? block.mid(1) : block;
  QStringList lines;
  for (const QString& line : text.split(CarriageReturn))
    if (!line.isEmpty() && line != CInfoPlaceholder) lines.append(line);
  return lines.join(QChar(u'\n'));
}

}  // namespace

HeaderTextEditor::HeaderTextEditor(int what, const platform::ReportClick& click, HeaderTextContext context,
                                   QWidget* owner)
    : QDialog(owner), mode_(headerTextMode(what)), click_(click), context_(context) {
  setObjectName(QStringLiteral("Add_Info"));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  buildControls();
  targets_.push_back({false, mode_.alignmentMembers, mode_.textObject});
  if (click_.viewerIndex == StiffyViewer) targets_.push_back({true, mode_.stiffyAlignmentMembers, mode_.stiffyTextObject});
  // The clipboard is the user's: opening the editor leaves it as it is.
  loadMode();
  Apply_B->setEnabled(false);
  context_.host.enableWindowMenus(false);
}

void HeaderTextEditor::buildControls() {
  auto* textFrame = new QGroupBox(QStringLiteral("Edit Text"), this);
  New_label_TB = new QPlainTextEdit(textFrame);
  New_label_TB->installEventFilter(this);
  (new QVBoxLayout(textFrame))->addWidget(New_label_TB);

  auto* alignFrame = new QGroupBox(QStringLiteral("Horizontal Allignment"), this);
  auto* alignLayout = new QHBoxLayout(alignFrame);
  const QString captions[] = {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")};
  for (int i = 0; i < 3; ++i) {
    Allignment_Select[i] = new QRadioButton(captions[i], alignFrame);
    alignLayout->addWidget(Allignment_Select[i]);
    connect(Allignment_Select[i], &QRadioButton::clicked, this, [this] { Apply_B->setEnabled(true); });
  }

  Apply_B = new QPushButton(QStringLiteral("Apply"), this);
  OK_B = new QPushButton(QStringLiteral("Ok"), this);
  Cancel_B = new QPushButton(QStringLiteral("Cancel"), this);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {Apply_B, OK_B, Cancel_B}) buttons->addWidget(button);

  Cut_Notice = new QLabel(RemarkWillBeCut, this);
  Cut_Notice->setWordWrap(true);
  Cut_Notice->setVisible(false);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(textFrame);
  layout->addWidget(Cut_Notice);
  layout->addWidget(alignFrame);
  layout->addLayout(buttons);

  connect(New_label_TB, &QPlainTextEdit::textChanged, this, [this] {
    Apply_B->setEnabled(true);
    showCutNotice();
  });
  connect(Apply_B, &QPushButton::clicked, this, &HeaderTextEditor::Apply_B_Click);
  connect(OK_B, &QPushButton::clicked, this, &HeaderTextEditor::OK_B_Click);
  connect(Cancel_B, &QPushButton::clicked, this, &HeaderTextEditor::Cancel_B_Click);
}

platform::ReportDesigner& HeaderTextEditor::designer(bool stiffy) const {
  return stiffy ? *context_.designers.StiffyReport : *context_.designers.Report;
}

QString HeaderTextEditor::reportText() const {
  return designer(false).member(mode_.textObject).text().value_or(QString());
}

void HeaderTextEditor::loadMode() {
  setWindowTitle(mode_.caption);
  for (const Target& target : targets_) {
    QStringList names = target.alignmentMembers;
    if (!names.contains(target.textObject) && !target.textObject.isEmpty()) names.append(target.textObject);
    for (const QString& name : names) {
      const platform::ObjectRef member = designer(target.stiffy).member(name);
      if (member.exists()) saved_.push_back({target.stiffy, name, member.text(), member.horAlignment()});
    }
  }
  Saved_Text = reportText();
  const QString shown = mode_.multiLine ? infoBoxText(Saved_Text) : Saved_Text;
  New_label_TB->setPlainText(mode_.what == WhatDate ? DateNotModifiable : shown == CInfoPlaceholder ? QString() : shown);
  New_label_TB->setEnabled(mode_.textEditable);

  const QString source = mode_.textObject.isEmpty() ? mode_.alignmentMembers.value(0) : mode_.textObject;
  if (const std::optional<int> alignment = designer(false).member(source).horAlignment())
    Allignment_Select[optionFor(*alignment)]->setChecked(true);
  for (QRadioButton* option : Allignment_Select) option->setEnabled(!mode_.alignmentMembers.isEmpty());
}

QString HeaderTextEditor::boxText() const {
  QString text = New_label_TB->toPlainText();
  if (!mode_.multiLine) text.replace(QChar(u'\n'), QChar(u' '));  // pasted line breaks
  return text;
}

CompanyInfo HeaderTextEditor::infoWithBoxLines() const {
  CompanyInfo edited = context_.info;
  const QStringList lines = infoLines(boxText());
  for (int i = 0; i < InfoLineCount; ++i)
    edited.CInfo[FirstInfoLine + i] = i < lines.size() ? lines[i] : CInfoPlaceholder;
  return edited;
}

QString HeaderTextEditor::newReportText() const {
  return mode_.multiLine ? companyInfoText(infoWithBoxLines()) : boxText();
}

void HeaderTextEditor::writeAlignment() {
  int option = -1;
  for (int i = 0; i < 3; ++i)
    if (Allignment_Select[i]->isChecked()) option = i;
  if (option < 0 || mode_.alignmentMembers.isEmpty()) return;
  for (const Target& target : targets_)
    for (const QString& name : target.alignmentMembers)
      platform::ignoringErrors([&] { designer(target.stiffy).member(name).setHorAlignment(option + 1); });
}

void HeaderTextEditor::writeText(const QString& text) {
  for (const Target& target : targets_)
    platform::ignoringErrors([&] { designer(target.stiffy).member(target.textObject).SetText(text); });
}

void HeaderTextEditor::showCutNotice() {
  if (mode_.what != WhatRemark || !context_.designers.Report) return;
  const QString remark = New_label_TB->toPlainText();
  const RemarkPlace place = remarkPlace(*context_.designers.Report, context_.flags, click_);
  Cut_Notice->setVisible(remarkWillBeCut(click_, place, remark));
}

// A reading that has a remark already keeps it unless the user says so: the
// new one replaces it or goes after it. Nothing (the remark stays in the box)
// when the user cancels.
std::optional<QString> HeaderTextEditor::remarkToWrite() {
  const QString remark = New_label_TB->toPlainText();
  const platform::ReportDesigner& report = *context_.designers.Report;
  const QString former = remarkOnRow(report, remarkPlace(report, context_.flags, click_));
  if (former.trimmed().isEmpty() || former == remarkLine(remark)) return remark;
  const platform::ui::MessageAnswer answer = platform::ui::Dialogs::message(
      {this, RemarkAlreadyOnRow.arg(former), {}, platform::ui::MessageButtons::YesNoCancel,
       platform::ui::MessageIcon::Question});
  if (answer == platform::ui::MessageAnswer::Cancel) return std::nullopt;
  return answer == platform::ui::MessageAnswer::No ? remarkAfter(former, remark) : remark;
}

// A remark that cannot be placed says why and stays in the box.
bool HeaderTextEditor::applyRemark() {
  const std::optional<QString> remark = remarkToWrite();
  if (!remark) return false;
  const RemarksCutWatch remarks(context_.designers.Report.get(), context_.flags);
  const RemarkPlace place = ADD_REMARK(*context_.designers.Report, context_.flags, click_, *remark);
  if (!place.placeable()) {
    platform::ui::Dialogs::inform(this, place.problem);
    return false;
  }
  remarks.tell(this);
  return true;
}

void HeaderTextEditor::Apply_B_Click() {
  writeAlignment();
  if (mode_.what == WhatRemark) {
    if (!applyRemark()) return;
  } else if (!mode_.textObject.isEmpty()) {
    const QString text = newReportText();
    const QString compared = mode_.multiLine ? text : text.trimmed();
    if (reportText() != compared) writeText(text);
  }
  emit refreshViewers();
  Apply_B->setEnabled(false);
}

void HeaderTextEditor::OK_B_Click() {
  if (mode_.what == WhatRemark) {
    // A remark typed but not applied is not lost.
    if (Apply_B->isEnabled() && !applyRemark()) return;
    emit refreshViewers();
    finish();
    return;
  }
  writeAlignment();
  if (!mode_.textObject.isEmpty()) {
    const QString text = newReportText();
    const QString compared = mode_.multiLine ? text : text.trimmed();
    if (Saved_Text != compared) {
      writeText(text);
      if (mode_.multiLine)
        context_.info = infoWithBoxLines();
      else
        context_.info.CInfo[mode_.cinfoItem] = text;
      context_.flags.Info_Changed = true;
    }
  }
  emit refreshViewers();
  finish();
}

void HeaderTextEditor::Cancel_B_Click() {
  if (finished_) return;
  if (mode_.what != WhatRemark) {
    for (const SavedMember& member : saved_) {
      const platform::ObjectRef object = designer(member.stiffy).member(member.name);
      platform::ignoringErrors([&] { if (member.alignment) object.setHorAlignment(*member.alignment); });
      platform::ignoringErrors([&] { if (member.text) object.SetText(*member.text); });
    }
  }
  emit refreshViewers();
  finish();
}

void HeaderTextEditor::reject() { Cancel_B_Click(); }

void HeaderTextEditor::finish() {
  if (finished_) return;
  finished_ = true;
  context_.host.enableWindowMenus(true);
  QDialog::done(QDialog::Accepted);
}

// Enter keeps single-line texts on one line and the company information to
// its five lines; the text around the caret is never touched.
bool HeaderTextEditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched == New_label_TB && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
      return !mode_.multiLine || New_label_TB->document()->blockCount() >= InfoLineCount;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace report
