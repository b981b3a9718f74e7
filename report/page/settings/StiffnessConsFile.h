#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "report/builder/StiffnessConstants.h"

namespace report {

// The stiffness constants file (ProgramFiles::StiffnessConstants): seven lines
// "MeasMs = 0.12" and so on, in the order of the constants, each ended by
// CR LF.

inline constexpr int StiffnessConstantCount = 7;

// The constants by index, in file order: MeasMs, Assmas, Poisra, Densit,
// Slopes, Interc, Densi2.
double& stiffnessConstant(StiffnessConstants& constants, int index);
double stiffnessConstant(const StiffnessConstants& constants, int index);
// The nine-character key of a constant's line, such as "MeasMs = ".
QString stiffnessConstantKey(int index);

// A constant as the file and the editor write it: the shortest decimal text,
// with "." whatever the locale ("0.12", "-3", "1500").
QString stiffnessConstantText(double value);

// Reads a constant's text: a decimal number with "." or, as older
// installations wrote it, with one "," and no "." ("0,12"). Nothing else
// counts as a number.
bool parseStiffnessConstant(const QString& text, double& value);

struct StiffnessConsLoad {
  enum Outcome {
    Loaded,     // seven lines read
    Missing,    // no file, an empty one or one that cannot be read; the constants are untouched
    Defaulted,  // an empty or missing line among the first seven: all seven are 0
  };
  Outcome outcome = Missing;
  // Keys whose value is not a number; those constants keep their previous
  // values.
  QStringList unreadKeys;
  // Keys with no line among those read: after a cut (Defaulted) they are 0
  // with the rest, otherwise (an unknown key took their line) they keep
  // their previous values.
  QStringList missingKeys;
  // Why a file that is there could not be read (Missing); empty otherwise.
  QString unreadable;
};

// Reads the first seven lines, each ended by CR LF, LF or CR. A known key gets its value, rounded to that
// constant's decimals (2, 4, 2, 1, 4, 3, 1); an unknown key is skipped but
// uses up one of the seven lines.
StiffnessConsLoad loadStiffnessConstants(StiffnessConstants& constants);

// The file's whole text for the constants.
QByteArray stiffnessConstantsFileText(const StiffnessConstants& constants);

// Writes the file through a temporary file renamed into place; on failure the
// old file stays and error says why.
bool saveStiffnessConstants(const StiffnessConstants& constants, QString* error = nullptr);

}  // namespace report
