#include "mainwindow/tree/SelectionQueries.h"

#include "instrument/DeviceType.h"
#include "mainwindow/tree/LaterRunsTable.h"

namespace mainwindow {
namespace {

const QString ProjectTablePrefix = QStringLiteral("P");
const QString SampleReadings = QStringLiteral("\"SA\" = ? AND \"RDNUM\" > 0");
const QString ProjectHeader = QStringLiteral("\"RDNUM\" = 0");
const QString ReadingNumbered = QStringLiteral("\"RDNUM\" = ?");
const QString BinReadings = QStringLiteral("\"BIN_NUMBER\" > 0");
const QString BinHeader = QStringLiteral("\"BIN_NUMBER\" = 0");
const QString TestHeader = QStringLiteral("\"READNUMBER\" < 2");

QString withoutDots(QString text) { return text.remove(QLatin1Char('.')); }

std::optional<Selection> densityGauge(int Model_Code, const TreeClick& click) {
  if (click.kind != TreeNodeKind::SampleType || click.text.isEmpty()) return std::nullopt;
  Selection s;
  s.projectId = click.listEntry;
  s.Table_Name = withoutDots(s.projectId);
  s.Test_Name = click.text.toUpper();
  s.table = ProjectTablePrefix + s.Table_Name;
  s.rows = {SampleReadings, {QString(s.Test_Name.front())}};
  if (Model_Code == instrument::ModelCode::N2600BX)
    s.header = {ProjectHeader, {}};
  else
    s.headerFromFirstReading = true;
  return s;
}

std::optional<Selection> stiffnessGauge(const TreeClick& click) {
  Selection s;
  s.table = click.listEntry.isEmpty() ? click.text : click.listEntry;
  s.Table_Name = s.table;
  s.Test_Name = NoTestName;
  if (isLaterRunsTable(instrument::ModelCode::T7310, s.table)) {
    s.readingsShown = false;
    s.header = {};
  } else {
    s.rows = {BinReadings, {}};
    s.header = {BinHeader, {}};
  }
  return s;
}

std::optional<Selection> loadFrame(const TreeClick& click) {
  Selection s;
  s.table = click.listEntry.isEmpty() ? click.text : click.listEntry;
  s.Table_Name = s.table;
  s.Test_Name = NoTestName;
  s.header = {TestHeader, {}};
  return s;
}

}  // namespace

std::optional<Selection> selectionFor(int Model_Code, const TreeClick& click, const QString& Table_Name,
                                      bool New_Download) {
  using namespace instrument;
  if (click.kind == TreeNodeKind::Root) return std::nullopt;
  switch (Model_Code) {
    case ModelCode::N2600A:
    case ModelCode::N2600BX: return densityGauge(Model_Code, click);
    case ModelCode::LX9100:
    case ModelCode::T7310:
      if (click.kind != TreeNodeKind::Table) return std::nullopt;
      if (click.text == Table_Name && !New_Download) return std::nullopt;
      return Model_Code == ModelCode::LX9100 ? loadFrame(click) : stiffnessGauge(click);
    default: return std::nullopt;
  }
}

Condition n2600aHeader(std::optional<qint64> firstReading) {
  if (!firstReading) return {ProjectHeader, {}};
  return {ReadingNumbered, {*firstReading}};
}

}  // namespace mainwindow
