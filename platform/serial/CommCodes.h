#pragma once

namespace platform {

// Error codes of the COM port control. Operations return 0 or one of these;
// nothing throws. The numbers follow the port control the program was written
// for, since callers compare some of them (8005: the port is in use).
namespace CommError {
inline constexpr int None = 0;
inline constexpr int ObjectNotSet = 91;            // no control to work on
inline constexpr int InvalidPropertyValue = 380;   // malformed settings, negative length, ...
inline constexpr int PortOpen = 8000;              // not allowed while the port is open
inline constexpr int InvalidPortNumber = 8002;     // no device behind the port number
inline constexpr int PortAlreadyOpen = 8005;       // the port is open here or elsewhere
inline constexpr int HardwareNotAvailable = 8010;  // the device exists but cannot be opened
inline constexpr int SetCommStateFailed = 8015;    // the line settings were refused
inline constexpr int PortNotOpen = 8018;           // valid only while the port is open
inline constexpr int WriteFailed = 8019;           // output could not be sent
}  // namespace CommError

// Communication events, left in CommControl::commEvent().
namespace CommEvent {
inline constexpr int None = 0;
inline constexpr int ReceiveOverflow = 1008;  // input arrived while the input buffer was full
}  // namespace CommEvent

// Handshaking values of CommControl::setHandshaking().
namespace Handshaking {
inline constexpr int None = 0;
inline constexpr int XonXoff = 1;
inline constexpr int RtsCts = 2;
inline constexpr int XonXoffRtsCts = 3;
}  // namespace Handshaking

}  // namespace platform
