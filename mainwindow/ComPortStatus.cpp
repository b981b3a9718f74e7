#include "mainwindow/ComPortStatus.h"

#include <QAction>

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

void ComPortStatus::Check_Com_Ports() {
  if (work_.running() || !probe_) return;
  const QStringList texts = download::comStatusCaptions(probe_());
  for (int i = 0; i < 4; ++i)
    if (COM_STAT_[i] != nullptr) COM_STAT_[i]->setText(texts[i]);
}

QStringList ComPortStatus::captions() const {
  QStringList texts;
  for (QAction* action : COM_STAT_) texts.append(action != nullptr ? action->text() : QString());
  return texts;
}

}  // namespace mainwindow
