#pragma once

#include <QList>
#include <QStatusBar>

#include "download/StatusPanel.h"

namespace download {

// A status bar made of keyed panels, in the order they were added.
class PanelStatusBar : public QStatusBar {
  Q_OBJECT

 public:
  explicit PanelStatusBar(QWidget* parent = nullptr);

  StatusPanel* addPanel(const QString& key, int minWidthTwips, const QString& text = {});
  void removeAllPanels();
  int panelCount() const { return static_cast<int>(panels_.size()); }
  // The panel of a key, nullptr when there is none.
  StatusPanel* panel(const QString& key) const;
  const QList<StatusPanel*>& panels() const { return panels_; }

 private:
  QList<StatusPanel*> panels_;
};

}  // namespace download
