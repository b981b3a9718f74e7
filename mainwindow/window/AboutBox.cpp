#include "mainwindow/window/AboutBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "mainwindow/ProgramIcon.h"
#include "mainwindow/ProgramInfo.h"
#include "platform/core/IgnoreErrors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Functions.h"
#include "platform/ui/OwnedWindow.h"
#include "platform/ui/OwnerBlocking.h"

namespace mainwindow {
namespace {

const QString WindowName = QStringLiteral("frmAbout");
const QString AboutTitle = QStringLiteral("About Quorvane IR Download");
const QString Disclaimer =
    QStringLiteral("Warning: For use with Microsoft NT and Microsoft Windows Operating Systems.");
const QString SysInfoUnavailable = QStringLiteral("System Information Is Unavailable At This Time");
const QString OkCaption = QStringLiteral("OK");
const QString SysInfoCaption = QStringLiteral("&System Info...");
const QString ContactLines = QStringLiteral(
    "Quorvane Instruments\nField and Laboratory Testing Equipment\nSupport: support@quorvane.example");
const QString LegalNotice = QStringLiteral(
    "This program is protected by copyright law. Unauthorized reproduction or distribution of this "
    "program, or any portion of it, is not permitted.");
constexpr int IconSize = 48;
constexpr int TextHeight = 76;
constexpr int BoxWidth = 470;

}  // namespace

QString AboutBox::versionLine() {
  return QStringLiteral("Version %1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision);
}

AboutBox::AboutBox(QWidget* owner) : QDialog(owner) {
  setObjectName(WindowName);
  platform::ui::makeOwnedDialog(*this);
  picIcon = new QLabel(this);
  picIcon->setObjectName(QStringLiteral("picIcon"));
  lblTitle = new QLabel(this);
  lblTitle->setObjectName(QStringLiteral("lblTitle"));
  QFont titleFont = lblTitle->font();
  titleFont.setPointSize(titleFont.pointSize() + 4);
  titleFont.setBold(true);
  lblTitle->setFont(titleFont);
  lblVersion = new QLabel(this);
  lblVersion->setObjectName(QStringLiteral("lblVersion"));
  lblDisclaimer = new QLabel(Disclaimer, this);
  lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
  lblDisclaimer->setWordWrap(true);
  contactText = new QTextEdit(this);
  contactText->setPlainText(ContactLines);
  legalText = new QTextEdit(this);
  legalText->setPlainText(LegalNotice);
  for (QTextEdit* text : {contactText, legalText}) {
    text->setReadOnly(true);
    text->setFixedHeight(TextHeight);
  }
  cmdOK = new QPushButton(OkCaption, this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);
  cmdSysInfo = new QPushButton(SysInfoCaption, this);
  cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
  connect(cmdOK, &QPushButton::clicked, this, &AboutBox::cmdOK_Click);
  connect(cmdSysInfo, &QPushButton::clicked, this, &AboutBox::cmdSysInfo_Click);

  auto* layout = new QGridLayout(this);
  layout->addWidget(picIcon, 0, 0, 2, 1, Qt::AlignTop);
  layout->addWidget(lblTitle, 0, 1, 1, 2);
  layout->addWidget(lblVersion, 1, 1, 1, 2);
  layout->addWidget(contactText, 2, 1, 1, 2);
  layout->addWidget(legalText, 3, 0, 1, 3);
  layout->addWidget(lblDisclaimer, 4, 0, 1, 2);
  layout->addWidget(cmdOK, 4, 2);
  layout->addWidget(cmdSysInfo, 5, 2);
  setMinimumWidth(BoxWidth);
  Form_Load();
}

void AboutBox::Form_Load() {
  platform::ignoringErrors([&] { setWindowTitle(AboutTitle); });
  platform::ignoringErrors([&] { lblVersion->setText(versionLine()); });
  platform::ignoringErrors([&] { lblTitle->setText(ProgramTitle); });
  platform::ignoringErrors([&] {
    const QIcon icon = programIcon();
    picIcon->setPixmap(icon.pixmap(IconSize, IconSize));
    setWindowIcon(icon);
  });
}

AboutBox* AboutBox::showFor(QWidget& owner) {
  auto* box = new AboutBox(&owner);
  box->setAttribute(Qt::WA_DeleteOnClose);
  platform::ui::Set_TopMost(*box, true);
  platform::ui::showBlockingOwner(*box);
  return box;
}

void AboutBox::cmdOK_Click() {
  platform::ui::Set_TopMost(*this, false);
  close();
}

void AboutBox::StartSysInfo() { platform::ui::Dialogs::inform(this, SysInfoUnavailable, ProgramTitle); }

}  // namespace mainwindow
