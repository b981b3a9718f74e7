#include "download/TimePanelText.h"

#include <cmath>

namespace download {
namespace {

const QString TimeoutIn = QStringLiteral("Timeout in ");
const QString SecondsShort = QStringLiteral(" Sec");
const QString TimePrefix = QStringLiteral("Time: ");
const QString Minutes = QStringLiteral(" min ");
const QString Seconds = QStringLiteral(" sec");

// Where the countdown's number stands in the panel text.
constexpr int NumberAt = 11;
constexpr int NumberLength = 2;

}  // namespace

QString nextCountdownText(const QString& shown) {
  // A text without a number there counts as 0.
  const int seconds = shown.mid(NumberAt, NumberLength).trimmed().toInt();
  return TimeoutIn + QString::number(seconds - 1) + SecondsShort;
}

QString elapsedTimeText(float Download_Seconds) {
  const auto whole = static_cast<long>(std::lround(Download_Seconds));
  const long minutes = static_cast<long>(std::floor(Download_Seconds / 60.0F));
  return TimePrefix + QString::number(minutes) + Minutes + QString::number(whole % 60) + Seconds;
}

}  // namespace download
