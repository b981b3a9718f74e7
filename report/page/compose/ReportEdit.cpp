#include "report/page/compose/ReportEdit.h"

#include <QCloseEvent>
#include <QVBoxLayout>

namespace report {
namespace {

const QString WindowName = QStringLiteral("ReportEdit");
const QString WindowCaption = QStringLiteral("Modify Report");

}  // namespace

ReportEdit::ReportEdit(QWidget* owner) : QWidget(owner, Qt::Window) {
  setObjectName(WindowName);
  setWindowTitle(WindowCaption);
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
}

void ReportEdit::hold(QWidget& panel) {
  layout()->addWidget(&panel);
  panel.show();
}

void ReportEdit::closeEvent(QCloseEvent* event) {
  // The window stays among the top-level windows until its deferred delete;
  // without its name it no longer counts as loaded for the layout that the
  // put-back runs.
  setObjectName(QString());
  if (onClose_) onClose_();
  QWidget::closeEvent(event);
}

}  // namespace report
