#include "report/page/compose/ReportAreaPopOut.h"

#include <QEvent>
#include <QTabWidget>

#include "platform/core/IgnoreErrors.h"
#include "platform/core/Twips.h"
#include "platform/ui/ReportViewer.h"
#include "report/page/compose/ReportEdit.h"
#include "report/page/ReportPageHost.h"
#include "report/page/ReportTabPage.h"

namespace report {
namespace {

constexpr double ExtraWidth = 100;   // twips
constexpr double ExtraHeight = 700;  // twips: the window's caption and frame
constexpr double Offset = 250;       // twips from the main window's corner

}  // namespace

ReportAreaPopOut::ReportAreaPopOut(ReportPageHost& host, ReportTabPage& page, QObject* parent)
    : QObject(parent), host_(host), page_(page) {
  page_.Picture1->installEventFilter(this);
}

bool ReportAreaPopOut::eventFilter(QObject* watched, QEvent* event) {
  if (watched == page_.Picture1 && event->type() == QEvent::MouseButtonDblClick) {
    platform::ignoringErrors([&] { Picture1_DblClick(); });
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void ReportAreaPopOut::Picture1_DblClick() {
  if (poppedOut()) {
    window_->close();
    return;
  }
  QWidget* main = page_.window();
  const double dpi = page_.logicalDpiX();
  const auto pixels = [dpi](double twips) { return platform::twipsToPixels(twips, dpi); };
  QWidget* panel = page_.Picture1;
  const QSize size(panel->width() + pixels(ExtraWidth), panel->height() + pixels(ExtraHeight));
  const QPoint corner = main->pos() + QPoint(pixels(Offset), pixels(Offset));

  window_ = new ReportEdit(main);
  window_->setOnClose([this] { putBack(); });
  window_->hold(*panel);
  window_->resize(size);
  window_->move(corner);
  window_->show();
  page_.ReportTab->setEnabled(true);
  platform::ignoringErrors([&] { host_.Form_Resize(); });
  page_.CRViewer1[0]->setFocus();
}

void ReportAreaPopOut::putBack() {
  page_.restorePicture1();
  platform::ignoringErrors([&] { host_.Form_Resize(); });
}

}  // namespace report
