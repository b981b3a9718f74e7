#include "download/DownloadDriver.h"

#include <QAbstractButton>
#include <QDate>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

#include "download/Communication.h"
#include "download/ConnectionStatus.h"
#include "download/DownloadEndNote.h"
#include "download/DownloadHost.h"
#include "download/FailureCause.h"
#include "download/ImportWizard.h"
#include "download/PanelStatusBar.h"
#include "download/ReceivingIndicator.h"
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

const QString PortErrorMessage = QStringLiteral("Error with Port");
const QString QuestionTitle = QStringLiteral("Plintora Question");
const QString QuestionText =
    QStringLiteral("Did you receive your Plintora or has this Plintora been updated by Quorvane after January 1, 2007?") +
    QStringLiteral("\r\n\r\n") + QStringLiteral("Click Yes if this is true, otherwise click No.");

constexpr int LoadFrameBaud = 19200;
constexpr int DensityGaugeBaud = 1200;
constexpr int StiffnessGaugeBaud = 1200;
constexpr int UpdatedStiffnessGaugeBaud = 4800;

QString databasePath() { return instrument::CreateDatabase::databasePath(); }

// The end of the receive loop, as the end line tells it.
DownloadEnd downloadEnd(Communication::ReceiveEnd end) {
  switch (end) {
    case Communication::ReceiveEnd::EndMark: return DownloadEnd::EndMark;
    case Communication::ReceiveEnd::SilenceLimit: return DownloadEnd::Silence;
    case Communication::ReceiveEnd::QuietPortLost: return DownloadEnd::PortLostWhenQuiet;
    case Communication::ReceiveEnd::QuietHalt: return DownloadEnd::ClosedWhenQuiet;
    case Communication::ReceiveEnd::Other: break;
  }
  // A continuous download: finish() says whether Done or a close ended it.
  return DownloadEnd::Done;
}

}  // namespace

DownloadDriver::DownloadDriver(ImportWizard& wizard, DownloadHost& host)
    : wizard_(wizard), host_(host), timers_(wizard, host) {}

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
  dataArrived_ = false;
  databaseRemoved_ = false;
  registered_ = false;
  previousDataGone_ = false;
  end_ = DownloadEndFacts{};
  end_.Model_Code = wizard_.chosenModel();
  end_.device_type = deviceType();
  previousTables_ = host_.Comm().Tables_Created;
  host_.clearStatusNote();
  // Nothing of an earlier try shows while this one prepares (the stiffness
  // gauge's question comes first).
  wizard_.Set_Connection_Status(ConnectionState::NotConnected);
  const QMetaObject::Connection firstText =
      connect(&host_.Comm(), &Communication::firstTextReceived, this, [this](const QString& text) {
        dataArrived_ = true;
        wizard_.Text1->setText(text);
      });
  if (prepare()) finish();
  sayHowItEnded();
  disconnect(firstText);
}

void DownloadDriver::finish() {
  instrument::ProgramState& state = host_.state();
  state.Download_Status = receiveLoop();
  const Communication& comm = host_.Comm();
  const bool closed = comm.Halt_;
  const bool done = comm.Stop_ && continuous();
  if (state.Download_Status == status::PortLost && comm.keptCompleteTests()) {
    // The status stays the lost port's; the done page says so.
    if (successPath()) {
      end_.end = DownloadEnd::Failed;
      end_.failure.Download_Status = status::PortLost;
    }
  } else if (state.Download_Status != status::Ok) {
    errorExit();
  } else if (!dataArrived_) {
    noDownload();
  } else if (host_.Comm().Tables_Created.isEmpty()) {
    // Data came but made no table: the old data stay.
    state.Download_Status = status::NoTablesCreated;
    errorExit();
  } else {
    successPath();
  }
  // A close that ended a single download on a quiet line, or came as its
  // last data arrived, kept its data: successPath noted how.
  if (done) {
    end_.end = DownloadEnd::Done;
  } else if (closed && (continuous() || !registered_)) {
    end_.end = DownloadEnd::Closed;
  }
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
    end_.failure.refused = otherWorkRunning ? Refusal::OtherWorkRunning
                           : !folderHeld    ? Refusal::FolderNotHeld
                                            : Refusal::None;
    end_.failure.refusal = inUse;
    return false;
  }
  // The previous data stay in a copy until the new data are complete; without
  // the copy nothing is replaced and the port is left alone.
  if (!backup_.take()) {
    state.Download_Status = status::BackupFailed;
    errorExit();
    end_.failure.refusal = backup_.refusal();
    return false;
  }
  // A database without tables is made anew; one whose list was refused may
  // hold tables all the same.
  databaseRemoved_ = QFile::exists(databasePath()) && comm.Tables_Created.isEmpty() &&
                     !instrument::tableListRefused() && Database::removeFile(databasePath());

  addTimePanel();
  state.Download_Seconds = 0.0F;
  timers_.startIndicator();
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
  if (wizard_.Time_Panel == nullptr) return;
  wizard_.Time_Panel->setText(WizardTexts::FirstCountdown);
  wizard_.Time_Panel->show();
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
    timers_.Timer3.start(DownloadTimers::Timer3Interval);
    result = comm.GetData(deviceType(), false);
    timers_.Timer3.stop();
  } else {
    timers_.Timer4.start(DownloadTimers::Timer4Interval);
    result = comm.GetData(DeviceType::LoadFrameContinuous, true);
    timers_.Timer4.stop();
  }
  host_.state().Download_Status = result;
  return result;
}

void DownloadDriver::Done_Click() { host_.Comm().Stop_ = true; }

void DownloadDriver::sayHowItEnded() {
  end_.earlierDataUnchanged = !previousDataGone_;
  const QString note = endNote(end_);
  wizard_.showEndNote(note);
  host_.setStatusText(statusText(note));
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
  timers_.stopAll();
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
  state.Download_Title = downloadTitle(state.Model_Code, QDate::currentDate());
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
  noteWhatWasKept(closing);
  return true;
}

void DownloadDriver::noteWhatWasKept(bool closing) {
  const Communication& comm = host_.Comm();
  end_.end = downloadEnd(comm.receiveEnd());
  end_.afterCompleteRecord = comm.endedAfterCompleteRecord();
  // A close ends a continuous download: finish() says so.
  end_.closedAsItEnded = closing && !comm.endedAsSilence() && !continuous();
  end_.kept = comm.Tables_Created;
  end_.laterRunsTable = comm.parser().laterRunsTable();
  end_.dropped = comm.recordDropped();
  end_.unfinished = comm.recordUnfinished();
  end_.droppedTestInProgress = comm.droppedTestInProgress();
}

void DownloadDriver::noDownload() {
  // Done before any data: nothing was replaced, and nothing is relabelled.
  Communication& comm = host_.Comm();
  ignoringErrors([&] { comm.Close_Port(); });
  keepOrPutBack(databaseRemoved_);
  timers_.stopAll();
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
  timers_.stopAll();
  host_.setMainTabEnabled(MainTabIndex::Data, true);
  wizard_.Import_Button[0]->setEnabled(true);
  host_.setCheckTimerRunning(true);
  if (wizard_.Time_Panel != nullptr) wizard_.Time_Panel->hide();
  wizard_.resetToWelcome();
  wizard_.Import_Button[0]->setEnabled(true);
  end_.end = DownloadEnd::Failed;
  end_.failure.Download_Status = code;
  end_.failure.fellSilent = comm.receiveEnd() == Communication::ReceiveEnd::SilenceLimit;
  end_.failure.printoutRead = !comm.parser().retrn_message().isEmpty();
  end_.failure.printoutEmpty = comm.printoutEmpty();
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
  timers_.stopAll();
  if (wizard_.Time_Panel != nullptr) wizard_.Time_Panel->hide();
  keepOrPutBack(databaseRemoved_);
  end_.end = DownloadEnd::Failed;
  end_.failure.Download_Status = status::PortError;
  end_.failure.portNotOpened = host_.Comm().Serial_Port();
  platform::ui::Dialogs::inform(&wizard_, PortErrorMessage, QGuiApplication::applicationDisplayName());
}

}  // namespace download
