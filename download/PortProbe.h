#pragma once

#include <QString>

#include <atomic>
#include <functional>
#include <memory>

namespace platform {
class PortClaims;
class ReceiveClock;
class SerialDeviceProvider;
}  // namespace platform

namespace download {

class Communication;

// A probe of COM1 to COM4 that runs on the port probe's worker thread and
// hands back one state character per port, as Communication::AvailablePorts
// does. It opens the ports on controls of its own, made on the thread that
// runs it, and never touches the main window's control. A port that a
// download holds or is opening counts as in use and gets no byte; when a
// download asks for a port being probed, the probe closes it within one
// polling slice. The four ports are probed side by side, so a probe lasts
// about two seconds however many free ports stay silent.
using ProbeJob = std::function<QString(const std::atomic<bool>& cancelled)>;

// The job for the ports that comm's control opens.
ProbeJob portProbeJob(const Communication& comm);

// The probe itself (tests give scripted devices and a clock of their own).
// Stops early, with what it has, once cancelled is set.
QString probePorts(const std::shared_ptr<platform::SerialDeviceProvider>& devices, platform::PortClaims& claims,
                   const platform::ReceiveClock& clock, const std::atomic<bool>& cancelled);

}  // namespace download
