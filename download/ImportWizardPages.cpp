// The pages of the import wizard: what each step shows.

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "download/DownloadDriver.h"
#include "download/ImportWizard.h"
#include "download/ReceivingIndicator.h"
#include "download/StatusPanel.h"
#include "download/WizardTexts.h"
#include "instrument/DeviceType.h"
#include "platform/ui/Functions.h"

namespace download {
namespace {

namespace ModelCode = instrument::ModelCode;

const QString WelcomeText = QStringLiteral("Welcome to the Quorvane Download Import Wizard.  This Wizard will ") +
                            QStringLiteral("assist you with importing data sets from a Quorvane Gauge. ");
const QString ClickNext = QStringLiteral("Click Next to continue. ");
const QString PortText = QStringLiteral("Select the COM Port that the Infared Device is connected to.  You can ") +
                         QStringLiteral("only select from available COM ports.");
const QString ModelText = QStringLiteral("Select the device that is connected to the COM port.");
const QString TypeText = QStringLiteral("The LX9100 support two types of download.  Select the type ") +
                         QStringLiteral("of download option you would like to perform.");
const QString WarningText = QStringLiteral("WARNING:  Once the transmission of data between the gauge and the ") +
                            QStringLiteral("has computer has started, all current imported data will ") +
                            QStringLiteral("be lost.  To avoid this save current information within ") +
                            QStringLiteral("the Data tab located in the main window.");

const QString PlaceIrDevice = QStringLiteral("Make sure IR Device is placed correctly over COM PORT on Gauge. ");
const QString PrepareN2600BX = QStringLiteral("Start Infared Download from Gauge.  From the Main Menu of the ") +
                               QStringLiteral("Gauge select Data(F1) and then select PROJECTS(F3). ");
const QString PrepareGauge = QStringLiteral("Prepare to start Infared Download from Gauge. ");
const QString PrepareLX9100 = QStringLiteral("Run selected tests on the LX9100, and make sure the LX9100 is ") +
                              QStringLiteral("connected to the computer through the Serial Port. ");

const QString NoteBefor =
    QStringLiteral("NOTE:  Gauge may finish transmitting befor program has finished processing data. ");
const QString NoteBefore =
    QStringLiteral("NOTE:  Gauge may finish transmitting before program has finished processing data. ");
const QString NoteLX9100 =
    QStringLiteral("NOTE:  Gauge may finish transmitting before program has finished processing data.");
const QString PleaseWait = QStringLiteral("Please wait...");
const QString StartT7310 = QStringLiteral("Press SHIFT then PRINT, located on front panel of Gauge. ");
const QString StartN2600BX = QStringLiteral("Select START IR DOWNLOAD(F4) from the Gauge. ");
const QString StartN2600A = QStringLiteral("Press PRINT, located on front panel of Gauge. ");
const QString StartLX9100 = QStringLiteral("Select PRINT DATA from the LX9100. ");

const QString CompleteText = QStringLiteral("Gauge data import complete!");
const QString CautionText = QStringLiteral("CAUTION:  Do not erase gauge data until download data is verified.");

const QString PortNone = QStringLiteral("Port: None");
const QString DevNone = QStringLiteral("Dev: None");
const QString TypeNone = QStringLiteral("DL Type: None");
const QString PortChosen = QStringLiteral("Port: COM");
const QString DevChosen = QStringLiteral("Dev: ");
const QString TypeChosen = QStringLiteral("DL Type: ");
const QString TypeNotApplicable = QStringLiteral("DL Type: N/A");

QString prepareFirst(int model) {
  switch (model) {
    case ModelCode::N2600BX:
      return PrepareN2600BX;
    case ModelCode::N2600A:
    case ModelCode::T7310:
      return PrepareGauge;
    case ModelCode::LX9100:
      return PrepareLX9100;
    default:
      return {};
  }
}

QString prepareSecond(int model) {
  return model == ModelCode::N2600BX || model == ModelCode::N2600A || model == ModelCode::T7310 ? PlaceIrDevice
                                                                                                 : QString();
}

QString startFirst(int model) {
  switch (model) {
    case ModelCode::T7310:
      return StartT7310 + NoteBefor + PleaseWait;
    case ModelCode::N2600BX:
      return StartN2600BX + NoteBefore + PleaseWait;
    case ModelCode::N2600A:
      return StartN2600A + NoteBefor + PleaseWait;
    case ModelCode::LX9100:
      return StartLX9100 + NoteLX9100 + PleaseWait;
    default:
      return PleaseWait;
  }
}

// The caption of the chosen option of an array, empty when none is chosen.
QString chosenCaption(const QList<QAbstractButton*>& options) {
  const int chosen = platform::ui::Selected_Option(options);
  return chosen >= 0 && chosen < options.size() ? options[chosen]->text() : QString();
}

}  // namespace

void ImportWizard::showPage(const QString& first, const QString& second) {
  UserMessage[0]->setPlainText(first);
  UserMessage[1]->setPlainText(second);
}

QString ImportWizard::Show_Step() {
  QPushButton* next = Import_Button[0];
  QPushButton* previous = Import_Button[1];
  const auto disableNextWithoutChoice = [&](const QList<QAbstractButton*>& options) {
    if (platform::ui::Selected_Option(options) == platform::ui::NoOptionSelected) next->setEnabled(false);
  };

  if (Wizard_Step == TypePage && chosenModel() != ModelCode::LX9100) {
    Device_Frame->hide();
    Device_Panel->setText(DevChosen + chosenCaption(deviceOptions()));
    ++Wizard_Step;
  }

  switch (Wizard_Step) {
    case Welcome:
      showPage(WelcomeText, ClickNext);
      previous->setText(WizardTexts::Previous);
      previous->hide();
      next->setText(WizardTexts::Next);
      next->setEnabled(true);
      Com_Frame->hide();
      Port_Panel->setText(PortNone);
      Device_Panel->setText(DevNone);
      Type_Panel->setText(TypeNone);
      break;
    case PortPage:
      showPage(PortText, QString());
      // Only the ports that are there can be chosen: after a try, which
      // enabled every option again, they are scanned afresh.
      if (portsStale_) scanPorts();
      showPortDevices();
      disableNextWithoutChoice(comOptions());
      previous->show();
      Com_Frame->show();
      Device_Frame->hide();
      Device_Panel->setText(DevNone);
      break;
    case ModelPage:
      showPage(ModelText, QString());
      disableNextWithoutChoice(deviceOptions());
      Com_Frame->hide();
      Device_Frame->show();
      Download_Type_Frame->hide();
      Port_Panel->setText(PortChosen + QString::number(platform::ui::Selected_Option(comOptions()) + 1));
      Type_Panel->setText(TypeNone);
      break;
    case TypePage:
      showPage(TypeText, QString());
      disableNextWithoutChoice(typeOptions());
      Device_Frame->hide();
      Download_Type_Frame->show();
      Device_Panel->setText(DevChosen + chosenCaption(deviceOptions()));
      break;
    case WarningPage:
      showPage(WarningText, QString());
      Download_Type_Frame->hide();
      Type_Panel->setText(chosenModel() == ModelCode::LX9100 ? TypeChosen + chosenCaption(typeOptions())
                                                            : TypeNotApplicable);
      break;
    case PreparePage:
      showPage(prepareFirst(chosenModel()), prepareSecond(chosenModel()));
      break;
    case StartPage:
      showPage(startFirst(chosenModel()), WizardTexts::WaitingForData);
      next->setEnabled(false);
      if (continuousChosen()) {
        previous->show();
        previous->setText(WizardTexts::Done);
        previous->setEnabled(true);
      } else {
        previous->hide();
      }
      enableOptions(false);
      return DownloadDriver::StartSignal;
    case DonePage:
      showPage(CompleteText, CautionText);
      next->setText(WizardTexts::Finished);
      previous->hide();
      Recieving_Frame->hide();
      break;
    default:
      break;
  }
  return {};
}

}  // namespace download
