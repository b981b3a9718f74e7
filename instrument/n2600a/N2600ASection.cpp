#include <vector>

#include "instrument/n2600a/N2600AStatistics.h"
#include "instrument/ProjectRows.h"
#include "instrument/ProjectSection.h"
#include "instrument/ProjectTableList.h"
#include "instrument/ProjectText.h"
#include "instrument/ProjectValues.h"
#include "instrument/RecordLayouts.h"
#include "instrument/writeout.h"

namespace instrument {

namespace {

namespace F = CompactionAField;
namespace pv = projectvalues;

using Kind = pv::ValueKind;

struct Item {
  const QString& field;
  int width;
  int column;
  Kind kind;
};

// The sixteen values that both parts share, then each part's results.
const std::vector<Item>& commonItems() {
  static const std::vector<Item> items{
      {F::RDNUM, 4, 1, Kind::Long},     {F::RDATE, 8, 7, Kind::Text},
      {F::ID, 6, 16, Kind::Text},       {F::STAT, 6, 24, Kind::Single},
      {F::OFFSET, 6, 31, Kind::Single}, {F::DPT, 3, 39, Kind::Text},
      {F::SA, 3, 43, Kind::Text},       {F::KVAL, 6, 48, Kind::Single},
      {F::PADJ, 5, 55, Kind::Single},   {F::DSTD, 6, 62, Kind::Single},
      {F::MSTD, 5, 69, Kind::Single},   {F::DCNT, 6, 75, Kind::Single},
      {F::MCNT, 5, 82, Kind::Single},   {F::SPG, 4, 89, Kind::Single},
      {F::PAV, 3, 94, Kind::Single},    {F::MAXD, 5, 98, Kind::Single},
  };
  return items;
}

struct Part {
  QString letter;
  QString heading;
  QString rule;
  QString csvHeading;
  QString csvRule;
  std::vector<Item> results;
};

const Part& soil() {
  static const Part part{
      QStringLiteral("S"),
      QStringLiteral("RD #    DATE     PROJ   STAT   OFFST  DPT S/A   KVAL  % ADJ   D STD M STD  D CNT M CNT   SPG %AV MAX D  WET D  DRY D   WAT  %WAT   %COMP"),
      QStringLiteral("----  --------  ------ ------ ------  --- ---  ------ -----  ------ ----- ------ -----  ---- --- -----  -----  -----  ----  ----   -----"),
      QStringLiteral("RD #,    DATE  ,   PROJ ,  STAT ,  OFFST,  DPT, S/A,   KVAL , % ADJ,   D STD, M STD,  D CNT, M CNT,   SPG, %AV, MAX D,  WET D,  DRY D,   WAT,  %WAT,   %COMP"),
      QStringLiteral("----,  --------,  ------, ------, ------,  ---, ---,  ------, -----,  ------, -----, ------, -----,  ----, ---, -----,  -----,  -----,  ----,  ----,   -----"),
      {{F::WETD, 5, 105, Kind::Single},
       {F::DRYD, 5, 112, Kind::Single},
       {F::WAT, 4, 119, Kind::Single},
       {F::PWAT, 4, 125, Kind::Single},
       {F::PCOMP, 5, 132, Kind::Single}},
  };
  return part;
}

const Part& asphalt() {
  static const Part part{
      QStringLiteral("A"),
      QStringLiteral("RD #    DATE     PROJ   STAT   OFFST  DPT S/A   KVAL  % ADJ   D STD M STD  D CNT M CNT   SPG %AV MAX D   % AC   DENS   %COMP"),
      QStringLiteral("----  --------  ------ ------ ------  --- ---  ------ -----  ------ ----- ------ -----  ---- --- -----  -----  -----   -----"),
      {},
      {},
      {{F::PAC, 5, 105, Kind::Single},
       {F::DENS, 5, 112, Kind::Single},
       {F::PCOMP, 5, 120, Kind::Single}},
  };
  return part;
}

const QString Blanks3 = QStringLiteral("   ");
const QString HeaderSerial = QStringLiteral("COMPACTION CONTROL DATA REPORT   NS-2600A SERIAL: ");
const QString HeaderCalibration = QStringLiteral("   CALIBRATION DATE:");
const QString AverageLabel = QStringLiteral("AVERAGE OF ALL DATA:");
const QString DeviationLabel = QStringLiteral("SAMPLE DEVIATIONS:");
const QString CsvStatisticsGap = QStringLiteral(",,,");
constexpr int StatisticsLabelColumn = 79;
// The replay ends a serial number at a blank only once it holds two digits.
constexpr int SerialDigitsBeforeBlank = 2;
// Digits the replay cannot store as a serial number, so it stores none.
const QString MissingSerial = QStringLiteral("99999999999");

// The serial number as the header line gives it: a one-digit number with a
// leading zero and a missing one as digits too many to store, so that the
// replay reads the same serial number back and still finds the calibration
// date after it.
QString serialText(const QVariant& serial) {
  if (serial.isNull()) return MissingSerial;
  return pv::longText(serial).rightJustified(SerialDigitsBeforeBlank, QLatin1Char('0'));
}

// The replay reads every row not marked asphalt as a soil row, whatever
// its S/A holds, so a project file keeps such rows in its soil part. The
// raw-data CSV is no project file: each part takes only the rows of its own
// letter there, and rows of neither are in neither part.
bool isRowOf(const Part& part, ProjectRows& rows, bool exportCsv) {
  const QString letter = pv::textText(rows.value(F::SA));
  if (exportCsv) return letter == part.letter;
  const bool asphaltRow = letter == asphalt().letter;
  return asphaltRow == (&part == &asphalt());
}

QString itemText(ProjectRows& rows, const Item& item) { return pv::valueText(rows.value(item.field), item.kind); }

void writeLine(ProjectText& out, const QString& text) {
  out.text(text);
  out.endLine();
}

class PartWriter {
 public:
  PartWriter(ProjectSection& section, const Part& part, bool csv)
      : section_(section), out_(section.out), part_(part), csv_(csv),
        statistics_(static_cast<int>(part.results.size())) {}

  // Header block at the first row of the part, then every row of the part
  // from all listed tables. Rows of another serial number or calibration date
  // than the ones before them start a header block of their own, after the
  // summary of the rows before (only a summary lets the replay take a new
  // header), so every row reads back with its own. False when a table cannot
  // be read.
  bool writeRows() {
    for (const QString& listed : section_.names) {
      ProjectRows rows;
      // The table of an id is found without the id's dots.
      if (!rows.open(section_.db, projectTable(listed), F::RDNUM)) {
        section_.error = rows.error();
        return false;
      }
      while (rows.next()) {
        if (!isRowOf(part_, rows, csv_)) continue;
        const QString header = headerLine(rows);
        if (!hasRows_ || header != header_) {
          if (hasRows_) writeStatistics();
          writeHeader(header);
        }
        hasRows_ = true;
        writeRow(rows);
      }
    }
    return true;
  }

  bool hasRows() const { return hasRows_; }
  bool allSumsZero() const { return statistics_.allSumsZero(); }

  // The summary of the rows since the last header block.
  void writeStatistics() {
    writeLine(out_, Blanks3);
    writeStatisticsLine(AverageLabel, [this](int k) { return statistics_.average(k); });
    writeStatisticsLine(DeviationLabel, [this](int k) { return statistics_.deviation(k); });
    writeLine(out_, Blanks3);
    statistics_ = N2600AStatistics(static_cast<int>(part_.results.size()));
  }

 private:
  static QString headerLine(ProjectRows& rows) {
    return HeaderSerial + serialText(rows.value(F::SERNUM)) + HeaderCalibration +
           pv::textText(rows.value(F::CDATE));
  }

  void writeHeader(const QString& header) {
    header_ = header;
    writeLine(out_, Blanks3);
    writeLine(out_, header);
    writeLine(out_, Blanks3);
    writeLine(out_, csv_ ? part_.csvHeading : part_.heading);
    writeLine(out_, csv_ ? part_.csvRule : part_.rule);
  }

  void writeRow(ProjectRows& rows) {
    QStringList values;
    for (const Item& item : commonItems()) values.append(writeout::Pad_Field(itemText(rows, item), item.width));
    for (const Item& item : part_.results) values.append(writeout::Pad_Field(itemText(rows, item), item.width));
    for (std::size_t k = 0; k < part_.results.size(); ++k)
      statistics_.count(static_cast<int>(k), rows.value(part_.results[k].field));
    if (csv_) {
      writeLine(out_, values.join(QLatin1Char(',')));
      return;
    }
    const std::size_t common = commonItems().size();
    for (std::size_t i = 0; i < static_cast<std::size_t>(values.size()); ++i) {
      const Item& item = i < common ? commonItems()[i] : part_.results[i - common];
      // Values stay apart even when one is wider than its field, so the
      // replay still finds every value of the row.
      if (i > 0) out_.tabApart(item.column);
      out_.text(values[static_cast<qsizetype>(i)]);
    }
    out_.endLine();
  }

  template <typename Value>
  void writeStatisticsLine(const QString& label, Value value) {
    if (csv_) {
      QStringList values;
      for (std::size_t k = 0; k < part_.results.size(); ++k)
        values.append(writeout::Pad_Field(pv::tenthsText(value(static_cast<int>(k))),
                                          part_.results[k].width));
      writeLine(out_, label + CsvStatisticsGap + values.join(QLatin1Char(',')));
      return;
    }
    out_.tab(StatisticsLabelColumn);
    out_.text(label);
    for (std::size_t k = 0; k < part_.results.size(); ++k) {
      const Item& item = part_.results[k];
      out_.tabApart(item.column);
      out_.text(writeout::Pad_Field(pv::tenthsText(value(static_cast<int>(k))), item.width));
    }
    out_.endLine();
  }

  ProjectSection& section_;
  ProjectText& out_;
  const Part& part_;
  bool csv_;
  N2600AStatistics statistics_;
  bool hasRows_ = false;
  QString header_;
};

bool anyRowOf(ProjectSection& section, const Part& part) {
  for (const QString& listed : section.names) {
    ProjectRows rows;
    if (!rows.open(section.db, projectTable(listed), F::RDNUM)) continue;
    while (rows.next())
      if (isRowOf(part, rows, false)) return true;
  }
  return false;
}

}  // namespace

bool writeN2600ASection(ProjectSection& section, bool exportCsv) {
  PartWriter soilPart(section, soil(), exportCsv);
  if (!soilPart.writeRows()) return false;
  // The replay finds the asphalt header only after the summary lines of the
  // soil part, so they are written before it even when every sum is 0.
  const bool summaryNeeded =
      soilPart.hasRows() && !exportCsv && soilPart.allSumsZero() && anyRowOf(section, asphalt());
  if (soilPart.hasRows() && (!soilPart.allSumsZero() || summaryNeeded)) soilPart.writeStatistics();

  PartWriter asphaltPart(section, asphalt(), false);
  if (!asphaltPart.writeRows()) return false;
  if (asphaltPart.hasRows() && !asphaltPart.allSumsZero()) asphaltPart.writeStatistics();
  return true;
}

}  // namespace instrument
