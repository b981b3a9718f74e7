#include "report/page/settings/StiffnessCons.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>
#include <QVBoxLayout>

#include "platform/ui/Dialogs.h"
#include "platform/ui/OwnedWindow.h"
#include "report/builder/ReportFlags.h"
#include "report/builder/StiffnessConstants.h"
#include "report/page/ReportPageHost.h"
#include "report/page/settings/StiffnessConsFile.h"

namespace report {
namespace {

const QString WindowCaption = QStringLiteral("Stiffness Constants");
const QString FrameCaption = QStringLiteral("Stiffness Constant Values");
const QString Captions[StiffnessConstantCount] = {
    QStringLiteral("Measured Moisture Content (% by weight/100)"),
    QStringLiteral("Assembly Mass (kg)"),
    QStringLiteral("Poisson's Ratio"),
    QStringLiteral("Density, Po (pcf)"),
    QStringLiteral("Slope (C vs. K/m)"),
    QStringLiteral("Intercept (C vs. K/m)"),
    QStringLiteral("Density, Po (kg/m^3)"),
};
const QString ButtonCaptions[] = {QStringLiteral("Ok"), QStringLiteral("Cancel"), QStringLiteral("Apply")};
const QString NotANumber = QStringLiteral("%1: \"%2\" is not a number.  No constant was changed.");
const QString GroupingComma = QStringLiteral(
    "%1: \"%2\" has a comma before three digits, which may be a thousands separator.  Write the number "
    "without it, with \".\" as the decimal point.  No constant was changed.");
const QString EmptyBoxes =
    QStringLiteral("These constants have no value and are stored as 0:\n%1\nEnter a value and press Apply to "
                   "change one.");
constexpr int BoxWidth = 90;

// A comma stays in the box: the store reads it as the decimal point (as the
// file reader does) or refuses the text, where dropping it would turn "1,5"
// into 15.
bool allowedAt(QChar c, qsizetype position) {
  return c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char(',') || (c == QLatin1Char('-') && position == 0);
}

// "1,000" is more likely a thousand than one: a comma before exactly three
// digits is refused rather than read as a decimal comma.
bool hasGroupingComma(const QString& text) {
  static const QRegularExpression grouping(QStringLiteral(",\\d{3}(?!\\d)"));
  return text.contains(grouping);
}

}  // namespace

StiffnessCons::StiffnessCons(QWidget* owner, ReportPageHost& host, ReportFlags& flags,
                             StiffnessConstants& constants, std::function<void()> saveConstants)
    : QWidget(owner, Qt::Window),
      host_(host),
      flags_(flags),
      constants_(constants),
      saveConstants_(std::move(saveConstants)) {
  setObjectName(QStringLiteral("StiffnessCons"));
  setAttribute(Qt::WA_DeleteOnClose);
  platform::ui::makeOwnedDialog(*this);
  buildControls();
  Form_Load();
}

// Placed once, when first shown: centred on the owner and whole on its screen.
void StiffnessCons::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (placed_) return;
  placed_ = true;
  adjustSize();
  platform::ui::centreOnOwner(*this);
}

void StiffnessCons::buildControls() {
  Scons_Frame = new QGroupBox(this);
  Scons_Frame->setObjectName(QStringLiteral("Scons_Frame"));
  auto* grid = new QGridLayout;
  for (int i = 0; i < StiffnessConstantCount; ++i) {
    SInfoTxt[i] = new QLineEdit(Scons_Frame);
    SInfoTxt[i]->setObjectName(QStringLiteral("SInfoTxt%1").arg(i));
    SInfoTxt[i]->setFixedWidth(BoxWidth);
    SInfoTxt[i]->installEventFilter(this);
    connect(SInfoTxt[i], &QLineEdit::textEdited, this, [this, i] { filterBox(i); });
    SInfo[i] = new QLabel(Scons_Frame);
    SInfo[i]->setObjectName(QStringLiteral("SInfo%1").arg(i));
    grid->addWidget(SInfoTxt[i], i, 0);
    grid->addWidget(SInfo[i], i, 1);
  }
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (int i = 0; i < 3; ++i) {
    SInfoB[i] = new QPushButton(Scons_Frame);
    SInfoB[i]->setObjectName(QStringLiteral("SInfoB%1").arg(i));
    SInfoB[i]->setAutoDefault(false);
    connect(SInfoB[i], &QPushButton::clicked, this, [this, i] { SInfoB_Click(i); });
    buttons->addWidget(SInfoB[i]);
  }
  auto* frame = new QVBoxLayout(Scons_Frame);
  frame->addLayout(grid);
  frame->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Scons_Frame);
}

void StiffnessCons::Form_Load() {
  flags_.Constants_Changed = false;
  setWindowTitle(WindowCaption);
  Scons_Frame->setTitle(FrameCaption);
  for (int i = 0; i < StiffnessConstantCount; ++i) {
    SInfo[i]->setText(Captions[i]);
    SInfoTxt[i]->setText(stiffnessConstantText(stiffnessConstant(constants_, i)));
  }
  for (int i = 0; i < 3; ++i) SInfoB[i]->setText(ButtonCaptions[i]);
  SInfoB[Apply]->setEnabled(false);
  // The clipboard is the user's: opening the editor leaves it as it is.
  host_.enableWindowMenus(false);
}

void StiffnessCons::SInfoB_Click(int index) {
  if (index == Ok || index == Apply) {
    if (!storeConstants()) return;
  }
  SInfoB[Apply]->setEnabled(false);
  if (index == Ok || index == Cancel) close();
}

bool StiffnessCons::storeConstants() {
  std::array<double, StiffnessConstantCount> values{};
  QStringList empty;
  for (int i = 0; i < StiffnessConstantCount; ++i) {
    const QString text = SInfoTxt[i]->text().trimmed();
    if (text.isEmpty()) {
      empty.append(Captions[i]);
      continue;
    }
    if (hasGroupingComma(text)) return refuseBox(i, GroupingComma);
    if (!parseStiffnessConstant(text, values[i])) return refuseBox(i, NotANumber);
  }
  for (int i = 0; i < StiffnessConstantCount; ++i) stiffnessConstant(constants_, i) = values[i];
  if (saveConstants_) saveConstants_();
  // The values are in use whether or not the file took them.
  flags_.Constants_Changed = true;
  if (!empty.isEmpty()) platform::ui::Dialogs::inform(this, EmptyBoxes.arg(empty.join(QLatin1Char('\n'))));
  return true;
}

bool StiffnessCons::refuseBox(int index, const QString& message) {
  platform::ui::Dialogs::inform(this, message.arg(Captions[index], SInfoTxt[index]->text().trimmed()));
  SInfoTxt[index]->setFocus();
  return false;
}

void StiffnessCons::filterBox(int index) {
  QLineEdit* box = SInfoTxt[index];
  const QString text = box->text();
  QString kept;
  int cursor = box->cursorPosition();
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (allowedAt(text[i], kept.size()))
      kept += text[i];
    else if (i < box->cursorPosition())
      --cursor;
  }
  if (kept == text) return;
  box->setText(kept);
  box->setCursorPosition(cursor);
}

void StiffnessCons::moveFocus(int index, int key) {
  if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down) && index < StiffnessConstantCount - 1)
    SInfoTxt[index + 1]->setFocus();
  else if (key == Qt::Key_Up && index >= 1)
    SInfoTxt[index - 1]->setFocus();
}

bool StiffnessCons::eventFilter(QObject* watched, QEvent* event) {
  for (int i = 0; i < StiffnessConstantCount; ++i) {
    if (watched != SInfoTxt[i]) continue;
    if (event->type() == QEvent::FocusIn) SInfoTxt[i]->selectAll();
    if (event->type() == QEvent::KeyRelease) {
      SInfoB[Apply]->setEnabled(true);
      const auto* key = static_cast<QKeyEvent*>(event);
      // With Shift held the key is a symbol, not a move.
      if (key->modifiers() != Qt::ShiftModifier) moveFocus(i, key->key());
    }
  }
  return QWidget::eventFilter(watched, event);
}

void StiffnessCons::closeEvent(QCloseEvent* event) {
  host_.enableWindowMenus(true);
  QWidget::closeEvent(event);
}

}  // namespace report
