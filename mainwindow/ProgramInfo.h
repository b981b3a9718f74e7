#pragma once

#include <QString>

namespace mainwindow {

// The program's name, version and titles.
inline const QString ProgramTitle = QStringLiteral("Quorvane IR Download");
inline const QString MainWindowTitle = QStringLiteral("Quorvane Infrared Download Version 2.6.3");
inline constexpr int VersionMajor = 2;
inline constexpr int VersionMinor = 6;
inline constexpr int VersionRevision = 3;
inline const QString WebSiteAddress = QStringLiteral("https://www.quorvane.example/");

}  // namespace mainwindow
