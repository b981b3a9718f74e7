#include "platform/ui/OwnerBlocking.h"

#include <QWidget>

namespace platform::ui {

void showBlockingOwner(QWidget& window) {
  window.setWindowModality(Qt::WindowModal);
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace platform::ui
