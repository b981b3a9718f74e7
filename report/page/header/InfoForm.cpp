#include "report/page/header/InfoForm.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "report/page/header/CompanyInfoSave.h"

namespace report {
namespace {

const QString Instruction = QStringLiteral("Enter Company Information to be placed at the top of the Report.");
const std::array<const char*, CInfoCount> Captions = {"Company", "Address", "City, State Zip", "Phone", "Fax",
                                                       "Email", "Project Name", "Machine Number", "Tested By"};

// Grid cells of the boxes: Phone and Fax share a row, as do Project Name and
// Machine Number. Each box's caption sits above it.
struct Cell {
  int row, column, span;
};
constexpr std::array<Cell, CInfoCount> Cells = {{{0, 0, 2}, {1, 0, 2}, {2, 0, 2}, {3, 0, 1}, {3, 1, 1},
                                                 {4, 0, 1}, {5, 0, 1}, {5, 1, 1}, {6, 0, 1}}};

}  // namespace

InfoForm::InfoForm(CompanyInfo& info, QString& Download_Title, ReportDesigners& designers, ReportFlags& flags,
                   QWidget* owner)
    : QDialog(owner), info_(info), Download_Title_(Download_Title), designers_(designers), flags_(flags) {
  setObjectName(QStringLiteral("InfoForm"));
  setWindowTitle(QStringLiteral("Testing Lab Information"));
  setModal(false);
  auto* grid = new QGridLayout(this);
  Tab4Label[0] = new QLabel(Instruction, this);
  grid->addWidget(Tab4Label[0], 0, 0, 1, 2);
  for (int i = 0; i < CInfoCount; ++i) {
    Tab4Label[i + 1] = new QLabel(QString::fromLatin1(Captions[i]), this);
    CInfo[i] = new QLineEdit(this);
    CInfo[i]->setMaxLength(CInfoTextLimit);
    CInfo[i]->installEventFilter(this);
    const Cell cell = Cells[i];
    grid->addWidget(Tab4Label[i + 1], 1 + 2 * cell.row, cell.column, 1, cell.span);
    grid->addWidget(CInfo[i], 2 + 2 * cell.row, cell.column, 1, cell.span);
    connect(CInfo[i], &QLineEdit::textEdited, this, [this, i](const QString& text) { info_.CInfo[i] = text; });
  }
  Save_info = new QPushButton(QStringLiteral("Save Information"), this);
  CloseInfo = new QPushButton(QStringLiteral("Close"), this);
  grid->addWidget(Save_info, 16, 0);
  grid->addWidget(CloseInfo, 16, 1);
  connect(Save_info, &QPushButton::clicked, this, &InfoForm::Save_info_Click);
  connect(CloseInfo, &QPushButton::clicked, this, &InfoForm::CloseInfo_Click);
}

void InfoForm::showInformation() {
  for (int i = 0; i < CInfoCount; ++i) CInfo[i]->setText(info_.CInfo[i]);
  show();
  raise();
}

void InfoForm::Save_info_Click() {
  saveCompanyInfo(this, info_, Download_Title_, designers_, flags_);
  emit refreshViewers();
}

// A box that gets the focus has its whole text selected, ready to be typed over.
bool InfoForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn)
    if (auto* box = qobject_cast<QLineEdit*>(watched)) QTimer::singleShot(0, box, &QLineEdit::selectAll);
  return QDialog::eventFilter(watched, event);
}

}  // namespace report
