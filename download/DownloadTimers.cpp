#include "download/DownloadTimers.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

#include "download/Communication.h"
#include "download/DownloadDriver.h"
#include "download/DownloadHost.h"
#include "download/ImportWizard.h"
#include "download/ReceivingIndicator.h"
#include "download/StatusPanel.h"
#include "download/TimePanelText.h"
#include "download/WizardTexts.h"
#include "instrument/DeviceType.h"
#include "instrument/ProgramState.h"

namespace download {
namespace {

const QString WaitingToReceive = QStringLiteral("Waiting to Recieve...");
// %1: seconds of silence left. They are estimated from the pace of the
// receive loop, which a busy computer slows or speeds up, hence "about"; what
// a close does then is said as it is.
const QString EndWaitRuns = QStringLiteral(
    "Waiting for the end of the printout: it ends after about %1 more seconds of silence.  Closing the wizard "
    "now ends the download with the runs received whole; a run cut off is dropped.");
const QString EndWaitTest = QStringLiteral(
    "Waiting for the end of the test: the download ends after about %1 more seconds of silence.  Closing the "
    "wizard now drops the test, so please do not close it meanwhile.");

// Indicator colours.
const QColor Green(0, 255, 0);
const QColor Black(0, 0, 0);
const QColor Red(255, 0, 0);

void setMessage(QPlainTextEdit& box, const QString& text) {
  if (box.toPlainText() != text) box.setPlainText(text);
}

}  // namespace

DownloadTimers::DownloadTimers(ImportWizard& wizard, DownloadHost& host) : wizard_(wizard), host_(host) {
  connect(&Timer1, &QTimer::timeout, this, &DownloadTimers::Timer1_Timer);
  connect(&Timer2, &QTimer::timeout, this, &DownloadTimers::Timer2_Timer);
  connect(&Timer3, &QTimer::timeout, this, &DownloadTimers::Timer3_Timer);
  connect(&Timer4, &QTimer::timeout, this, &DownloadTimers::Timer4_Timer);
}

void DownloadTimers::startIndicator() {
  Timer1.start(Timer1Interval);
  Timer2.setInterval(Timer2Interval);
  Timer2.stop();
}

void DownloadTimers::stopAll() {
  for (QTimer* timer : {&Timer1, &Timer2, &Timer3, &Timer4}) timer->stop();
  secondsLeftShown_.reset();
  wizard_.showEndWait(QString());
}

void DownloadTimers::Timer1_Timer() {
  ReceivingIndicator& indicator = *wizard_.Recieving_Frame;
  const int light = ReceivingIndicator::GaugeLight;
  indicator.setShape2(light, indicator.Shape2(light) == Green ? Black : Green);
  Timer2.start();
  Timer1.stop();
  host_.mainWindow().update();
}

void DownloadTimers::Timer2_Timer() {
  ReceivingIndicator& indicator = *wizard_.Recieving_Frame;
  const int light = ReceivingIndicator::ComputerLight;
  const QColor windowText = wizard_.palette().color(QPalette::WindowText);
  const QColor shown = indicator.Shape2(light);
  if (wizard_.UserMessage[1]->toPlainText() != WizardTexts::Receiving) {
    indicator.setShape2(light, shown == windowText ? Red : windowText);
  } else {
    indicator.setShape2(light, shown == Green ? windowText : Green);
  }
  Timer1.start();
  Timer2.stop();
}

void DownloadTimers::Timer3_Timer() {
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

void DownloadTimers::showEndWait() {
  std::optional<int> left = host_.Comm().silenceSecondsLeft();
  if (left && secondsLeftShown_) left = std::min(*left, *secondsLeftShown_);
  secondsLeftShown_ = left;
  const QString& text = wizard_.driver().deviceType() == instrument::DeviceType::T7310 ? EndWaitRuns : EndWaitTest;
  wizard_.showEndWait(left ? text.arg(*left) : QString());
}

void DownloadTimers::Timer4_Timer() {
  QPushButton* done = wizard_.Import_Button[1];
  DownloadDriver& driver = wizard_.driver();
  // A continuous download ends only with Done: an exit asked for while it
  // waits for a data set ends it the same way, keeping the tests received.
  if (host_.state().longWork.closeRequested && (host_.Comm().Finished_ || !driver.dataArrived())) driver.Done_Click();
  if (host_.Comm().Finished_) {
    Timer3.stop();
    if (wizard_.Time_Panel != nullptr) wizard_.Time_Panel->setText(WaitingToReceive);
    setMessage(*wizard_.UserMessage[1], WizardTexts::WaitingForData);
    host_.state().Download_Seconds = 0.0F;
    done->setEnabled(true);
    return;
  }
  setMessage(*wizard_.UserMessage[1], WizardTexts::Receiving);
  // Starting a running timer again would restart its second, and the elapsed
  // time would never advance.
  if (!Timer3.isActive() || Timer3.interval() != Timer3Interval) Timer3.start(Timer3Interval);
  done->setEnabled(false);
}

}  // namespace download
