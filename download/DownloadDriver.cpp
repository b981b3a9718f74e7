#include "download/DownloadDriver.h"

#include <QAbstractButton>
#include <QDate>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>

#include "download/Communication.h"
#include "download/ConnectionStatus.h"
#include "download/DownloadEndNote.h"
#include "download/DownloadHost.h"
#include "download/FailureCause.h"
#include "download/ImportWizard.h"
#include "download/PanelStatusBar.h"
#include "download/ReceivingIndicator.h"
#include "download/TimePanelText.h"
#include "download/WizardTexts.h"
#include "instrument/CreateDatabase.h"
#include "instrument/DBTablesFile.h"
#include "instrument/DeviceType.h"
#include "instrument/ProgramState.h"
#include "instrument/StatusCodes.h"
#include "platform/core/IgnoreErrors.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/db/Database.h"
#include "platform/db/DatabaseLockFile.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Functions.h"

namespace download {
namespace {

namespace status = instrument::status;
namespace DeviceType = instrument::DeviceType;
namespace ModelCode = instrument::ModelCode;
using platform::ignoringErrors;
using platform::db::Database;

const QString TimeKey = QStringLiteral("Time_Status");
constexpr int TimePanelWidth = 2500;
constexpr int SetupPanelCount = 4;

const QString WaitingToReceive = QStringLiteral("Waiting to Recieve...");
const QString PortErrorMessage = QStringLiteral("Error with Port");
const QString PortErrorStatus = QStringLiteral("Error with Port COM%1.");
// %1: seconds of silence left.
const QString EndWaitText = QStringLiteral(
    "Waiting for the end of the printout: it ends after %1 more seconds of silence.  Please do not close the "
    "wizard meanwhile.");
const QString QuestionTitle = QStringLiteral("Plintora Question");
const QString QuestionText =
    QStringLiteral("Did you receive your Plintora or has this Plintora been updated by Quorvane after January 1, 2007?") +
    QStringLiteral("\r\n\r\n") + QStringLiteral("Click Yes if this is true, otherwise click No.");
const QString TestsTitle = QStringLiteral("Tests (Dwnld:");
const QString RunsTitle = QStringLiteral("Run Number (Dwnld:");
const QString ProjectsTitle = QStringLiteral("Projects (Dwnld:");
const QString TitleEnd = QStringLiteral(")");

constexpr int LoadFrameBaud = 19200;
constexpr int DensityGaugeBaud = 1200;
constexpr int StiffnessGaugeBaud = 1200;
constexpr int UpdatedStiffnessGaugeBaud = 4800;

// Indicator colours.
const QColor Green(0, 255, 0);
const QColor Black(0, 0, 0);
const QColor Red(255, 0, 0);

QString databasePath() { return instrument::CreateDatabase::databasePath(); }

void setMessage(QPlainTextEdit& box, const QString& text) {
  if (box.toPlainText() != text) box.setPlainText(text);
}

}  // namespace

DownloadDriver::DownloadDriver(ImportWizard& wizard, DownloadHost& host) : wizard_(wizard), host_(host) {
  connect(&wizard_.Timer1, &QTimer::timeout, this, &DownloadDriver::Timer1_Timer);
  connect(&wizard_.Timer2, &QTimer::timeout, this, &DownloadDriver::Timer2_Timer);
  connect(&wizard_.Timer3, &QTimer::timeout, this, &DownloadDriver::Timer3_Timer);
  connect(&wizard_.Timer4, &QTimer::timeout, this, &DownloadDriver::Timer4_Timer);
}

DownloadDriver::~DownloadDriver() = default;

bool DownloadDriver::continuous() const {
  return wizard_.chosenModel() == ModelCode::LX9100 && wizard_.continuousChosen();
}

int DownloadDriver::deviceType() const {
  switch (wizard_.chosenModel()) {
    case ModelCode::LX9100:
      return continuous() ? DeviceType::LoadFrameContinuous : DeviceType::LoadFrameSingle;
    case ModelCode::N2600A:
      return DeviceType::N2600A;
    case ModelCode::N2600BX:
      return DeviceType::N2600BX;
    case ModelCode::T7310:
      return DeviceType::T7310;
    default:
      return -1;
  }
}

int DownloadDriver::baudRate() const {
  // By the caption of the chosen model option.
  const QList<QAbstractButton*> models = wizard_.deviceOptions();
  const int chosen = wizard_.chosenModel();
  const QString model = chosen >= 0 && chosen < models.size() ? models[chosen]->text() : QString();
  if (model == WizardTexts::LX9100) return LoadFrameBaud;
  if (model != WizardTexts::T7310) return DensityGaugeBaud;
  const platform::ui::MessageAnswer answer = platform::ui::Dialogs::message(
      {&wizard_, QuestionText, QuestionTitle, platform::ui::MessageButtons::YesNo, platform::ui::MessageIcon::Question});
  return answer == platform::ui::MessageAnswer::Yes ? StiffnessGaugeBaud : UpdatedStiffnessGaugeBaud;
}

void DownloadDriver::Start() {
  if (running_) return;
  running_ = true;
  host_.runLongWork([this] { download(); });
  running_ = false;
}

void DownloadDriver::download() {
  instrument::ProgramState& state = host_.state();
  dataArrived_ = false;
  databaseRemoved_ = false;
  registered_ = false;
  previousDataGone_ = false;
  previousTables_ = host_.Comm().Tables_Created;
  host_.clearStatusNote();
  const QMetaObject::Connection firstText =
      connect(&host_.Comm(), &Communication::firstTextReceived, this, [this](const QString& text) {
        dataArrived_ = true;
        wizard_.Text1->setText(text);
      });
  if (prepare()) {
    state.Download_Status = receiveLoop();
    const Communication& comm = host_.Comm();
    const bool closed = comm.Halt_;
    const bool done = comm.Stop_ && continuous();
    if (state.Download_Status == status::PortLost && comm.keptCompleteTests()) {
      keepTestsOfLostPort();
    } else if (state.Download_Status != status::Ok) {
      errorExit();
    } else if (!dataArrived_) {
      noDownload();
    } else if (host_.Comm().Tables_Created.isEmpty()) {
      // Data came but made no table: the old data stay.
      state.Download_Status = status::NoTablesCreated;
      errorExit();
    } else if (successPath() && comm.portLostAfterPrintout()) {
      wizard_.showFailureCause(lostAfterPrintoutNote(state.Model_Code, comm.Tables_Created));
    }
    if (closed || done) sayHowItEnded(closed);
  }
  disconnect(firstText);
}

bool DownloadDriver::prepare() {
  instrument::ProgramState& state = host_.state();
  Communication& comm = host_.Comm();
  ignoringErrors([&] { host_.closeDatabaseView(); });
  // A project file being read holds the database as surely as a lock file:
  // this download is its own long work, any other one is that reader.
  const bool otherWorkRunning = state.longWork.depth > 1;
  const bool folderHeld = !otherWorkRunning && host_.holdProgramFolder();
  const QString inUse = folderHeld ? platform::db::DatabaseLockFile::inUse(databasePath()) : QString();
  if (!folderHeld || !inUse.isEmpty()) {
    state.Download_Status = status::DatabaseLocked;
    errorExit();
    if (!inUse.isEmpty()) wizard_.showFailureCause(inUse);
    return false;
  }
  // The previous data stay in a copy until the new data are complete; without
  // the copy nothing is replaced and the port is left alone.
  if (!backup_.take()) {
    state.Download_Status = status::BackupFailed;
    errorExit();
    if (!backup_.refusal().isEmpty()) wizard_.showFailureCause(backup_.refusal());
    return false;
  }
  // A database without tables is made anew; one whose list was refused may
  // hold tables all the same.
  databaseRemoved_ = QFile::exists(databasePath()) && comm.Tables_Created.isEmpty() &&
                     !instrument::tableListRefused() && Database::removeFile(databasePath());

  addTimePanel();
  state.Download_Seconds = 0.0F;
  wizard_.Timer1.start(Timer1Interval);
  wizard_.Timer2.setInterval(Timer2Interval);
  wizard_.Timer2.stop();
  wizard_.Recieving_Frame->show();

  configurePort();
  comm.Stop_ = false;
  state.Download_Status = comm.RunTest();
  if (state.Download_Status != status::Ok) {
    portErrorPath();
    return false;
  }
  wizard_.Set_Connection_Status(ConnectionState::Connected);
  ignoringErrors([&] { host_.closeDatabaseView(); });
  for (int tab : {MainTabIndex::Data, MainTabIndex::Report, MainTabIndex::Graph}) host_.setMainTabEnabled(tab, false);
  host_.setCheckTimerRunning(false);
  return true;
}

void DownloadDriver::addTimePanel() {
  if (wizard_.StatusBar1->panelCount() == SetupPanelCount)
    wizard_.Time_Panel = wizard_.StatusBar1->addPanel(TimeKey, TimePanelWidth);
  if (wizard_.Time_Panel != nullptr) wizard_.Time_Panel->show();
}

void DownloadDriver::configurePort() {
  Communication& comm = host_.Comm();
  comm.Halt_ = false;
  comm.setComm_Object(&host_.MSComm1());
  comm.setSerial_Port(platform::ui::Selected_Option(wizard_.comOptions()) + 1);
  comm.setBaud_Rate(baudRate());
}

int DownloadDriver::receiveLoop() {
  int result = status::Ok;
  // Done ends a continuous download, and so does a close request that kept
  // its complete tests.
  do {
    result = receiveOnce();
    if (result != status::Ok) return result;
  } while (continuous() && !host_.Comm().Stop_ && !host_.Comm().Halt_);
  return result;
}

int DownloadDriver::receiveOnce() {
  Communication& comm = host_.Comm();
  int result = status::Ok;
  if (!continuous()) {
    wizard_.Import_Button[1]->hide();
    if (wizard_.Time_Panel != nullptr) wizard_.Time_Panel->setText(WizardTexts::FirstCountdown);
    wizard_.Timer3.start(Timer3Interval);
    result = comm.GetData(deviceType(), false);
    wizard_.Timer3.stop();
  } else {
    wizard_.Timer4.start(Timer4Interval);
    result = comm.GetData(DeviceType::LoadFrameContinuous, true);
    wizard_.Timer4.stop();
  }
  host_.state().Download_Status = result;
  return result;
}

void DownloadDriver::Done_Click() { host_.Comm().Stop_ = true; }

void DownloadDriver::sayHowItEnded(bool closed) {
  const Communication& comm = host_.Comm();
  const QString whatBecame = registered_ ? keptDataNote(host_.state().Model_Code, comm.Tables_Created,
                                                        comm.droppedTestInProgress())
                                         : earlierDataNote(!previousDataGone_);
  const QString note = endedNote(closed ? EndedBy::Close : EndedBy::Done, whatBecame);
  wizard_.showFailureCause(note);
  host_.setStatusText(statusText(note));
}

void DownloadDriver::keepTestsOfLostPort() {
  // The status stays the lost port's; the done page says so.
  if (successPath()) wizard_.showFailureCause(failureCause(status::PortLost) + QStringLiteral("  ") + keptTestsNote());
}

bool DownloadDriver::successPath() {
  instrument::ProgramState& state = host_.state();
  Communication& comm = host_.Comm();
  // The new data are complete only with their table list written.
  if (!comm.Tables_Created.isEmpty() && !instrument::writeTableList(comm.Tables_Created, wizard_.chosenModel())) {
    state.Download_Status = status::DatabaseWriteFailed;
    errorExit();
    return false;
  }
  ignoringErrors([&] { comm.Close_Port(); });
  // A close request that came as the last data arrived: the download is
  // complete, so it is kept, and the wizard closes afterwards.
  const bool closing = comm.Halt_;
  state.New_Data = true;
  state.Model_Code = wizard_.chosenModel();
  // Nothing of the new data is selected yet, as after opening a project.
  state.Table_Name.clear();
  state.Test_Name = instrument::NoTestName;
  stopTimers();
  if (wizard_.Time_Panel != nullptr) wizard_.Time_Panel->hide();
  host_.setMainTabEnabled(MainTabIndex::Report, false);
  host_.setMainTabEnabled(MainTabIndex::Graph, false);
  host_.setCheckTimerRunning(true);
  wizard_.Recieving_Frame->hide();
  wizard_.Set_Connection_Status(ConnectionState::DownloadComplete);
  backup_.discard();
  wizard_.Import_Button[0]->setEnabled(true);
  wizard_.enableOptions(true);
  if (wizard_.Wizard_Step != ImportWizard::Welcome) ++wizard_.Wizard_Step;
  state.Download_Title = downloadTitle(state.Model_Code);
  ignoringErrors([&] { host_.saveCompanyInfo(); });
  state.New_Download = true;
  wizard_.Show_Step();
  ignoringErrors([&] { host_.Initialize_TAB0(); });
  host_.setMainTabEnabled(MainTabIndex::Data, true);
  host_.setMainTabEnabled(MainTabIndex::Report, false);
  host_.setMainTabEnabled(MainTabIndex::Graph, false);
  if (closing) {
    comm.Halt_ = false;
    wizard_.unloadAfterDownload();
  }
  registered_ = true;
  return true;
}

void DownloadDriver::noDownload() {
  // Done before any data: nothing was replaced, and nothing is relabelled.
  Communication& comm = host_.Comm();
  ignoringErrors([&] { comm.Close_Port(); });
  keepOrPutBack(databaseRemoved_);
  stopTimers();
  if (wizard_.Time_Panel != nullptr) wizard_.Time_Panel->hide();
  host_.setMainTabEnabled(MainTabIndex::Data, true);
  host_.setCheckTimerRunning(true);
  wizard_.Set_Connection_Status(ConnectionState::NotConnected);
  wizard_.enableOptions(true);
  wizard_.resetToWelcome();
  wizard_.Import_Button[0]->setEnabled(true);
  if (comm.Halt_) {
    comm.Halt_ = false;
    wizard_.unloadAfterDownload();
  }
}

void DownloadDriver::errorExit() {
  Communication& comm = host_.Comm();
  const int code = host_.state().Download_Status;
  ignoringErrors([&] { comm.Close_Port(); });
  wizard_.Set_Connection_Status(connectionStateForFailure(code));
  // Before the first character nothing but the preparation touched the
  // database.
  const bool endedBeforeData =
      !dataArrived_ && (code == status::DatabaseLocked || code == status::PortError ||
                        code == status::OverflowWaiting || code == status::PortLost);
  keepOrPutBack(!endedBeforeData || databaseRemoved_);
  host_.setMainTabEnabled(MainTabIndex::Report, false);
  wizard_.enableOptions(true);
  stopTimers();
  host_.setMainTabEnabled(MainTabIndex::Data, true);
  wizard_.Import_Button[0]->setEnabled(true);
  host_.setCheckTimerRunning(true);
  if (wizard_.Time_Panel != nullptr) wizard_.Time_Panel->hide();
  wizard_.resetToWelcome();
  wizard_.Import_Button[0]->setEnabled(true);
  wizard_.showFailureCause(failureCause(code));
  if (comm.Halt_ || code == status::Halted) {
    comm.Halt_ = false;
    ignoringErrors([&] { host_.Initialize_TAB0(); });
    wizard_.unloadAfterDownload();
  }
}

void DownloadDriver::keepOrPutBack(bool databaseChanged) {
  // Without a copy nothing was replaced.
  if (databaseChanged && backup_.taken()) {
    putPreviousDataBack();
  } else {
    backup_.discard();
  }
}

void DownloadDriver::putPreviousDataBack() {
  Communication& comm = host_.Comm();
  if (backup_.restore()) {
    comm.Tables_Created = previousTables_;
  } else {
    // Without a copy the half-built data go, so that none remain.
    Database::removeFile(databasePath());
    QFile::remove(platform::ProgramFolder::path(platform::ProgramFiles::TableList));
    comm.Tables_Created.clear();
    previousDataGone_ = true;
  }
  // The list is set before the tree is rebuilt from it.
  ignoringErrors([&] { host_.Initialize_TAB0(); });
}

void DownloadDriver::portErrorPath() {
  wizard_.Set_Connection_Status(ConnectionState::CommunicationError);
  wizard_.resetToWelcome();
  wizard_.Import_Button[0]->setEnabled(true);
  wizard_.enableOptions(true);
  stopTimers();
  if (wizard_.Time_Panel != nullptr) wizard_.Time_Panel->hide();
  keepOrPutBack(databaseRemoved_);
  const int port = host_.Comm().Serial_Port();
  wizard_.showFailureCause(portErrorCause(port));
  host_.setStatusText(statusText(PortErrorStatus.arg(port)));
  platform::ui::Dialogs::inform(&wizard_, PortErrorMessage, QGuiApplication::applicationDisplayName());
}

void DownloadDriver::stopTimers() {
  for (QTimer* timer : {&wizard_.Timer1, &wizard_.Timer2, &wizard_.Timer3, &wizard_.Timer4}) timer->stop();
  wizard_.showEndWait(QString());
}

void DownloadDriver::showEndWait() {
  const std::optional<int> left = host_.Comm().silenceSecondsLeft();
  wizard_.showEndWait(left ? EndWaitText.arg(*left) : QString());
}

QString DownloadDriver::downloadTitle(int Model_Code) {
  const QString prefix = Model_Code == ModelCode::LX9100  ? TestsTitle
                         : Model_Code == ModelCode::T7310 ? RunsTitle
                                                          : ProjectsTitle;
  return prefix + QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat) + TitleEnd;
}

void DownloadDriver::Timer1_Timer() {
  ReceivingIndicator& indicator = *wizard_.Recieving_Frame;
  const int light = ReceivingIndicator::GaugeLight;
  indicator.setShape2(light, indicator.Shape2(light) == Green ? Black : Green);
  wizard_.Timer2.start();
  wizard_.Timer1.stop();
  host_.mainWindow().update();
}

void DownloadDriver::Timer2_Timer() {
  ReceivingIndicator& indicator = *wizard_.Recieving_Frame;
  const int light = ReceivingIndicator::ComputerLight;
  const QColor windowText = wizard_.palette().color(QPalette::WindowText);
  const QColor shown = indicator.Shape2(light);
  if (wizard_.UserMessage[1]->toPlainText() != WizardTexts::Receiving) {
    indicator.setShape2(light, shown == windowText ? Red : windowText);
  } else {
    indicator.setShape2(light, shown == Green ? windowText : Green);
  }
  wizard_.Timer1.start();
  wizard_.Timer2.stop();
}

void DownloadDriver::Timer3_Timer() {
  StatusPanel* timePanel = wizard_.Time_Panel;
  if (timePanel == nullptr) return;
  const bool waiting = wizard_.UserMessage[1]->toPlainText().startsWith(WizardTexts::WaitingInitial);
  if (waiting && host_.Comm().Finished_) {
    if (!timePanel->text().startsWith(WizardTexts::WaitingInitial))
      timePanel->setText(nextCountdownText(timePanel->text()));
    return;
  }
  setMessage(*wizard_.UserMessage[1], WizardTexts::Receiving);
  showEndWait();
  float& seconds = host_.state().Download_Seconds;
  seconds += 1.0F;
  timePanel->setText(elapsedTimeText(seconds));
}

void DownloadDriver::Timer4_Timer() {
  QPushButton* done = wizard_.Import_Button[1];
  // A continuous download ends only with Done: an exit asked for while it
  // waits for a data set ends it the same way, keeping the tests received.
  if (host_.state().longWork.closeRequested && (host_.Comm().Finished_ || !dataArrived_)) Done_Click();
  if (host_.Comm().Finished_) {
    wizard_.Timer3.stop();
    if (wizard_.Time_Panel != nullptr) wizard_.Time_Panel->setText(WaitingToReceive);
    setMessage(*wizard_.UserMessage[1], WizardTexts::WaitingForData);
    host_.state().Download_Seconds = 0.0F;
    done->setEnabled(true);
    return;
  }
  setMessage(*wizard_.UserMessage[1], WizardTexts::Receiving);
  // Starting a running timer again would restart its second, and the elapsed
  // time would never advance.
  if (!wizard_.Timer3.isActive() || wizard_.Timer3.interval() != Timer3Interval) wizard_.Timer3.start(Timer3Interval);
  done->setEnabled(false);
}

}  // namespace download
