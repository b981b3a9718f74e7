#include "platform/ui/OwnedWindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QWidget>

namespace platform::ui {
namespace {

// Room for the icon, the close box and the frame around the title text.
constexpr int TitleBarAllowance = 120;

}  // namespace

void makeOwnedDialog(QWidget& window) {
  window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowCloseButtonHint);
}

void centreOnOwner(QWidget& window) {
  const QWidget* owner = window.parentWidget();
  if (owner == nullptr) return;
  const QRect ownerFrame = owner->window()->frameGeometry();
  // The frame is known only once the window is shown; until then its size is
  // the best guess.
  const QSize frame = window.isVisible() ? window.frameGeometry().size() : window.size();
  QRect place(QPoint(0, 0), frame);
  place.moveCenter(ownerFrame.center());
  if (const QScreen* screen = owner->screen()) {
    const QRect area = screen->availableGeometry();
    place.moveLeft(qBound(area.left(), place.left(), qMax(area.left(), area.right() - place.width())));
    place.moveTop(qBound(area.top(), place.top(), qMax(area.top(), area.bottom() - place.height())));
  }
  window.move(place.topLeft());
}

void keepTitleReadable(QWidget& window) {
  const QFontMetrics metrics(QApplication::font("QMdiSubWindowTitleBar"));
  const int width = metrics.horizontalAdvance(window.windowTitle()) + TitleBarAllowance;
  if (window.minimumWidth() < width) window.setMinimumWidth(width);
}

}  // namespace platform::ui
