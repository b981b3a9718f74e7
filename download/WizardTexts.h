#pragma once

#include <QString>

// Texts of the import wizard that more than one of its parts writes or reads.
namespace download::WizardTexts {

inline const QString Next = QStringLiteral("Next");
inline const QString Previous = QStringLiteral("Previous");
inline const QString Done = QStringLiteral("Done");
inline const QString Finished = QStringLiteral("Finished");

// The second message line while a download waits for data, and while data
// arrive. The time panel's countdown runs while the first begins with its
// first letter.
inline const QString WaitingForData = QStringLiteral("Waiting to recieve data from Gauge");
inline const QString Receiving = QStringLiteral("Recieving Information from Gauge");
inline const QString WaitingInitial = QStringLiteral("W");

// The time panel's text when a single download starts waiting.
inline const QString FirstCountdown = QStringLiteral("Timeout in 29 Seconds ");

// Captions of the model options, in Model_Code order.
inline const QString LX9100 = QStringLiteral("LX9100");
inline const QString N2600A = QStringLiteral("N2600A");
inline const QString N2600BX = QStringLiteral("N2600BX");
inline const QString T7310 = QStringLiteral("T7310");

}  // namespace download::WizardTexts
