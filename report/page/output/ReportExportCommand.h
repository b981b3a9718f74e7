#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

#include "instrument/ProgramState.h"
#include "report/page/output/ExportChoices.h"
#include "report/page/output/FreeColumnHiding.h"

namespace platform {
class ReportDesigner;
}

namespace report {

class ExportForm;
struct ReportDesigners;
class ReportTabPage;

// Exporting the report. Export_Click shows the export options dialog; when it
// is left with a valid OK the choices are carried out: rich text or PDF by the
// designers' export, to disk or to the format's application (the raw-data
// report without its free columns, as it prints), and CSV by the
// program's writers: the raw data of the selected table through the project
// file writer, the stiffness report through writeoutStiffy. Every failure is
// told through the dialog seam; a failed stiffness CSV does not keep the raw
// data CSV from being written.
class ReportExportCommand {
 public:
  ReportExportCommand(ReportDesigners& designers, instrument::ProgramState& state, ReportTabPage& page);
  ~ReportExportCommand();
  ReportExportCommand(const ReportExportCommand&) = delete;
  ReportExportCommand& operator=(const ReportExportCommand&) = delete;

  // What gives the table list of the working database (the port wrapper's
  // Tables_Created), for the raw data CSV.
  void setTableList(std::function<QString()> tableList) { tableList_ = std::move(tableList); }

  // Where the status text naming the files an export wrote goes (the main
  // window's status bar). The viewer's button exports without asking, so
  // this is how the user learns what was written and where.
  void setFilesWrittenNotice(std::function<void(const QString&)> notice) { filesWrittenNotice_ = std::move(notice); }

  // The hiding of free columns: the raw-data report exports as it prints.
  // Until it is set nothing is hidden.
  void setColumnHiding(FreeColumnHiding hiding) { hiding_ = std::move(hiding); }

  // The "Export" button. Does nothing without a selected table, or while the
  // dialog is open or an export runs.
  void Export_Click();

  // Carries out the choices as they stand; false when something could not be
  // written (and the user was told). The viewer index is not used: the shown
  // report tab decides.
  bool CRViewer1_ExportButtonClicked(int index);

  // The viewers' own export button: the choices of the last confirmed dialog,
  // or the dialog when there were none yet.
  void viewerExportClicked(int index);

  Export_Choices& choices() { return Export_Choices_; }
  ExportForm* exportForm() const;

 private:
  void exportConfirmedChoices();
  void setDestinations();
  void setFileNames(int tab);
  void setPages(platform::ReportDesigner& report);
  bool exportReports(int tab);
  bool exportReport(platform::ReportDesigner& report);
  bool writeCsv(int tab);
  bool writeRawCsv();
  bool writeStiffyCsv();
  bool coversStiffness(int tab) const;
  void announceFilesWritten() const;

  ReportDesigners& designers_;
  instrument::ProgramState& state_;
  ReportTabPage& page_;
  Export_Choices Export_Choices_;
  FreeColumnHiding hiding_;
  std::function<QString()> tableList_;
  std::function<void(const QString&)> filesWrittenNotice_;
  QStringList filesWritten_;  // by the export that runs, in the order written
  QPointer<ExportForm> form_;
  bool Export_CSV = false;  // the N2600A raw data goes out comma-separated (set by Export_Click)
  bool exporting_ = false;
};

}  // namespace report
