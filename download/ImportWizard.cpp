#include "download/ImportWizard.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "download/ComSummaryCaptions.h"
#include "download/Communication.h"
#include "instrument/ProgramState.h"
#include "download/ConnectionStatus.h"
#include "download/DownloadDriver.h"
#include "download/DownloadHost.h"
#include "download/PanelStatusBar.h"
#include "download/ReceivingIndicator.h"
#include "download/WizardPictures.h"
#include "download/WizardTexts.h"
#include "platform/core/IgnoreErrors.h"
#include "platform/core/ProgramFiles.h"
#include "platform/report/PictureFile.h"
#include "platform/ui/Functions.h"
#include "platform/ui/OwnedWindow.h"

namespace download {
namespace {

using platform::ignoringErrors;

const QString WindowName = QStringLiteral("IWizard");
const QString Title = QStringLiteral("Import Wizard");
const QString PortPrefix = QStringLiteral("COM");
const QString SingleDownload = QStringLiteral("Single Download");
const QString ContinuousDownload = QStringLiteral("Continuous Download");

// The status bar's panels as the window loads, with their minimum widths in
// twips.
const QString ConnectionKey = QStringLiteral("Connection_Status");
const QString PortKey = QStringLiteral("Setup_status1");
const QString DeviceKey = QStringLiteral("Setup_status2");
const QString TypeKey = QStringLiteral("Setup_status3");
constexpr int ConnectionWidth = 2000;
constexpr int SetupWidth = 1500;

constexpr int MessageLines = 4;

QList<QAbstractButton*> buttons(const auto& options) {
  QList<QAbstractButton*> list;
  for (QAbstractButton* option : options) list.append(option);
  return list;
}

QList<QWidget*> widgets(const QList<QAbstractButton*>& options) {
  QList<QWidget*> list;
  for (QAbstractButton* option : options) list.append(option);
  return list;
}

}  // namespace

ImportWizard::ImportWizard(DownloadHost& host)
    : QWidget(&host.mainWindow(), Qt::Window), host_(host), driver_(std::make_unique<DownloadDriver>(*this, host)) {
  setObjectName(WindowName);
  platform::ui::makeOwnedDialog(*this);
  setWindowTitle(Title);
  setAttribute(Qt::WA_DeleteOnClose);
  buildControls();
  connectControls();
  Form_Load();
}

ImportWizard::~ImportWizard() = default;

void ImportWizard::buildControls() {
  buildMessages();
  buildOptionPages();
  buildStartPage();
  layOutPages();
}

void ImportWizard::buildMessages() {
  Picture1 = new QLabel(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setFrameShape(QFrame::Panel);
  Picture1->setFrameShadow(QFrame::Sunken);
  Picture1->setAlignment(Qt::AlignCenter);

  UserMessage_Frame = new QGroupBox(this);
  UserMessage_Frame->setObjectName(QStringLiteral("UserMessage_Frame"));
  auto* messages = new QVBoxLayout(UserMessage_Frame);
  for (std::size_t i = 0; i < UserMessage.size(); ++i) {
    auto* box = new QPlainTextEdit(UserMessage_Frame);
    box->setObjectName(QStringLiteral("UserMessage%1").arg(i));
    box->setReadOnly(true);
    box->setFrameShape(QFrame::NoFrame);
    box->setBackgroundRole(QPalette::Window);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int lines = i == 0 ? MessageLines : 2;
    box->setFixedHeight(box->fontMetrics().lineSpacing() * lines + 12);
    messages->addWidget(box);
    UserMessage[i] = box;
  }
  End_Note = buildNote(QStringLiteral("End_Note"));
  End_Wait = buildNote(QStringLiteral("End_Wait"));
}

QLabel* ImportWizard::buildNote(const QString& name) {
  auto* note = new QLabel(this);
  note->setObjectName(name);
  note->setWordWrap(true);
  note->setTextFormat(Qt::PlainText);
  note->hide();
  return note;
}

void ImportWizard::buildOptionPages() {
  for (std::size_t i = 0; i < Com_Select.size(); ++i) Com_Select[i] = new QRadioButton;
  for (std::size_t i = 0; i < Device_Select.size(); ++i) Device_Select[i] = new QRadioButton;
  for (std::size_t i = 0; i < Download_Type.size(); ++i) Download_Type[i] = new QRadioButton;
  Com_Frame = buildOptions(QStringLiteral("Com_Select"), {Com_Select.begin(), Com_Select.end()});
  Com_Frame->setObjectName(QStringLiteral("Com_Frame"));
  Port_Devices = new QLabel(Com_Frame);
  Port_Devices->setObjectName(QStringLiteral("Port_Devices"));
  Port_Devices->setTextFormat(Qt::PlainText);
  Com_Frame->layout()->addWidget(Port_Devices);
  Device_Frame = buildOptions(QStringLiteral("Device_Select"), {Device_Select.begin(), Device_Select.end()});
  Device_Frame->setObjectName(QStringLiteral("Device_Frame"));
  Download_Type_Frame = buildOptions(QStringLiteral("Download_Type"), {Download_Type.begin(), Download_Type.end()});
  Download_Type_Frame->setObjectName(QStringLiteral("Download_Type_Frame"));
}

void ImportWizard::buildStartPage() {
  Recieving_Frame = new ReceivingIndicator(this);
  Recieving_Frame->setFrameShape(QFrame::StyledPanel);

  for (std::size_t i = 0; i < Import_Button.size(); ++i) {
    Import_Button[i] = new QPushButton(this);
    Import_Button[i]->setObjectName(QStringLiteral("Import_Button%1").arg(i));
  }
  Import_Button[0]->setDefault(true);

  Text1 = new QLineEdit(this);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->hide();

  StatusBar1 = new PanelStatusBar(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
}

void ImportWizard::layOutPages() {
  auto* pages = new QVBoxLayout;
  for (QWidget* part : std::initializer_list<QWidget*>{UserMessage_Frame, End_Note, End_Wait, Com_Frame, Device_Frame,
                                                        Download_Type_Frame, Recieving_Frame})
    pages->addWidget(part);
  pages->addStretch();
  auto* navigation = new QHBoxLayout;
  navigation->addStretch();
  navigation->addWidget(Import_Button[1]);
  navigation->addWidget(Import_Button[0]);
  pages->addLayout(navigation);

  auto* body = new QHBoxLayout;
  body->addWidget(Picture1, 0, Qt::AlignTop);
  body->addLayout(pages, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* inner = new QWidget(this);
  inner->setLayout(body);
  layout->addWidget(inner, 1);
  layout->addWidget(StatusBar1);
  resize(760, 400);
}

QGroupBox* ImportWizard::buildOptions(const QString& name, QList<QRadioButton*> options) {
  auto* frame = new QGroupBox(this);
  auto* column = new QVBoxLayout(frame);
  auto* layout = new QHBoxLayout;
  column->addLayout(layout);
  for (int i = 0; i < options.size(); ++i) {
    options[i]->setObjectName(name + QString::number(i));
    options[i]->setParent(frame);
    layout->addWidget(options[i]);
  }
  layout->addStretch();
  return frame;
}

void ImportWizard::connectControls() {
  for (int i = 0; i < static_cast<int>(Com_Select.size()); ++i)
    connect(Com_Select[i], &QRadioButton::clicked, this, [this, i] { Com_Select_Click(i); });
  for (int i = 0; i < static_cast<int>(Device_Select.size()); ++i)
    connect(Device_Select[i], &QRadioButton::clicked, this, [this, i] { Device_Select_Click(i); });
  for (int i = 0; i < static_cast<int>(Download_Type.size()); ++i)
    connect(Download_Type[i], &QRadioButton::clicked, this, [this, i] { Download_Type_Click(i); });
  for (int i = 0; i < static_cast<int>(Import_Button.size()); ++i)
    connect(Import_Button[i], &QPushButton::clicked, this, [this, i] { Import_Button_Click(i); });
}

void ImportWizard::Form_Load() {
  ignoringErrors([&] {
    Com_Frame->setTitle(QString());
    for (std::size_t i = 0; i < Com_Select.size(); ++i) Com_Select[i]->setText(PortPrefix + QString::number(i + 1));
    createPanels();
  });
  ignoringErrors([&] {
    const QString models[] = {WizardTexts::LX9100, WizardTexts::N2600A, WizardTexts::N2600BX, WizardTexts::T7310};
    for (std::size_t i = 0; i < Device_Select.size(); ++i) Device_Select[i]->setText(models[i]);
  });
  ignoringErrors([&] { resetToWelcome(); });
  ignoringErrors([&] {
    Download_Type_Frame->hide();
    Download_Type[0]->setText(SingleDownload);
    Download_Type[1]->setText(ContinuousDownload);
    Download_Type[0]->setChecked(true);
  });
  ignoringErrors([&] { scanPorts(); });
  ignoringErrors([&] {
    for (QGroupBox* frame : {Com_Frame, Download_Type_Frame, Device_Frame}) {
      frame->hide();
      frame->setTitle(QString());
    }
    UserMessage_Frame->setTitle(QString());
    for (QPlainTextEdit* box : UserMessage) box->setReadOnly(true);
    Wizard_Step = Welcome;
    Show_Step();
  });
  ignoringErrors([&] { loadPictures(); });
}

void ImportWizard::createPanels() {
  StatusBar1->removeAllPanels();
  Connection_Panel = StatusBar1->addPanel(ConnectionKey, ConnectionWidth);
  Port_Panel = StatusBar1->addPanel(PortKey, SetupWidth, QStringLiteral("Port: None"));
  Device_Panel = StatusBar1->addPanel(DeviceKey, SetupWidth, QStringLiteral("Dev: None"));
  Type_Panel = StatusBar1->addPanel(TypeKey, SetupWidth, QStringLiteral("DL Type: None"));
  Time_Panel = nullptr;
  Set_Connection_Status(ConnectionState::NotConnected);
}

void ImportWizard::scanPorts() {
  portsStale_ = false;
  // The states last found serve until the fresh probe ends (the main window
  // probes on its worker thread, so the wizard is usable at once).
  const QString known = host_.knownPortStates();
  if (!known.isEmpty()) applyPortStates(known);
  QPointer<ImportWizard> self(this);
  host_.probePorts([self](const QString& ports) {
    if (self) self->applyPortStates(ports);
  });
}

void ImportWizard::applyPortStates(const QString& ports) {
  // Once the download has begun the options stay as the start page left them.
  if (driver_->running() || Wizard_Step >= StartPage) return;
  for (int i = 0; i < static_cast<int>(Com_Select.size()); ++i) {
    const QChar state = i < ports.size() ? ports[i] : QChar();
    QRadioButton* option = Com_Select[static_cast<std::size_t>(i)];
    option->setEnabled(state.isDigit());
    // A port that is not there stays chosen no longer (an exclusive option
    // can only be unchecked with its exclusivity off). One that answered the
    // probe stays chosen: a gauge still printing after a failed try answers
    // it too.
    if (state == Communication::PortUnavailable && option->isChecked()) {
      option->setAutoExclusive(false);
      option->setChecked(false);
      option->setAutoExclusive(true);
    }
  }
  if (Wizard_Step == PortPage && platform::ui::Selected_Option(comOptions()) == platform::ui::NoOptionSelected)
    Import_Button[0]->setEnabled(false);
  host_.setComStatusCaptions(comStatusCaptions(ports));
}

void ImportWizard::loadPictures() {
  if (const auto picture = programPicture(platform::ProgramFiles::WizardPicture)) Picture1->setPixmap(*picture);
  const QString iconFile = findProgramFile(platform::ProgramFiles::Icon);
  if (iconFile.isEmpty()) return;
  const QIcon icon = platform::readIconFile(iconFile);
  if (!icon.availableSizes().isEmpty()) setWindowIcon(icon);
}

void ImportWizard::Set_Connection_Status(int Connection_State) {
  if (Connection_Panel == nullptr) return;
  if (const auto look = connectionLook(Connection_State)) {
    Connection_Panel->setText(look->text);
    // A picture that cannot be read leaves the one shown before.
    if (const auto picture = programPicture(look->picture)) Connection_Panel->setPicture(*picture);
  }
  Connection_Panel->setAutoSize(StatusPanel::AutoSize::Spring);
}

void ImportWizard::showEndNote(const QString& note) {
  End_Note->setText(note);
  End_Note->setVisible(!note.isEmpty());
}

void ImportWizard::showEndWait(const QString& text) {
  if (End_Wait->text() != text) End_Wait->setText(text);
  End_Wait->setVisible(!text.isEmpty());
}

void ImportWizard::showPortDevices() {
  const QStringList devices = comDeviceCaptions();
  Port_Devices->setText(devices.join(QLatin1Char('\n')));
  for (std::size_t i = 0; i < Com_Select.size(); ++i)
    Com_Select[i]->setToolTip(devices.value(static_cast<qsizetype>(i)));
}

QList<QAbstractButton*> ImportWizard::comOptions() const { return buttons(Com_Select); }
QList<QAbstractButton*> ImportWizard::deviceOptions() const { return buttons(Device_Select); }
QList<QAbstractButton*> ImportWizard::typeOptions() const { return buttons(Download_Type); }

int ImportWizard::chosenModel() const { return platform::ui::Selected_Option(deviceOptions()); }

bool ImportWizard::continuousChosen() const { return Download_Type[1]->isChecked(); }

void ImportWizard::enableOptions(bool enabled) {
  platform::ui::Enable_Array(widgets(comOptions()), enabled);
  platform::ui::Enable_Array(widgets(deviceOptions()), enabled);
  platform::ui::Enable_Array(widgets(typeOptions()), enabled);
}

void ImportWizard::resetToWelcome() {
  Recieving_Frame->hide();
  Wizard_Step = Welcome;
  Show_Step();
}

void ImportWizard::clearOtherOptions(const QList<QAbstractButton*>& options, int Index) {
  for (int i = 0; i < options.size(); ++i)
    if (i != Index) options[i]->setChecked(false);
}

void ImportWizard::Com_Select_Click(int Index) {
  Import_Button[0]->setEnabled(true);
  clearOtherOptions(comOptions(), Index);
}

void ImportWizard::Device_Select_Click(int Index) {
  clearOtherOptions(deviceOptions(), Index);
  Import_Button[0]->setEnabled(true);
}

void ImportWizard::Download_Type_Click(int Index) {
  Import_Button[0]->setEnabled(true);
  clearOtherOptions(typeOptions(), Index);
}

void ImportWizard::Import_Button_Click(int Index) {
  if (Index == 1 && Import_Button[1]->text() == WizardTexts::Done) {
    driver_->Done_Click();
    return;
  }
  if (driver_->running()) return;
  // How the last try ended shows until the user moves on: its note, and its
  // panel (the port is closed by then).
  showEndNote(QString());
  Set_Connection_Status(ConnectionState::NotConnected);
  ignoringErrors([&] {
    if (Index == 1) {
      // Back from the port page: it scans afresh when shown again, as a
      // cable may be plugged in meanwhile.
      if (Wizard_Step == PortPage) portsStale_ = true;
      --Wizard_Step;
      // The download type page is skipped backwards too for the gauges.
      if (Wizard_Step == TypePage && chosenModel() > 0) --Wizard_Step;
    } else {
      ++Wizard_Step;
    }
  });
  if (Wizard_Step == Close) {
    close();
    return;
  }
  if (Show_Step() == DownloadDriver::StartSignal) {
    driver_->Start();
    portsStale_ = true;
    // Closing was asked for during the download: done now that the driver has
    // returned.
    if (unloadRequested_) close();
    return;
  }
  ignoringErrors([&] {
    Import_Button[0]->setText(WizardTexts::Next);
    host_.setMainTabEnabled(MainTabIndex::Report, false);
    host_.setMainTabEnabled(MainTabIndex::Graph, false);
  });
}

bool ImportWizard::downloadRunning() const { return Time_Panel != nullptr && !Time_Panel->isHidden(); }

void ImportWizard::closeEvent(QCloseEvent* event) {
  if (downloadRunning()) {
    // Refused while a download runs; the download is abandoned (a continuous
    // one keeps its complete tests, as Done would) and the driver closes the
    // wizard when it returns.
    event->ignore();
  } else if (driver_->running()) {
    // The download has ended but its driver is still on the stack (the main
    // window closing as the work ends): hidden now, closed once it returns.
    event->ignore();
    unloadRequested_ = true;
    hide();
  } else {
    event->accept();
    unloaded_ = true;
    ignoringErrors([&] {
      // The report waits for a table to be selected.
      host_.setMainTabEnabled(MainTabIndex::Report, !host_.state().Table_Name.isEmpty());
      host_.setMainTabEnabled(MainTabIndex::Data, true);
    });
  }
  ignoringErrors([&] {
    // At shutdown the main window may already have let the wrapper go.
    if (host_.hasComm()) host_.Comm().Halt_ = true;
    host_.mainWindow().setEnabled(true);
  });
}

void ImportWizard::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow())
    ignoringErrors([&] { host_.selectMainTab(MainTabIndex::Data); });
}

}  // namespace download
