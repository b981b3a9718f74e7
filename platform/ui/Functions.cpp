#include "platform/ui/Functions.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

#include <algorithm>

namespace platform::ui {

void Select_Text() {
  QWidget* focused = QApplication::focusWidget();
  if (auto* line = qobject_cast<QLineEdit*>(focused)) {
    line->selectAll();
  } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(focused)) {
    spin->selectAll();
  } else if (auto* text = qobject_cast<QTextEdit*>(focused)) {
    text->selectAll();
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(focused)) {
    plain->selectAll();
  }
}

void Set_TopMost(QWidget& Target_Form, bool On_Top) {
  const bool shown = Target_Form.isVisible();
  if (!shown) {
    // Not placed yet: fixing its geometry now would keep it from being sized
    // to its contents and centred over its owner when it is shown.
    Target_Form.setWindowFlag(Qt::WindowStaysOnTopHint, On_Top);
    return;
  }
  const QRect place = Target_Form.geometry();
  // Changing window flags re-creates the native window and hides it.
  Target_Form.setWindowFlag(Qt::WindowStaysOnTopHint, On_Top);
  Target_Form.setGeometry(place);
  Target_Form.show();
  Target_Form.raise();
  Target_Form.activateWindow();
}

void Enable_Array(const QList<QWidget*>& Control_Array, bool Enabled_Flag) {
  for (QWidget* control : Control_Array)
    if (control != nullptr) control->setEnabled(Enabled_Flag);
}

void Enable_Array(QWidget& Control, bool Enabled_Flag) { Control.setEnabled(Enabled_Flag); }

int Selected_Option(const QList<QAbstractButton*>& Option_Array) {
  for (int i = 0; i < Option_Array.size(); ++i) {
    if (Option_Array[i] == nullptr) return 0;
    if (Option_Array[i]->isChecked()) return i;
  }
  return NoOptionSelected;
}

bool Form_Loaded(const QString& Form_Name) {
  const QList<QWidget*> windows = QApplication::topLevelWidgets();
  for (const QWidget* window : windows)
    if (window->objectName() == Form_Name) return true;
  return false;
}

QString Folder_Of(const QString& Full_Path) {
  const qsizetype cut = std::max(Full_Path.lastIndexOf(QLatin1Char('\\')),
                                 Full_Path.lastIndexOf(QLatin1Char('/')));
  if (cut < 0) return {};
  if (cut == 0 && Full_Path.front() == QLatin1Char('/')) return QStringLiteral("/");
  return Full_Path.left(cut);
}

}  // namespace platform::ui
