#pragma once

#include <QString>

namespace download {

// The time panel's next countdown text: one less than the number in
// characters 12 and 13 of the text shown, so "Timeout in 29 Seconds " is
// followed by "Timeout in 28 Sec".
QString nextCountdownText(const QString& shown);

// The elapsed time of a download, such as "Time: 1 min 15 sec".
QString elapsedTimeText(float Download_Seconds);

}  // namespace download
