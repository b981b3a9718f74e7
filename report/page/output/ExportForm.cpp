#include "report/page/output/ExportForm.h"

#include <QDir>
#include <QEvent>
#include <QFont>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

#include "instrument/DeviceType.h"
#include "platform/core/ProgramFolder.h"
#include "platform/report/PictureFile.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Functions.h"

namespace report {
namespace {

constexpr int Raw = 0;
constexpr int Stiff = 1;
constexpr int CsvFormat = 0;
constexpr int RtfFormat = 1;

const QString Caption = QStringLiteral("Export Select");
const QString FormatGroupCaption = QStringLiteral("Export Format");
const QString RangeGroupCaption = QStringLiteral("Page Range");
const QString WhatGroupCaption = QStringLiteral("Export Data");
const QString PathGroupCaption = QStringLiteral("Export File Location and Name");
const std::array<QString, 3> FormatCaptions = {QStringLiteral("Comma-Seperated Values (CSV)"),
                                               QStringLiteral("Rich Text (Exact) Format"),
                                               QStringLiteral("Acrobat Format (PDF)")};
const std::array<QString, 3> Extensions = {QStringLiteral("csv"), QStringLiteral("rtf"), QStringLiteral("pdf")};
const std::array<QString, 3> BrowseFilters = {QStringLiteral("Comma-Seperated Values (*.csv)"),
                                              QStringLiteral("Rich Text Format (*.rtf)"),
                                              QStringLiteral("Adobe Format (*.pdf)")};
const QString AllCaption = QStringLiteral("All");
const QString RangeCaption = QStringLiteral("Range");
const QString FromCaption = QStringLiteral("From");
const QString ToCaption = QStringLiteral("to");
const QString ExportAllCaption = QStringLiteral("Export All  Pages");
const QString ExportRawCaption = QStringLiteral("Export Raw Data");
const QString ExportStiffCaption = QStringLiteral("Export Stiffness Data");
const QString RawNameCaption = QStringLiteral("Raw Data Export File Name");
const QString StiffNameCaption = QStringLiteral("Stiffness Data Export File Name");
const QString CancelCaption = QStringLiteral("Cancel");
const QString OkCaption = QStringLiteral("Export");
const QString RawFileDefault = QStringLiteral("DataRaw.csv");
const QString StiffFileDefault = QStringLiteral("DataStif.csv");
const QString NotApplicable = QStringLiteral("N/A");
const QString FirstPage = QStringLiteral("1");
const QString WindowIcon = QStringLiteral("images/iriconf.ico");
const QString BrowsePicture = QStringLiteral("images/pficonf.gif");
const QString InvalidStiffName = QStringLiteral("Invalid stiffness data export file name.");
const QString InvalidRawName = QStringLiteral("Invalid raw data export file name.");
const QString InvalidPages =
    QStringLiteral("Page numbers must be whole numbers from 1 to %1, the first not above the last.");

// A name is usable when it names a file in a folder that exists: it holds a
// "/", something after the last one, and the part before it is a folder.
bool usableFileName(const QString& name) {
  const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
  if (slash < 0 || name.mid(slash + 1).trimmed().isEmpty()) return false;
  return QFileInfo(name.left(slash + 1)).isDir();
}

// The name with its extension (what follows the last "." of the file part)
// replaced, or the extension added when the file part has none.
QString withExtension(const QString& name, const QString& extension) {
  const qsizetype fileStart = name.lastIndexOf(QLatin1Char('/')) + 1;
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  const QString stem = dot > fileStart ? name.left(dot) : name;
  return stem + QLatin1Char('.') + extension;
}

std::optional<int> wholeNumber(const QString& text) {
  static const QRegularExpression digits(QStringLiteral("^\\s*\\d{1,9}\\s*$"));
  if (!digits.match(text).hasMatch()) return std::nullopt;
  return text.trimmed().toInt();
}

// Bold group captions over plain controls.
QGroupBox* boldGroup(const QString& caption, QWidget* parent) {
  auto* group = new QGroupBox(caption, parent);
  QFont bold = group->font();
  bold.setBold(true);
  group->setFont(bold);
  return group;
}

template <typename W>
W* plain(W* widget) {
  QFont font = widget->font();
  font.setBold(false);
  widget->setFont(font);
  return widget;
}

}  // namespace

ExportForm::ExportForm(Export_Choices& choices, Context context, QWidget* owner)
    : QDialog(owner), choices_(choices), context_(std::move(context)) {
  setObjectName(QStringLiteral("ExportForm"));
  setWindowTitle(Caption);
  setAttribute(Qt::WA_DeleteOnClose);
  buildControls();
  connectControls();
  Form_Load();
}

void ExportForm::buildControls() {
  auto* middle = new QHBoxLayout;
  middle->addWidget(makeRangeGroup(), 4);
  middle->addWidget(makeWhatGroup(), 3);
  ExportCancel = plain(new QPushButton(CancelCaption, this));
  ExportOk = plain(new QPushButton(OkCaption, this));
  ExportOk->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ExportCancel);
  buttons->addWidget(ExportOk);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(makeFormatGroup());
  layout->addLayout(middle);
  layout->addWidget(makePathGroup());
  layout->addLayout(buttons);
}

QWidget* ExportForm::makeFormatGroup() {
  QGroupBox* group = boldGroup(FormatGroupCaption, this);
  auto* layout = new QVBoxLayout(group);
  for (int i = 0; i < 3; ++i) layout->addWidget(ExportFormat[i] = plain(new QRadioButton(FormatCaptions[i], group)));
  return group;
}

QWidget* ExportForm::makeRangeGroup() {
  QGroupBox* group = boldGroup(RangeGroupCaption, this);
  ExportRange[0] = plain(new QRadioButton(AllCaption, group));
  ExportRange[1] = plain(new QRadioButton(RangeCaption, group));
  RangeStart = plain(new QLineEdit(group));
  RangeFinish = plain(new QLineEdit(group));
  auto* pages = new QHBoxLayout;
  pages->addWidget(ExportRange[1]);
  pages->addWidget(plain(new QLabel(FromCaption, group)));
  pages->addWidget(RangeStart);
  pages->addWidget(plain(new QLabel(ToCaption, group)));
  pages->addWidget(RangeFinish);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(ExportRange[0]);
  layout->addLayout(pages);
  return group;
}

QWidget* ExportForm::makeWhatGroup() {
  QGroupBox* group = boldGroup(WhatGroupCaption, this);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(ExportWhat[0] = plain(new QRadioButton(ExportAllCaption, group)));
  layout->addWidget(ExportWhat[1] = plain(new QRadioButton(group)));
  return group;
}

QWidget* ExportForm::makePathGroup() {
  QGroupBox* group = boldGroup(PathGroupCaption, this);
  auto* layout = new QVBoxLayout(group);
  const std::array<QString, 2> captions = {RawNameCaption, StiffNameCaption};
  const QString picture = platform::ProgramFolder::path(BrowsePicture);
  const QIcon browse = platform::readIconFile(picture);
  // Without its picture the button still shows what it does.
  const Qt::ToolButtonStyle browseStyle = !browse.isNull() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly;
  for (int i = 0; i < 2; ++i) {
    ExportLocation[i] = plain(new QLineEdit(group));
    FileBrowseButton[i] = new QToolButton(group);
    FileBrowseButton[i]->setIcon(browse);
    FileBrowseButton[i]->setText(QStringLiteral("..."));
    FileBrowseButton[i]->setToolButtonStyle(browseStyle);
    auto* row = new QHBoxLayout;
    row->addWidget(ExportLocation[i], 1);
    row->addWidget(FileBrowseButton[i]);
    layout->addWidget(plain(new QLabel(captions[i], group)));
    layout->addLayout(row);
  }
  return group;
}

// Choosing an option, in code or by hand, runs its group's click handling.
void ExportForm::connectControls() {
  for (int i = 0; i < 3; ++i)
    connect(ExportFormat[i], &QRadioButton::toggled, this, [this, i](bool on) { if (on) ExportFormat_Click(i); });
  for (int i = 0; i < 2; ++i) {
    connect(ExportRange[i], &QRadioButton::toggled, this, [this, i](bool on) { if (on) ExportRange_Click(i); });
    connect(ExportWhat[i], &QRadioButton::toggled, this, [this, i](bool on) { if (on) ExportWhat_Click(i); });
    connect(FileBrowseButton[i], &QToolButton::clicked, this, [this, i] { FileBrowseButton_Click(i); });
  }
  for (QLineEdit* box : {RangeStart, RangeFinish}) {
    connect(box, &QLineEdit::textChanged, this, [this, box] { guardPageBox(box); });
    box->installEventFilter(this);
  }
  connect(ExportOk, &QPushButton::clicked, this, &ExportForm::ExportOk_Click);
  connect(ExportCancel, &QPushButton::clicked, this, &ExportForm::ExportCancel_Click);
}

void ExportForm::Form_Load() {
  setWindowIcon(platform::readIconFile(platform::ProgramFolder::path(WindowIcon)));
  const QDir lastFolder(context_.Last_Path != nullptr ? *context_.Last_Path : QString());
  ExportLocation[Raw]->setText(lastFolder.filePath(RawFileDefault));
  const bool stiffness = context_.Model_Code == instrument::ModelCode::T7310;
  ExportLocation[Stiff]->setText(stiffness ? lastFolder.filePath(StiffFileDefault) : NotApplicable);
  ExportLocation[Stiff]->setEnabled(stiffness);
  FileBrowseButton[Stiff]->setEnabled(stiffness);
  ExportWhat[1]->setText(context_.shownReportTab == 0 ? ExportRawCaption : ExportStiffCaption);
  for (QRadioButton* option : ExportWhat) option->setEnabled(false);
  RangeStart->setText(FirstPage);
  RangeFinish->setText(FirstPage);
  ExportRange[0]->setChecked(true);
  choices_.Export_Confirmed = false;
  ExportFormat[CsvFormat]->setChecked(true);
  ExportWhat[0]->setChecked(true);
}

void ExportForm::ExportFormat_Click(int index) {
  ExportLocation[Raw]->setText(withExtension(ExportLocation[Raw]->text(), Extensions[index]));
  const bool stiffness = context_.Model_Code == instrument::ModelCode::T7310;
  if (stiffness) ExportLocation[Stiff]->setText(withExtension(ExportLocation[Stiff]->text(), Extensions[index]));
  for (QRadioButton* option : ExportWhat) option->setEnabled(stiffness);
}

void ExportForm::ExportRange_Click(int index) {
  RangeStart->setEnabled(index != 0);
  RangeFinish->setEnabled(index != 0);
}

void ExportForm::ExportWhat_Click(int index) { FileBrowseButton[Raw]->setEnabled(index == 0); }

void ExportForm::RangeStart_GotFocus() { platform::ui::Select_Text(); }

void ExportForm::RangeFinish_GotFocus() { platform::ui::Select_Text(); }

// The selection is made once the focus change is over: a mouse click that
// brought the focus would otherwise place the cursor over it.
bool ExportForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (watched == RangeStart) QTimer::singleShot(0, this, &ExportForm::RangeStart_GotFocus);
    if (watched == RangeFinish) QTimer::singleShot(0, this, &ExportForm::RangeFinish_GotFocus);
  }
  return QDialog::eventFilter(watched, event);
}

void ExportForm::guardPageBox(QLineEdit* box) {
  bool number = false;
  QLocale::c().toDouble(box->text().trimmed(), &number);
  if (!number) box->setText(FirstPage);
}

void ExportForm::FileBrowseButton_Click(int index) {
  platform::ui::FileDialogRequest request;
  request.owner = this;
  request.kind = platform::ui::FileDialogKind::Save;
  request.folder = platform::ui::Folder_Of(ExportLocation[index]->text());
  request.filter = BrowseFilters[selectedFormat()];
  const std::optional<QString> chosen = platform::ui::Dialogs::chooseFile(request);
  if (!chosen || chosen->isEmpty()) return;
  const QString folder = platform::ui::Folder_Of(*chosen);
  if (context_.Last_Path != nullptr && folder != *context_.Last_Path) *context_.Last_Path = folder;
  ExportLocation[index]->setText(*chosen);
}

void ExportForm::ExportOk_Click() {
  if (!fileNamesValid() || !pageRangeValid()) return;
  storeChoices();
  choices_.Export_Confirmed = true;
  accept();
}

void ExportForm::ExportCancel_Click() {
  choices_.Export_Confirmed = false;
  reject();
}

// The stiffness name is checked first; only the first refusal is told.
bool ExportForm::fileNamesValid() {
  if (context_.Model_Code == instrument::ModelCode::T7310 && !usableFileName(ExportLocation[Stiff]->text())) {
    platform::ui::Dialogs::inform(this, InvalidStiffName);
    return false;
  }
  if (!usableFileName(ExportLocation[Raw]->text())) {
    platform::ui::Dialogs::inform(this, InvalidRawName);
    return false;
  }
  return true;
}

// A page range only matters to rich text and PDF; it must lie within the
// pages of every report exported.
bool ExportForm::pageRangeValid() {
  if (!ExportRange[1]->isChecked() || selectedFormat() == CsvFormat) return true;
  const int pages = context_.pageCount ? context_.pageCount(ExportWhat[0]->isChecked()) : 1;
  const std::optional<int> first = wholeNumber(RangeStart->text());
  const std::optional<int> last = wholeNumber(RangeFinish->text());
  if (first && last && *first >= 1 && *first <= *last && *last <= pages) return true;
  platform::ui::Dialogs::inform(this, InvalidPages.arg(pages));
  return false;
}

void ExportForm::storeChoices() {
  choices_.Export_Destination = ExportChoice::Disk;
  const int format = selectedFormat();
  choices_.Export_Format =
      format == CsvFormat ? ExportChoice::Csv : format == RtfFormat ? ExportChoice::Rtf : ExportChoice::Pdf;
  if (ExportRange[0]->isChecked()) {
    choices_.Export_Range = ExportChoice::All;
  } else {
    choices_.Export_Range = ExportChoice::Range;
    choices_.Export_Range_Start = RangeStart->text().trimmed();
    choices_.Export_Range_End = RangeFinish->text().trimmed();
  }
  choices_.Export_What = ExportWhat[0]->isChecked() ? ExportChoice::All : ExportChoice::Current;
  choices_.Export_Raw_File = ExportLocation[Raw]->text();
  choices_.Export_Stiff_File = ExportLocation[Stiff]->text();
}

int ExportForm::selectedFormat() const {
  const int index = platform::ui::Selected_Option({ExportFormat[0], ExportFormat[1], ExportFormat[2]});
  return index == platform::ui::NoOptionSelected ? CsvFormat : index;
}

}  // namespace report
