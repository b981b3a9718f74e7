#include "report/page/header/CompanyInfoSave.h"

#include "platform/core/IgnoreErrors.h"
#include "platform/report/ReportNames.h"
#include "platform/ui/Dialogs.h"
#include "report/builder/CompanyBlock.h"
#include "report/page/header/InfoFile.h"

namespace report {

void applyCompanyInfo(ReportDesigners& designers, const CompanyInfo& info) {
  platform::ignoringErrors([&] { writeCompanyBlock(*designers.Report, info, ReportCompanyObjects); });
  platform::ignoringErrors([&] { writeCompanyBlock(*designers.StiffyReport, info, StiffyCompanyObjects); });
  platform::ignoringErrors([&] {
    platform::ReportSection* header = designers.Report->section(platform::ReportNames::section(1));
    const QString company = designers.Report->member(QStringLiteral("Company")).text().value_or(QString());
    if (header != nullptr) header->setSuppress(company.isEmpty());
  });
}

bool saveCompanyInfo(QWidget* owner, CompanyInfo& info, QString& Download_Title, ReportDesigners& designers,
                     ReportFlags& flags) {
  const bool saved = Info_File(InfoFileSave, info, Download_Title);
  applyCompanyInfo(designers, info);
  if (!saved) {
    platform::ui::Dialogs::inform(owner, InformationNotSaved);
    return false;
  }
  platform::ui::Dialogs::inform(owner, InformationSaved);
  flags.Info_Changed = false;
  return true;
}

bool saveDataSetTitle(QWidget* owner, CompanyInfo& info, QString& Download_Title, ReportFlags& flags) {
  // Written now, a refused file would lose what it holds for the defaults.
  if (info.fileRefused()) return false;
  // With texts cut on load, only the title is new: the file keeps its texts
  // whole, and the texts held here stay unsaved.
  if (info.textsCut ? saveTitleKeepingTexts(Download_Title) : Info_File(InfoFileSave, info, Download_Title)) {
    if (!info.textsCut) flags.Info_Changed = false;
    return true;
  }
  platform::ui::Dialogs::message({owner, TitleNotSaved, QString(), platform::ui::MessageButtons::Ok,
                                  platform::ui::MessageIcon::Warning});
  return false;
}

}  // namespace report
