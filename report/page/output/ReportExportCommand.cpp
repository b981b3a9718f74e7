#include "report/page/output/ReportExportCommand.h"

#include <QDir>
#include <QTabWidget>

#include <algorithm>

#include "instrument/DeviceType.h"
#include "instrument/writeout.h"
#include "platform/core/IgnoreErrors.h"
#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportExporter.h"
#include "platform/report/ReportLayout.h"
#include "platform/ui/Dialogs.h"
#include "report/builder/ReportDesigners.h"
#include "report/page/output/ExportForm.h"
#include "report/page/ReportTabPage.h"
#include "report/page/output/writeoutStiffy.h"

namespace report {
namespace {

constexpr int RawDataTab = 0;

const QString ExportFailed = QStringLiteral("The report could not be exported to %1.");
const QString ApplicationFailed = QStringLiteral("The report could not be opened in its application.");
const QString NoSuchPages = QStringLiteral("The pages asked for are not in the report.");
const QString RawCsvFailed = QStringLiteral("The raw data could not be exported to %1.");
// %1: the file; %2: why.
const QString StiffyCsvNotWritten = QStringLiteral("The stiffness data could not be exported to %1: %2.");
const QString ExportStopped = QStringLiteral("The export stopped on an unexpected error.");
const QString FilesWritten = QStringLiteral("Status: Exported to %1");

int pagesOf(const platform::ReportDesigner& report) { return platform::ReportLayout::layout(report).pageCount(); }

QString failureMessage(platform::ReportStatus status, const platform::ReportExportOptions& options) {
  if (status == platform::ReportStatus::NoPages) return NoSuchPages;
  if (options.destinationType == platform::ExportDestination::Application) return ApplicationFailed;
  return ExportFailed.arg(options.diskFileName);
}

}  // namespace

ReportExportCommand::ReportExportCommand(ReportDesigners& designers, instrument::ProgramState& state,
                                         ReportTabPage& page)
    : designers_(designers), state_(state), page_(page) {}

ReportExportCommand::~ReportExportCommand() { delete form_.data(); }

ExportForm* ReportExportCommand::exportForm() const { return form_; }

void ReportExportCommand::Export_Click() {
  if (state_.Table_Name.isEmpty() || form_ || exporting_) return;
  const int tab = page_.shownReport();
  ExportForm::Context context;
  context.Model_Code = state_.Model_Code;
  context.shownReportTab = tab;
  context.Last_Path = &state_.Last_Path;
  // The range must lie within every report the export covers.
  context.pageCount = [this, tab](bool exportAll) {
    if (exportAll)
      return state_.Model_Code == instrument::ModelCode::T7310
                 ? std::min(pagesOf(*designers_.Report), pagesOf(*designers_.StiffyReport))
                 : pagesOf(*designers_.Report);
    return pagesOf(tab == RawDataTab ? *designers_.Report : *designers_.StiffyReport);
  };
  form_ = new ExportForm(Export_Choices_, std::move(context), page_.window());
  QObject::connect(form_, &QDialog::finished, form_, [this] { exportConfirmedChoices(); });
  form_->show();
}

void ReportExportCommand::exportConfirmedChoices() {
  form_.clear();
  if (!Export_Choices_.Export_Confirmed) return;
  Export_CSV = state_.Model_Code == instrument::ModelCode::N2600A;
  CRViewer1_ExportButtonClicked(page_.shownReport() != RawDataTab ? 1 : 0);
  Export_CSV = false;
}

void ReportExportCommand::viewerExportClicked(int index) {
  if (form_ || exporting_) return;
  if (Export_Choices_.Export_Format.isEmpty()) {
    Export_Click();
    return;
  }
  CRViewer1_ExportButtonClicked(index);
}

bool ReportExportCommand::CRViewer1_ExportButtonClicked(int /*index*/) {
  if (exporting_) return false;
  exporting_ = true;
  filesWritten_.clear();
  const int tab = page_.shownReport();
  bool written = false;
  const bool ran = platform::ignoringErrors([&] {
    setDestinations();
    if (Export_Choices_.Export_Destination == ExportChoice::Disk) setFileNames(tab);
    setPages(*designers_.Report);
    setPages(*designers_.StiffyReport);
    written = Export_Choices_.Export_Format == ExportChoice::Csv ? writeCsv(tab) : exportReports(tab);
  });
  if (!ran) platform::ui::Dialogs::inform(page_.window(), ExportStopped);
  announceFilesWritten();
  exporting_ = false;
  return ran && written;
}

void ReportExportCommand::setDestinations() {
  const int destination = Export_Choices_.Export_Destination == ExportChoice::Application
                              ? platform::ExportDestination::Application
                              : platform::ExportDestination::DiskFile;
  designers_.Report->exportOptions().destinationType = destination;
  designers_.StiffyReport->exportOptions().destinationType = destination;
}

void ReportExportCommand::setFileNames(int tab) {
  if (Export_Choices_.Export_What == ExportChoice::All && state_.Model_Code == instrument::ModelCode::T7310) {
    designers_.Report->exportOptions().diskFileName = Export_Choices_.Export_Raw_File;
    designers_.StiffyReport->exportOptions().diskFileName = Export_Choices_.Export_Stiff_File;
  } else if (tab == RawDataTab) {
    designers_.Report->exportOptions().diskFileName = Export_Choices_.Export_Raw_File;
  } else {
    designers_.StiffyReport->exportOptions().diskFileName = Export_Choices_.Export_Stiff_File;
  }
}

void ReportExportCommand::setPages(platform::ReportDesigner& report) {
  platform::ReportExportOptions& options = report.exportOptions();
  const bool all = Export_Choices_.Export_Range != ExportChoice::Range;
  const int first = static_cast<qint16>(Export_Choices_.Export_Range_Start.toInt());
  const int last = static_cast<qint16>(Export_Choices_.Export_Range_End.toInt());
  if (Export_Choices_.Export_Format == ExportChoice::Rtf) {
    options.rtfAllPages = all;
    if (!all) {
      options.rtfFirstPage = first;
      options.rtfLastPage = last;
    }
  } else if (Export_Choices_.Export_Format == ExportChoice::Pdf) {
    options.pdfAllPages = all;
    if (!all) {
      options.pdfFirstPage = first;
      options.pdfLastPage = last;
    }
  }
}

bool ReportExportCommand::coversStiffness(int tab) const {
  if (Export_Choices_.Export_What == ExportChoice::All) return state_.Model_Code == instrument::ModelCode::T7310;
  return tab != RawDataTab;
}

// A failed export ends the export: the user is told and nothing further goes out.
bool ReportExportCommand::exportReports(int tab) {
  const int format = Export_Choices_.Export_Format == ExportChoice::Rtf ? platform::ExportFormat::RichText
                                                                          : platform::ExportFormat::Pdf;
  designers_.Report->exportOptions().formatType = format;
  designers_.StiffyReport->exportOptions().formatType = format;
  if (Export_Choices_.Export_What == ExportChoice::All)
    return exportReport(*designers_.Report) && (!coversStiffness(tab) || exportReport(*designers_.StiffyReport));
  if (Export_Choices_.Export_What == ExportChoice::Current)
    return exportReport(coversStiffness(tab) ? *designers_.StiffyReport : *designers_.Report);
  return true;
}

bool ReportExportCommand::exportReport(platform::ReportDesigner& report) {
  platform::ReportStatus status = platform::ReportStatus::Ok;
  {
    const FreeColumnsHidden freeColumnsHidden(hiding_, report, &report == designers_.Report.get());
    status = platform::ReportExporter::exportReport(report);
  }
  if (status == platform::ReportStatus::Ok) {
    if (report.exportOptions().destinationType == platform::ExportDestination::DiskFile)
      filesWritten_ << report.exportOptions().diskFileName;
    return true;
  }
  platform::ui::Dialogs::inform(page_.window(), failureMessage(status, report.exportOptions()));
  return false;
}

// The stiffness CSV comes first; its failure does not keep the raw data from
// being written.
bool ReportExportCommand::writeCsv(int tab) {
  if (Export_Choices_.Export_What == ExportChoice::All) {
    const bool stiffness = state_.Model_Code != instrument::ModelCode::T7310 || writeStiffyCsv();
    const bool raw = writeRawCsv();
    return stiffness && raw;
  }
  return coversStiffness(tab) ? writeStiffyCsv() : writeRawCsv();
}

bool ReportExportCommand::writeRawCsv() {
  const QString file = designers_.Report->exportOptions().diskFileName;
  instrument::writeout writer;
  const instrument::SaveStatus status =
      writer.writeout_(file, tableList_ ? tableList_() : QString(), static_cast<qint16>(state_.Model_Code),
                       state_.Table_Name, Export_CSV);
  if (status == instrument::SaveStatus::Saved) {
    filesWritten_ << file;
    return true;
  }
  platform::ui::Dialogs::inform(page_.window(), writer.message().isEmpty() ? RawCsvFailed.arg(file) : writer.message());
  return false;
}

bool ReportExportCommand::writeStiffyCsv() {
  const QString file = designers_.StiffyReport->exportOptions().diskFileName;
  QString why;
  if (writeoutStiffy(*designers_.StiffyReport, file, &why) == StiffyCsvStatus::Written) {
    filesWritten_ << file;
    return true;
  }
  // The writer says why, which is never a file some program holds open.
  platform::ui::Dialogs::inform(page_.window(),
                                why.isEmpty() ? StiffyCsvFailedMessage : StiffyCsvNotWritten.arg(file, why));
  return false;
}

// Files written before a later step failed are named too: they are on disk.
void ReportExportCommand::announceFilesWritten() const {
  if (filesWritten_.isEmpty() || !filesWrittenNotice_) return;
  QStringList shown;
  for (const QString& file : filesWritten_) shown << QDir::toNativeSeparators(file);
  filesWrittenNotice_(FilesWritten.arg(shown.join(QStringLiteral(", "))));
}

}  // namespace report
