#include "report/page/compose/ReportPageSetUp.h"

#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

#include "instrument/ProgramState.h"
#include "instrument/ProjectTableList.h"
#include "instrument/RunTables.h"
#include "platform/core/ProgramFolder.h"
#include "platform/report/PictureFile.h"
#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/ReportDesigners.h"
#include "report/builder/ReportFlags.h"
#include "report/page/ReportTabPage.h"

namespace report {
namespace {

const QString Instructions = QStringLiteral("Left Click on the window below for report options.");
const QString ColumnsHelp = QStringLiteral(
    "Use the Column List to select a column, and the Column Object to select the data the column \n"
    "will contain.  Selections can be seen in the Print Preview.");
const QString StiffnessHelp = QStringLiteral(
    "Use the viewer below to view the results of the run.  Click on the preview window to change \n"
    "the appearance of the report.");
const QString ArrowPicture = QStringLiteral("images/arw08rt.ico");
const QString ProjectPrefix = QStringLiteral("Project: ");
constexpr int CleanFontSize = 9;

void setButtonCaptions(ReportTabPage& page) {
  page.Tab2PPLAbel->setText(QStringLiteral("Print Preview"));
  page.List1Label->setText(QStringLiteral("Column Object"));
  page.List2Label->setText(QStringLiteral("Column List"));
  page.Preview_option->setText(QStringLiteral("Preview Options"));
  page.Clear_Button->setText(QStringLiteral("Clear Preview"));
  page.Save_Layout->setText(QStringLiteral("Save Layout"));
  page.Load_Layout->setText(QStringLiteral("Load Layout"));
  page.Export->setText(QStringLiteral("Export"));
}

// The project id as the tree showed it when the table was chosen there. The
// table name has lost the id's dots, and where they stood cannot be told
// from it (12.5, 1.25 and 125 are all table 125).
QString shownProjectId(const instrument::ProgramState& state) {
  const bool fromTheTree = !state.projectId.isEmpty() && instrument::listedTable(state.projectId) == state.Table_Name;
  return fromTheTree ? state.projectId : state.Table_Name;
}

}  // namespace

QString projectCaption(const instrument::ProgramState& state, bool laterRuns) {
  const QString& table = state.Table_Name;
  if (table.isEmpty() && state.Test_Name.isEmpty()) return QStringLiteral("No Project Selected");
  switch (state.Model_Code) {
    case ModelCode::LX9100: return ProjectPrefix + table;
    case ModelCode::N2600A:
    case ModelCode::N2600BX: return ProjectPrefix + shownProjectId(state) + QLatin1Char(' ') + state.Test_Name;
    case ModelCode::T7310: return ProjectPrefix + QStringLiteral("Stiffness Run Number ") + table +
                                  (laterRuns ? instrument::LaterRunsMark : QString());
    default: return QString();
  }
}

void setPageCaptions(ReportTabPage& page, int Model_Code) {
  for (QLabel* instruction : page.Instruction) instruction->setText(Instructions);
  const bool columnsOffered = Model_Code != ModelCode::T7310;
  page.List1->setEnabled(columnsOffered);
  page.List2->setEnabled(columnsOffered);
  page.Tab2Label->setText(columnsOffered ? ColumnsHelp : StiffnessHelp);
  const QPixmap arrow = QPixmap::fromImage(platform::readPictureFile(platform::ProgramFolder::path(ArrowPicture)));
  if (!arrow.isNull()) page.Image1->setPixmap(arrow);
  setButtonCaptions(page);
}

void applyPageVariant(ReportDesigners& designers, int Model_Code) {
  namespace names = platform::ReportNames;
  const bool portrait = Model_Code == ModelCode::LX9100;
  platform::ReportDesigner& report = *designers.Report;
  report.setPaperOrientation(portrait ? platform::PaperOrientation::Portrait : platform::PaperOrientation::Landscape);
  for (int i = 1; i <= 2; ++i) {
    report.member(names::landscapeLine(i)).setSuppress(portrait);
    report.member(names::landscapeBox(i)).setSuppress(portrait);
    report.member(names::portraitLine(i)).setSuppress(!portrait);
    report.member(names::portraitBox(i)).setSuppress(!portrait);
  }
  if (!portrait) designers.StiffyReport->setPaperOrientation(platform::PaperOrientation::Landscape);
}

void startCleanReport(ReportFlags& flags) {
  flags.Report_Font_Size = CleanFontSize;
  flags.Logo_Loaded = false;
  flags.Logo_Object.clear();
  flags.Stiffy_Logo_Object.clear();
  flags.Logo_Path.clear();
  flags.Noise_Block = false;
  flags.Signal_Block = false;
  flags.Used_Columns = 1;
  flags.Remarks_Column = FirstDataColumn;
  flags.New_Remarks_Column = FirstDataColumn;
}

}  // namespace report
