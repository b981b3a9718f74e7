#include "mainwindow/window/ComPortStatus.h"

#include <QAction>
#include <QThread>

#include "download/ComSummaryCaptions.h"

namespace mainwindow {

ComPortStatus::ComPortStatus(std::array<QAction*, 4> COM_STAT, Probe probe,
                             const instrument::LongWork& work, QObject* parent)
    : QObject(parent), COM_STAT_(COM_STAT), probe_(std::move(probe)), work_(work) {
  Check_Timer.setObjectName(QStringLiteral("Check_Timer"));
  Check_Timer.setInterval(CheckInterval);
  connect(&Check_Timer, &QTimer::timeout, this, &ComPortStatus::Check_Timer_Timer);
  Check_Timer.start();
}

ComPortStatus::~ComPortStatus() {
  if (worker_ == nullptr) return;
  // The probe stops at its next slice; nothing of it is applied.
  cancelled_ = true;
  worker_->wait();
  delete worker_;
}

void ComPortStatus::refresh(Done done) {
  if (worker_ == nullptr) {
    download::ProbeJob job = !work_.running() && probe_ ? probe_() : download::ProbeJob();
    if (!job) {
      if (done) done(states_);
      return;
    }
    cancelled_ = false;
    worker_ = QThread::create([this, job = std::move(job)] { result_ = job(cancelled_); });
    worker_->setObjectName(QStringLiteral("PortProbe"));
    // Emitted on the worker, delivered here on the user-interface thread.
    connect(worker_, &QThread::finished, this, &ComPortStatus::applyResult);
    worker_->start();
  }
  if (done) waiting_.push_back(std::move(done));
}

void ComPortStatus::applyResult() {
  worker_->wait();
  delete worker_;
  worker_ = nullptr;
  states_ = result_;
  const QStringList texts = download::comStatusCaptions(states_);
  for (int i = 0; i < 4; ++i)
    if (COM_STAT_[i] != nullptr) COM_STAT_[i]->setText(texts[i]);
  // A callback may start the next probe.
  std::vector<Done> done;
  done.swap(waiting_);
  for (const Done& call : done) call(states_);
}

QStringList ComPortStatus::captions() const {
  QStringList texts;
  for (QAction* action : COM_STAT_) texts.append(action != nullptr ? action->text() : QString());
  return texts;
}

}  // namespace mainwindow
