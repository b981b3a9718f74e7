#pragma once

class QWidget;

namespace platform::ui {

// Shows a modeless window that keeps its owner window from taking input while
// it is open, without running a nested event loop. The owner is blocked, not
// disabled, so other windows the owner owns (and this one) stay usable; the
// owner takes input again however the window closes.
void showBlockingOwner(QWidget& window);

}  // namespace platform::ui
