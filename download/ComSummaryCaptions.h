#pragma once

#include <QString>
#include <QStringList>

namespace download {

inline constexpr int ComPortCount = 4;

// The caption of the COM port status item of port n (1 to 4) for a probe's
// state string (one character per port: a digit free, "m" modem, "o" in use,
// anything else or nothing unavailable), such as "COM2: MODEM".
QString comStatusCaption(int portNumber, const QString& portStates);

// The captions of COM1 to COM4 for a state string.
QStringList comStatusCaptions(const QString& portStates);

// Which device port n (1 to 4) is and where that was found, such as
// "COM1 = /dev/ttyUSB0 (from info/ComPorts.qvt)". Read afresh on each call,
// as the port open reads it.
QString comDeviceCaption(int portNumber);
QStringList comDeviceCaptions();

}  // namespace download
