#pragma once

namespace instrument {

// The port wrapper's and the table creator's numbering of a download.
namespace DeviceType {
inline constexpr int LoadFrameSingle = 0;
inline constexpr int N2600A = 1;
inline constexpr int N2600BX = 2;
inline constexpr int LoadFrameContinuous = 3;
inline constexpr int T7310 = 4;
}  // namespace DeviceType

// The instrument model of the data in the working database (Model_Code), as
// kept in the table-list file and on the first line of project files.
namespace ModelCode {
inline constexpr int LX9100 = 0;
inline constexpr int N2600A = 1;
inline constexpr int N2600BX = 2;
inline constexpr int T7310 = 3;
}  // namespace ModelCode

}  // namespace instrument
