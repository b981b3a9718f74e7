#pragma once

class QWidget;

namespace platform::ui {

// The window flags of a window owned by another: a dialog-type window that
// the window manager keeps above its owner and minimises with it, with a
// title bar and close box but no minimise or maximise buttons.
void makeOwnedDialog(QWidget& window);

// Moves a window so that its frame is centred on its owner's frame (on the
// owner's screen when the window would leave it). Does nothing without an
// owner.
void centreOnOwner(QWidget& window);

// A minimum width at which the window manager can show the whole title.
void keepTitleReadable(QWidget& window);

}  // namespace platform::ui
