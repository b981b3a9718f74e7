#pragma once

#include <QPixmap>
#include <QString>

#include <optional>

namespace download {

// The pictures of the import wizard: the picture beside its pages and the two
// pictures of the connection status panel. Each is a file of the program
// folder's images/ folder, looked up without regard to letter case; the
// program draws its own when the file is not there.

// The picture of a program file: the file when it exists and reads as a
// picture; the program's own drawing when there is no such file (for the
// wizard's pictures); nothing when the file exists but cannot be read, or is
// missing and the program has no drawing of that name.
std::optional<QPixmap> programPicture(const QString& relativePath);

// The path of a program file, matching its name without regard to letter
// case; empty when there is none.
QString findProgramFile(const QString& relativePath);

// The program's own drawings; the two connection pictures are half again as
// wide as they are high.
QPixmap drawConnectedPicture(int size = 16);
QPixmap drawUnconnectedPicture(int size = 16);
QPixmap drawWizardPicture(int width = 150, int height = 230);

}  // namespace download
