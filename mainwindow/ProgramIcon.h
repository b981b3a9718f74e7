#pragma once

#include <QIcon>
#include <QPixmap>

namespace mainwindow {

// The program's icon: the icon file of the program folder, or, when that file
// is missing or unreadable, the same picture drawn here.
QIcon programIcon();

// The icon picture drawn at a size (the icon file was made from it).
QPixmap drawProgramIcon(int size);

}  // namespace mainwindow
