#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

namespace platform {

// Every settings file of the program folder (the company information, the
// layout files, the stiffness constants, the table list, the COM port map) is
// a few lines long. One larger than this is not one the program wrote: it is
// refused rather than read whole, and the program goes on with its defaults.
inline constexpr qint64 SettingsFileLimit = 1024 * 1024;

struct SettingsFile {
  enum Outcome { Read, Missing, TooLarge, Unreadable };
  Outcome outcome = Missing;
  QByteArray bytes;  // the whole file when Read
  QString error;     // why, naming the file, in words for the user, when TooLarge or Unreadable
};

// Reads a settings file whole, never more than SettingsFileLimit bytes of it,
// and only a regular file (readRegularFile): anything else in its place is
// Unreadable.
SettingsFile readSettingsFile(const QString& path);

// Whether the reader found the file but did not read it: too large, or
// unreadable.
bool settingsFileRefused(SettingsFile::Outcome outcome);

// Says that the file is too large and was not read.
QString settingsFileTooLarge(const QString& path);

// The lines of a settings file's text. A line ends at CR LF, at LF or at CR
// alone, whichever the file has (older installations and hand edits left each
// kind); an empty line between two line ends counts, and nothing follows the
// last line end.
QList<QByteArray> settingsFileLines(const QByteArray& bytes);

}  // namespace platform
