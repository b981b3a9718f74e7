#include "report/page/header/LogoCommands.h"

#include <QAction>
#include <QDir>
#include <QImageReader>
#include <QObject>
#include <QStringList>

#include "instrument/ProgramState.h"
#include "platform/ui/Dialogs.h"
#include "report/builder/HeaderRoom.h"
#include "report/builder/ReportFlags.h"
#include "report/page/ReportRefresh.h"

namespace report {

QString logoFileFilter() {
  QStringList patterns;
  for (const QByteArray& format : QImageReader::supportedImageFormats()) {
    const QString pattern = QStringLiteral("*.") + QString::fromLatin1(format).toLower();
    if (!patterns.contains(pattern)) patterns << pattern;
  }
  // The dialog opens on the first filter, so every readable picture (PNG
  // logos included) is listed without the user changing it.
  return QStringLiteral("%1 (%2);;%3;;%4")
      .arg(QLatin1String(AllPicturesCaption), patterns.join(QLatin1Char(' ')), QLatin1String(PictureFilter),
           QLatin1String(AllFilesFilter));
}

LogoCommands::LogoCommands(LogoContext context) : context_(std::move(context)) {}

void LogoCommands::connectMenu(const ModifyReportMenu& menu) {
  menu_ = menu;
  const std::pair<QAction*, void (LogoCommands::*)()> items[] = {{menu_.Ins_Logo, &LogoCommands::Ins_Logo_Click},
                                                                 {menu_.LJ, &LogoCommands::LJ_Click},
                                                                 {menu_.LR, &LogoCommands::LR_Click},
                                                                 {menu_.DLogo, &LogoCommands::DLogo_Click}};
  for (const auto& [item, command] : items)
    if (item != nullptr) QObject::connect(item, &QAction::triggered, item, [this, command] { (this->*command)(); });
}

void LogoCommands::Ins_Logo_Click() {
  if (context_.flags.Logo_Loaded) {
    platform::ui::Dialogs::inform(context_.owner, QString::fromLatin1(OnePictureOnly));
    return;
  }
  platform::ui::FileDialogRequest request;
  request.owner = context_.owner;
  request.folder = context_.state.Last_Path;
  request.filter = logoFileFilter();
  const std::optional<QString> file = platform::ui::Dialogs::chooseFile(request);
  if (!file) return;
  if (!insertLogo(context_.designers, context_.flags, context_.state.Model_Code, *file)) {
    platform::ui::Dialogs::inform(context_.owner,
                                  QStringLiteral("%1\n%2").arg(QLatin1String(PictureUnreadable),
                                                                QDir::toNativeSeparators(*file)));
    return;
  }
  showLogoState();
  redraw(ReportRefresh::RedrawInterval, true);
}

void LogoCommands::LJ_Click() {
  if (!context_.flags.Logo_Loaded) return;
  placeLogoLeft(context_.designers, context_.flags);
  redraw(ReportRefresh::ShortInterval);
}

void LogoCommands::LR_Click() {
  if (!context_.flags.Logo_Loaded) return;
  placeLogoRight(context_.designers, context_.flags, context_.state.Model_Code);
  redraw(ReportRefresh::ShortInterval);
}

void LogoCommands::DLogo_Click() {
  if (!context_.flags.Logo_Loaded) return;
  deleteLogo(context_.designers, context_.flags);
  showLogoState();
  // Shown at once, not left for whatever redraws next.
  redraw(ReportRefresh::ShortInterval);
}

void LogoCommands::showLogoState() {
  for (QAction* item : {menu_.LJ, menu_.LR, menu_.DLogo})
    if (item != nullptr) item->setEnabled(context_.flags.Logo_Loaded);
}

void LogoCommands::redraw(int intervalMs, bool busy) const {
  if (context_.requestRedraw) context_.requestRedraw(intervalMs, busy);
}

}  // namespace report
