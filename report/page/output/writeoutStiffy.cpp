#include "report/page/output/writeoutStiffy.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>

#include "platform/core/WholeFile.h"
#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"

namespace report {
namespace {

const QString LineEnd = QStringLiteral("\r\n");
const QString Comma = QStringLiteral(",");
const QString HeadingLine4 = QStringLiteral(
    ",,SNR,db,Meas Stiff,Meas Stiff,Calc Yngs Mod,Calc Yngs Mod,Calc Shr Mod,Calc Shr Mod,Meas Mois Cont,"
    "Est Dry Dens,Est Dry Dens");
const QString HeadingLine5 = QStringLiteral(
    "BIN#,Freq.(Hz),Displ.,Force,(MN/m),(lbf/in),(MPa),(psi),(MPa),(psi),(%by Wght/100),PD(pcf),PD(kg/m^3)");
const QString AverageLead = QStringLiteral(",,,AVG:,");

// The per-bin columns of the stiffness report, in file order.
const std::array<const char*, 10> BinColumns = {
    "StiffyBinNumber",   "StiffyFrequency", "StiffyDisplSNR",  "StiffyForceSNR", "StiffyStiffnessMN",
    "StiffyStiffnessLbf", "StiffyYoungsMPa", "StiffyYoungsPsi", "StiffyShearMPa", "StiffyShearPsi"};
constexpr int AverageCount = 6;
// The file's fixed form has room for this many bins; a longer run writes every bin.
constexpr qsizetype FixedBinRows = 25;

// A number written with a decimal comma (as a comma locale formats it) gets a
// point, so that it stays one field of the file.
QString withDecimalPoint(const QString& value) {
  static const QRegularExpression decimalComma(QStringLiteral("^\\s*[-+]?\\d+,\\d+\\s*$"));
  return decimalComma.match(value).hasMatch() ? QString(value).replace(QLatin1Char(','), QLatin1Char('.')) : value;
}

QString textOf(const platform::ReportDesigner& report, const QString& name) {
  return withDecimalPoint(report.member(name).text().value_or(QString()));
}

// The values of a column text, each ended by a carriage return (the last one
// may lack it).
QStringList columnValues(const platform::ReportDesigner& report, const char* name) {
  QStringList values = report.member(QLatin1String(name)).text().value_or(QString()).split(QLatin1Char('\r'));
  if (!values.isEmpty() && values.last().isEmpty()) values.removeLast();
  for (QString& value : values) value = withDecimalPoint(value);
  return values;
}

QString runLine(const platform::ReportDesigner& report) {
  return QStringLiteral("RUN#:  ") + textOf(report, QStringLiteral("StiffyRunNumber")) + QStringLiteral("   MEAS:  ") +
         textOf(report, QStringLiteral("StiffyMeasure")) + QStringLiteral("   DATE:  ") +
         textOf(report, QStringLiteral("StiffyDate")) + QStringLiteral("   TIME:  ") +
         textOf(report, QStringLiteral("StiffyTime"));
}

// Row 1 carries the three single values after its ten; every later row ends
// with a comma after its ten. Rows past the run's last bin are empty.
QString binLines(const platform::ReportDesigner& report) {
  std::array<QStringList, BinColumns.size()> columns;
  qsizetype rows = FixedBinRows;
  for (std::size_t j = 0; j < BinColumns.size(); ++j) {
    columns[j] = columnValues(report, BinColumns[j]);
    rows = std::max(rows, columns[j].size());
  }
  QString lines;
  for (qsizetype row = 0; row < rows; ++row) {
    QStringList fields;
    for (const QStringList& column : columns) fields.append(column.value(row));
    if (row == 0) {
      fields << textOf(report, QStringLiteral("StiffyMoisture")) << textOf(report, QStringLiteral("StiffyDryDensityPcf"))
             << textOf(report, QStringLiteral("StiffyDryDensityKg"));
      lines += fields.join(Comma) + LineEnd;
    } else {
      lines += fields.join(Comma) + Comma + LineEnd;
    }
  }
  return lines;
}

// A hidden average cell still holds the averages of an earlier run (a list of
// later runs has none of its own), so it gives an empty field.
QString averageLine(const platform::ReportDesigner& report) {
  QStringList averages;
  for (int j = 1; j <= AverageCount; ++j) {
    const platform::ObjectRef cell = report.member(platform::ReportNames::stiffyAverage(j));
    averages.append(cell.suppress().value_or(true) ? QString() : withDecimalPoint(cell.text().value_or(QString())));
  }
  return AverageLead + averages.join(Comma) + LineEnd;
}

QString stiffyCsvText(const platform::ReportDesigner& report) {
  return runLine(report) + LineEnd + LineEnd + LineEnd + HeadingLine4 + LineEnd + HeadingLine5 + LineEnd +
         binLines(report) + averageLine(report);
}

}  // namespace

StiffyCsvStatus writeoutStiffy(const platform::ReportDesigner& Report1, const QString& filename, QString* why) {
  const QByteArray bytes = stiffyCsvText(Report1).toLatin1();
  if (filename.isEmpty() || !platform::writeWholeFile(filename, bytes, why)) return StiffyCsvStatus::WriteFailed;
  return StiffyCsvStatus::Written;
}

}  // namespace report
