#pragma once

#include <QMap>
#include <QString>

#include "platform/core/SettingsFile.h"

namespace platform {

// Which device of this computer each of the program's ports COM1 to COM4 is.
// The settings file info/ComPorts.qvt holds lines such as
//   COM1 = /dev/ttyUSB0
// A port missing from the file is its default device /dev/ttyS0 to /dev/ttyS3.
// The environment variable QUORVANE_COM<n> (for instance QUORVANE_COM1=/dev/pts/3)
// overrides the file for one port, so tests can point a port at a
// pseudo-terminal.
class ComPortMap {
 public:
  static constexpr int FirstPort = 1;
  static constexpr int LastPort = 4;

  // Where a port's device was found.
  enum class Source { Environment, File, Default };
  struct Mapping {
    QString device;
    Source source = Source::Default;
  };

  // The device of COM port, or an empty text for a port number outside 1 to 4.
  // The file is read on each call, so an edit applies at the next open.
  static QString devicePath(int port) { return mapping(port).device; }
  // The device and where it came from.
  static Mapping mapping(int port);
  static QString defaultDevice(int port);
  static QString environmentVariable(int port);

  // The ports the settings file names, and how the read found the file: one
  // that is missing or refused (SettingsFile) names none.
  struct File {
    QMap<int, QString> ports;
    SettingsFile::Outcome outcome = SettingsFile::Missing;
    QString refusal;  // why, naming the file, when refused
  };
  static File readFile();

  // The ports named in the text of a settings file. Lines that are not
  // "COMn = device" for n in 1 to 4 are ignored; a later line wins.
  static QMap<int, QString> parse(const QString& text);
};

}  // namespace platform
