#include "download/ComSummary.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "download/ComSummaryCaptions.h"
#include "platform/ui/OwnedWindow.h"
#include "platform/ui/OwnerBlocking.h"

namespace download {
namespace {

const QString WindowName = QStringLiteral("ComSummary");
const QString Title = QStringLiteral("Communication Summary");
const QString Heading = QStringLiteral("Comm port information:");
const QString OkCaption = QStringLiteral("Ok");
const QString LineEnd = QStringLiteral("\r\n");

}  // namespace

QString ComSummary::summaryText(const QStringList& portCaptions) {
  QString text = Heading + LineEnd + LineEnd;
  for (const QString& caption : portCaptions) text += caption + LineEnd;
  return text;
}

ComSummary::ComSummary(const QStringList& portCaptions, QWidget* owner) : QDialog(owner) {
  setObjectName(WindowName);
  platform::ui::makeOwnedDialog(*this);
  setWindowTitle(Title);
  platform::ui::keepTitleReadable(*this);
  auto* frame = new QGroupBox(this);
  Cominfo = new QLabel(summaryText(portCaptions), frame);
  Cominfo->setObjectName(QStringLiteral("Cominfo"));
  Cominfo->setTextFormat(Qt::PlainText);
  Device_Info = new QLabel(comDeviceCaptions().join(QLatin1Char('\n')), frame);
  Device_Info->setObjectName(QStringLiteral("Device_Info"));
  Device_Info->setTextFormat(Qt::PlainText);
  auto* frameLayout = new QVBoxLayout(frame);
  frameLayout->addWidget(Cominfo);
  frameLayout->addWidget(Device_Info);
  OKbutton = new QPushButton(OkCaption, this);
  OKbutton->setObjectName(QStringLiteral("OKbutton"));
  OKbutton->setDefault(true);
  connect(OKbutton, &QPushButton::clicked, this, &QDialog::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addWidget(OKbutton, 0, Qt::AlignHCenter);
}

ComSummary* ComSummary::showFor(const QStringList& portCaptions, QWidget& owner) {
  auto* summary = new ComSummary(portCaptions, &owner);
  summary->setAttribute(Qt::WA_DeleteOnClose);
  platform::ui::showBlockingOwner(*summary);
  return summary;
}

}  // namespace download
