#include "report/builder/DensityAverages.h"

#include "instrument/ProjectValues.h"
#include "platform/db/Recordset.h"
#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "report/builder/ColumnSlots.h"

namespace report {
namespace {

struct AverageItem {
  const char* fieldA;   // N2600A
  const char* fieldBX;  // N2600BX
  const char* label;
};

constexpr std::array<AverageItem, DensityAverages::Count> Items{{
    {"WETD", "WD", "Wet Dens Avg."},
    {"DRYD", "DD", "Dry Dens Avg"},
    {"WAT", "M", "Moisture Avg"},
    {"PWAT", "PERCM", "%Moisture Avg."},
    {"PCOMP", "PERC_COMP", "Avg %Compaction"},
}};

const QString AverageTitleObject = QStringLiteral("AverageTitle");
const QString AverageTitle = QStringLiteral("Average of All Data");
const QString NotAvailable = QStringLiteral("NA");
constexpr int AverageDecimals = 2;  // "####0.00"

}  // namespace

void DensityAverages::add(const platform::db::Recordset& records) {
  for (size_t i = 0; i < Items.size(); ++i) {
    const char* field = model_ == ModelCode::N2600A ? Items[i].fieldA : Items[i].fieldBX;
    const QVariant value = records.value(QString::fromLatin1(field));
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (value.isNull() || !ok) continue;
    sums_[i] += number;
    ++counts_[i];
  }
}

QString DensityAverages::averageText(int i) const {
  const auto index = static_cast<size_t>(i - 1);
  if (counts_[index] == 0) return NotAvailable;
  return instrument::projectvalues::fixedText(sums_[index] / counts_[index], AverageDecimals);
}

void DensityAverages::write(platform::ReportDesigner& report) const {
  report.member(AverageTitleObject).SetText(AverageTitle);
  for (int i = 1; i <= Count; ++i) {
    report.member(platform::ReportNames::averageLabel(i)).SetText(QLatin1String(Items[static_cast<size_t>(i - 1)].label));
    report.member(platform::ReportNames::averageValue(i)).SetText(averageText(i));
  }
}

}  // namespace report
