#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace download {

class DownloadDriver;
class DownloadHost;
class PanelStatusBar;
class ReceivingIndicator;
class StatusPanel;

// The import wizard "IWizard": walks the user through one download (COM port,
// instrument model, download type for the load frame, a warning, the
// instrument's instructions) and hands over to its download driver on the
// start page. Owned by the main window, shown modeless, one at a time; it
// deletes itself when it closes, never while its driver runs.
class ImportWizard : public QWidget {
  Q_OBJECT

 public:
  explicit ImportWizard(DownloadHost& host);
  ~ImportWizard() override;

  // The pages, Wizard_Step 0 to 7; 8 closes the wizard.
  enum Page { Welcome = 0, PortPage, ModelPage, TypePage, WarningPage, PreparePage, StartPage, DonePage, Close };

  // Shows the page Wizard_Step (page 3 moves on to 4 for every model but the
  // load frame). Returns "START" when it has shown the start page.
  QString Show_Step();

  void Com_Select_Click(int Index);
  void Device_Select_Click(int Index);
  void Download_Type_Click(int Index);
  // Next (0) and Previous (1); Previous captioned "Done" ends a continuous
  // download instead.
  void Import_Button_Click(int Index);

  // Shows a connection-state code 0 to 7 on the connection status panel.
  void Set_Connection_Status(int Connection_State);

  // The option arrays, for Enable_Array and Selected_Option.
  QList<QAbstractButton*> comOptions() const;
  QList<QAbstractButton*> deviceOptions() const;
  QList<QAbstractButton*> typeOptions() const;
  // Index of the chosen model option (Model_Code), 999 when none.
  int chosenModel() const;
  // Whether the continuous download type is chosen.
  bool continuousChosen() const;
  // Enables or disables the options of all three arrays.
  void enableOptions(bool enabled);
  // Back to the welcome page with the indicator hidden.
  void resetToWelcome();
  // Shows how the last download ended under the page's messages, until the
  // user moves on; an empty text hides it.
  void showEndNote(const QString& note);
  // Shows that the download waits for the silence that ends the printout,
  // beside the page's messages; an empty text hides it.
  void showEndWait(const QString& text);
  // Asks the wizard to close once its driver has returned.
  void unloadAfterDownload() { unloadRequested_ = true; }
  // True once the wizard has closed: it is about to be released and must not
  // be shown again.
  bool unloaded() const { return unloaded_; }

  DownloadDriver& driver() { return *driver_; }
  DownloadHost& host() { return host_; }

  // Controls.
  QLabel* Picture1 = nullptr;
  QGroupBox* UserMessage_Frame = nullptr;
  std::array<QPlainTextEdit*, 2> UserMessage{};
  QLabel* End_Note = nullptr;
  QLabel* End_Wait = nullptr;
  std::array<QPushButton*, 2> Import_Button{};
  QGroupBox* Com_Frame = nullptr;
  std::array<QRadioButton*, 4> Com_Select{};
  // On the port page, under the ports: the device each one is.
  QLabel* Port_Devices = nullptr;
  QGroupBox* Device_Frame = nullptr;
  std::array<QRadioButton*, 4> Device_Select{};
  QGroupBox* Download_Type_Frame = nullptr;
  std::array<QRadioButton*, 2> Download_Type{};
  ReceivingIndicator* Recieving_Frame = nullptr;
  PanelStatusBar* StatusBar1 = nullptr;
  QLineEdit* Text1 = nullptr;

  qint16 Wizard_Step = Welcome;
  StatusPanel* Connection_Panel = nullptr;
  StatusPanel* Port_Panel = nullptr;
  StatusPanel* Device_Panel = nullptr;
  StatusPanel* Type_Panel = nullptr;
  // Added by the driver at the window's first download.
  StatusPanel* Time_Panel = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void buildControls();
  // The parts of the window: the page messages and notes; the option frames
  // of the port, model and type pages; the indicator, buttons and status bar
  // of the start page; and their layout.
  void buildMessages();
  QLabel* buildNote(const QString& name);
  void buildOptionPages();
  QGroupBox* buildOptions(const QString& name, QList<QRadioButton*> options);
  void buildStartPage();
  void layOutPages();
  void connectControls();
  void Form_Load();
  void createPanels();
  // Probes the ports; meanwhile the states last found serve.
  void scanPorts();
  // Enables the port options of the usable ports.
  void applyPortStates(const QString& ports);
  void loadPictures();
  void showPage(const QString& first, const QString& second);
  // The devices of the ports, read afresh, on the port page and as the
  // options' tooltips.
  void showPortDevices();
  void clearOtherOptions(const QList<QAbstractButton*>& options, int Index);
  // A download with its time panel is running.
  bool downloadRunning() const;

  DownloadHost& host_;
  std::unique_ptr<DownloadDriver> driver_;
  bool unloadRequested_ = false;
  // A download was tried, or the user went back from the port page, since
  // the ports were last scanned.
  bool portsStale_ = false;
  bool unloaded_ = false;
};

}  // namespace download
