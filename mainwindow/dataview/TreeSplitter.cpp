#include "mainwindow/dataview/TreeSplitter.h"

#include <QMouseEvent>

namespace mainwindow {

TreeSplitter::TreeSplitter(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TreeSplitter"));
  setCursor(Qt::SplitHCursor);
}

void TreeSplitter::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  pressX_ = static_cast<int>(event->globalPosition().x());
  emit dragStarted();
}

void TreeSplitter::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return QWidget::mouseMoveEvent(event);
  emit dragged(static_cast<int>(event->globalPosition().x()) - pressX_);
}

}  // namespace mainwindow
