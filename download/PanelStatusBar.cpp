#include "download/PanelStatusBar.h"

namespace download {

PanelStatusBar::PanelStatusBar(QWidget* parent) : QStatusBar(parent) { setSizeGripEnabled(false); }

StatusPanel* PanelStatusBar::addPanel(const QString& key, int minWidthTwips, const QString& text) {
  auto* panel = new StatusPanel(key, minWidthTwips, this);
  panel->setText(text);
  // Spring-sized: every panel takes an equal share of the free width.
  addPermanentWidget(panel, 1);
  panels_.append(panel);
  return panel;
}

void PanelStatusBar::removeAllPanels() {
  for (StatusPanel* panel : panels_) {
    removeWidget(panel);
    delete panel;
  }
  panels_.clear();
}

StatusPanel* PanelStatusBar::panel(const QString& key) const {
  for (StatusPanel* panel : panels_)
    if (panel->key() == key) return panel;
  return nullptr;
}

}  // namespace download
