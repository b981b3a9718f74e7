#pragma once

#include <QString>

namespace platform {

// Every file of the program folder, each with its one spelling (file names are
// case-sensitive here). Use with ProgramFolder::path().
namespace ProgramFiles {
inline const QString Database = QStringLiteral("info/KORVIS.qvd");
inline const QString DatabaseLock = QStringLiteral("info/KORVIS.ldb");
inline const QString TableList = QStringLiteral("info/DBTbles.qvt");
// Copies of the working database and the table list, kept while a download or
// a project open replaces them.
inline const QString DatabaseBackup = QStringLiteral("info/KORVIS.qvd.bak");
inline const QString TableListBackup = QStringLiteral("info/DBTbles.qvt.bak");
// Present while a replacement is under way: the copies above are then the
// data to come back at the next start if the program ends before it is done.
inline const QString ReplacementMark = QStringLiteral("info/KORVIS.qvd.replacing");
// Held by the running program, so that a second start on the same folder is
// refused.
inline const QString ProgramLock = QStringLiteral("info/Program.lck");
inline const QString CompanyInfo = QStringLiteral("info/Info.qvt");
inline const QString StiffnessConstants = QStringLiteral("info/StiffnessCons.qvt");
inline const QString ComPortMap = QStringLiteral("info/ComPorts.qvt");
inline const QString LayoutLoadFrame = QStringLiteral("info/LayoutL.qvt");
inline const QString LayoutN2600A = QStringLiteral("info/LayoutA.qvt");
inline const QString LayoutN2600BX = QStringLiteral("info/LayoutB.qvt");
inline const QString LayoutStiffness = QStringLiteral("info/LayoutS.qvt");
inline const QString HeaderLayoutLoadFrame = QStringLiteral("info/LayoutLhdr.qvt");
inline const QString HeaderLayoutN2600A = QStringLiteral("info/LayoutAhdr.qvt");
inline const QString HeaderLayoutN2600BX = QStringLiteral("info/LayoutBhdr.qvt");
inline const QString HeaderLayoutStiffness = QStringLiteral("info/LayoutShdr.qvt");
inline const QString GraphImage = QStringLiteral("images/GraphImage.bmp");
inline const QString SplashMovie = QStringLiteral("images/splash1.swf");
inline const QString Icon = QStringLiteral("images/iricon.ico");
inline const QString WizardPicture = QStringLiteral("images/importwizardpic.bmp");
// Looked up without regard to letter case (the program names them both ways).
inline const QString ConnectedPicture = QStringLiteral("images/Connected.bmp");
inline const QString UnconnectedPicture = QStringLiteral("images/Unconnected.bmp");
inline const QString HelpFile = QStringLiteral("help/TELVIS.hlp");
// Those of the files above that the program writes whole (WholeFile).
inline const QString WrittenWhole[] = {TableList,          ReplacementMark,       CompanyInfo,
                                       StiffnessConstants, LayoutLoadFrame,       LayoutN2600A,
                                       LayoutN2600BX,      LayoutStiffness,       HeaderLayoutLoadFrame,
                                       HeaderLayoutN2600A, HeaderLayoutN2600BX,   HeaderLayoutStiffness,
                                       GraphImage};
}  // namespace ProgramFiles

}  // namespace platform
