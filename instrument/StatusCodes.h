#pragma once

namespace instrument::status {

// The status codes that the port wrapper, the parsers, the database creator and
// the download driver leave in Download_Status and compare.
inline constexpr int Ok = 0;                  // port open; download complete; database ready
inline constexpr int ParseComplete = 89;      // a printout (or one load-frame test) is complete
inline constexpr int PortError = 99;          // port did not open; no first character in time; halted while waiting
inline constexpr int DatabaseLocked = 789;    // the database lock file exists; no download is tried
inline constexpr int CreateFailed = 909;      // creating the working database failed
inline constexpr int DatabaseMissing = 910;   // the working database is missing after creation
inline constexpr int DatabaseWriteFailed = 911;// a row or a commit could not be stored (a full disk)
inline constexpr int BackupFailed = 912;      // the working database could not be copied aside; no download is tried
inline constexpr int Halted = 1978;           // halted during reception
inline constexpr int ReceiveOverflow = 4545;  // overflow during reception, or too many empty reads from a density gauge
inline constexpr int NoTablesCreated = 5454;  // end marker received but no table made; database deleted
inline constexpr int ForeignCharacter = 5555; // a character of 128 or more (not the end marker) received
inline constexpr int OverflowWaiting = 7272;  // overflow while waiting for the first character
inline constexpr int StiffnessRejected = 9876;// the stiffness parser rejected the printout
inline constexpr int PortLost = 6464;         // the instrument's port went away during the download

// A parser call that reports nothing. Stored into Download_Status it reads 0.
inline constexpr int NoValue = 0;

// Not download statuses: never stored in Download_Status.
// A parser call failed where the parser's rules pass the failure to its
// caller; the serial feeder goes on with the next character, the project-file
// replay ends its reading.
inline constexpr int ParseFailed = -1;
// AddTable could not define the table (invalid name, no database, engine
// failure); the calling parser applies its own failure rule.
inline constexpr int TableFailed = -2;

}  // namespace instrument::status
