#include "report/page/settings/LayoutCommands.h"

#include <QApplication>
#include <QDir>

#include "instrument/ProgramState.h"
#include "platform/core/IgnoreErrors.h"
#include "platform/ui/Dialogs.h"
#include "report/page/header/LogoCommands.h"

namespace report {
namespace {

constexpr int LoadMode = 0;
constexpr int SaveMode = 1;
constexpr const char* HeaderLayoutNotLoaded = "The header layout could not be loaded:";

class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

LayoutCommands::LayoutCommands(LayoutContext context) : context_(std::move(context)) {}

void LayoutCommands::Save_Layout_Click() {
  QString error;
  bool saved = true;
  if (columns_.save) saved = columns_.save(&error);
  if (saved) saved = Layout_Header_File(SaveMode, &error);
  const QString message = saved ? QString::fromLatin1(LayoutSaved)
                                : QStringLiteral("%1\n%2").arg(QLatin1String(LayoutNotSaved), error);
  platform::ui::Dialogs::inform(context_.owner, message);
}

void LayoutCommands::Load_Layout_Click() {
  const BusyCursor busy;
  if (columns_.load) platform::ignoringErrors([&] { columns_.load(); });
  platform::ignoringErrors([&] { Layout_Header_File(LoadMode); });
}

bool LayoutCommands::Layout_Header_File(int mode, QString* error) {
  if (mode == SaveMode) return saveHeaderLayout(context_.designers, context_.flags, context_.state.Model_Code, error);
  if (mode != LoadMode) return false;
  const HeaderLayoutLoad load =
      loadHeaderLayout(context_.designers, context_.flags, context_.state.Model_Code, resize_);
  if (load.outcome == HeaderLayoutLoad::Missing) {
    if (!load.unreadable.isEmpty())
      platform::ui::Dialogs::inform(context_.owner, QStringLiteral("%1\n%2").arg(QLatin1String(HeaderLayoutNotLoaded),
                                                                               load.unreadable));
    return true;
  }
  context_.logo.showLogoState();
  if (context_.requestRedraw) context_.requestRedraw();
  if (!load.unreadablePicture.isEmpty())
    platform::ui::Dialogs::inform(context_.owner, QStringLiteral("%1\n%2").arg(
                                                      QLatin1String(PictureUnreadable),
                                                      QDir::toNativeSeparators(load.unreadablePicture)));
  return true;
}

}  // namespace report
