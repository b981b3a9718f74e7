#pragma once

#include <QString>

#include "report/builder/CompanyInfo.h"
#include "report/builder/ReportDesigners.h"
#include "report/builder/ReportFlags.h"

class QWidget;

namespace report {

// Puts the company texts into the headers of both reports through the one
// company-block rule, and hides the Report's company section while the
// company name is empty.
void applyCompanyInfo(ReportDesigners& designers, const CompanyInfo& info);

// Saves the company information file and puts the texts into both report
// headers. Only a file really written is reported as "Information Saved." and
// clears Info_Changed; a failed write is reported and leaves the information
// marked as unsaved. Returns whether the file was written.
bool saveCompanyInfo(QWidget* owner, CompanyInfo& info, QString& Download_Title, ReportDesigners& designers,
                     ReportFlags& flags);

// After a download or an opened project file gave the data a new title:
// saves the company information file with it. The file then holds the
// company texts as they stand, so Info_Changed is cleared and the exit
// question is not asked about texts already written. When texts were cut on
// load (info.textsCut), the file gets the new title and keeps its own texts
// whole; Info_Changed is then kept. A file that cannot be written is said;
// the previous file stays as it was and Info_Changed is kept. A file refused
// at load is left alone until the user saves the texts. Returns whether it
// was written.
bool saveDataSetTitle(QWidget* owner, CompanyInfo& info, QString& Download_Title, ReportFlags& flags);

inline const QString InformationSaved = QStringLiteral("Information Saved.");
inline const QString InformationNotSaved =
    QStringLiteral("Information could not be saved. Check that the info folder can be written.");
inline const QString TitleNotSaved = QStringLiteral(
    "The title of the new data could not be saved with the company information; the previous information file "
    "is kept. Check that the info folder can be written and that its disk has room.");

}  // namespace report
