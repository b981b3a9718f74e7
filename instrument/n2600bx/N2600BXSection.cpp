#include <array>
#include <optional>

#include "instrument/ProjectRows.h"
#include "instrument/ProjectSection.h"
#include "instrument/ProjectTableList.h"
#include "instrument/ProjectText.h"
#include "instrument/ProjectValues.h"
#include "instrument/RecordLayouts.h"
#include "instrument/writeout.h"

namespace instrument {

namespace {

namespace F = CompactionBField;
namespace pv = projectvalues;

const QString TitleSerial = QStringLiteral("COMPACTION CONTROL DATA REPORT NS-2600BX SERIAL: ");
const QString TitleCalibration = QStringLiteral(" CALIBRATION DATE: ");
const QString ProjectLabel = QStringLiteral("PROJECT ID: ");
const QString DateLabel = QStringLiteral(" DATE: ");
const QString OneBlank = QStringLiteral(" ");
const QString ReadNumberHeading = QStringLiteral("RD #,");

// A header value after a colon needs more than two characters with the blank
// before it to be taken; two blanks read back as an empty value.
const QString EmptyHeaderValue = QStringLiteral("  ");
// A standard that is not a number reads back empty without taking the next
// label with it.
const QString EmptyStandard = QStringLiteral("--");

struct Standard {
  QString label;
  const QString& field;
};

const std::array<Standard, 5>& standards() {
  static const std::array<Standard, 5> list{{
      {QStringLiteral(" D STD="), F::DSTD},
      {QStringLiteral(" M STD="), F::MSTD},
      {QStringLiteral(" KVAL="), F::KVAL},
      {QStringLiteral("  SPG="), F::SPG},
      {QStringLiteral(" MAXD="), F::MAXD},
  }};
  return list;
}
const QString LowdLabel = QStringLiteral(" LOWD=");

using Kind = pv::ValueKind;

struct Item {
  int column;
  QString heading;
  const QString& field;
  int width;
  Kind kind;
};

const std::array<Item, 19>& items() {
  static const std::array<Item, 19> list{{
      {1, QStringLiteral("RD #"), F::RDNUM, 4, Kind::Long},
      {6, QStringLiteral("TIME"), F::TIME, 6, Kind::Text},
      {14, QStringLiteral("STAT1 TO"), F::STAT1TO, 8, Kind::Text},
      {24, QStringLiteral("STAT1"), F::STAT1, 6, Kind::Text},
      {32, QStringLiteral("OFFSET"), F::OFFSET, 6, Kind::Text},
      {40, QStringLiteral("STAT2"), F::STAT2, 6, Kind::Text},
      {48, QStringLiteral("LANE"), F::LANE, 4, Kind::Text},
      {54, QStringLiteral("DPT"), F::DPT, 3, Kind::Text},
      {59, QStringLiteral("S/A"), F::SA, 3, Kind::Text},
      {64, QStringLiteral("%ADJ"), F::ADJ, 6, Kind::Single},
      {72, QStringLiteral("DC"), F::DC, 8, Kind::Single},
      {82, QStringLiteral("MC"), F::MC, 8, Kind::Single},
      {92, QStringLiteral("%AV"), F::AV, 6, Kind::Single},
      {100, QStringLiteral("WD"), F::WD, 6, Kind::Single},
      {108, QStringLiteral("DD"), F::DD, 6, Kind::Single},
      {116, QStringLiteral("M"), F::M, 6, Kind::Single},
      {124, QStringLiteral("%M"), F::PERCM, 6, Kind::Single},
      {132, QStringLiteral("%COMP"), F::PERC_COMP, 6, Kind::Single},
      {140, QStringLiteral("VR"), F::VR, 6, Kind::Text},
  }};
  return list;
}
// A reading of 15 values (PERCM, PERC_COMP and VR never came) ends after M.
constexpr int ShortReadingItems = 16;

QString itemText(ProjectRows& rows, const Item& item) { return pv::valueText(rows.value(item.field), item.kind); }

QString headerValue(const QVariant& value, const QString& text) {
  return value.isNull() || text.isEmpty() ? EmptyHeaderValue : text;
}

// The serial number and calibration date of a header record as a title line
// gives them; the replay keeps them for every project after that line.
struct Calibration {
  QString serial;
  QString date;
  bool operator==(const Calibration&) const = default;
};

Calibration calibrationOf(ProjectRows* header) {
  if (!header) return {};
  return {pv::longText(header->value(F::SERNUM)), pv::textText(header->value(F::CDATE))};
}

void writeTitle(ProjectText& out, const Calibration& calibration) {
  out.text(TitleSerial + (calibration.serial.isEmpty() ? EmptyHeaderValue : calibration.serial) +
           TitleCalibration + (calibration.date.isEmpty() ? EmptyHeaderValue : calibration.date) + OneBlank);
  out.endLine();
  out.endLine();
}

// A standard of one character gets a blank in front, so that it is taken
// alone and does not swallow the label after it.
QString standardText(const QVariant& value) {
  if (value.isNull()) return EmptyStandard;
  const QString text = pv::singleText(value);
  return text.size() < 2 ? OneBlank + text : text;
}

QString projectLine(ProjectRows* header, const QString& listedId) {
  if (!header) return ProjectLabel + listedId + OneBlank;
  const QVariant id = header->value(F::ID);
  QString line = ProjectLabel + (id.isNull() ? listedId : pv::textText(id));
  const QVariant date = header->value(F::DATE);
  if (!date.isNull()) line += DateLabel + headerValue(date, pv::textText(date));
  for (const Standard& standard : standards())
    line += standard.label + standardText(header->value(standard.field));
  line += LowdLabel + pv::singleText(header->value(F::LOWD));
  return line;
}

void writeProjectLines(ProjectText& out, ProjectRows* header, const QString& listedId) {
  out.text(OneBlank);
  out.endLine();
  out.text(projectLine(header, listedId));
  out.endLine();
  out.text(OneBlank);
  out.endLine();
}

void writeColumnHeadings(ProjectText& out) {
  out.text(ReadNumberHeading);
  for (std::size_t i = 1; i < items().size(); ++i) {
    const Item& item = items()[i];
    out.tab(item.column);
    out.text(writeout::Pad_Field(item.heading, item.width));
    if (i + 1 < items().size()) out.text(QStringLiteral(","));
  }
  out.endLine();
}

// A percentage the gauge left empty (Null) is written as blanks, which the
// replay reads back as Null.
void writeReading(ProjectText& out, ProjectRows& rows) {
  const bool shortReading =
      rows.isNull(F::PERCM) && rows.isNull(F::PERC_COMP) && rows.isNull(F::VR);
  const std::size_t count = shortReading ? ShortReadingItems : items().size();
  for (std::size_t i = 0; i < count; ++i) {
    const Item& item = items()[i];
    const QString text = itemText(rows, item);
    // The replay keeps a VR of blanks as the very blanks after the comma
    // (none: Null), so such a VR is written unpadded.
    if (i + 1 == items().size() && text.trimmed().isEmpty()) {
      out.text(text);
      break;
    }
    out.tab(item.column);
    out.text(writeout::Pad_Field(text, item.width));
    if (i + 1 < count) out.text(QStringLiteral(","));
  }
  out.endLine();
}

}  // namespace

bool writeN2600BXSection(ProjectSection& section) {
  ProjectText& out = section.out;
  std::optional<Calibration> written;  // what the replay holds from the last title line
  for (const QString& listed : section.names) {
    ProjectRows rows;
    if (!rows.open(section.db, projectTable(listed), F::RDNUM)) {
      section.error = rows.error();
      return false;
    }
    const bool hasRows = rows.next();
    // The header record has reading number 0 and the project id; a project
    // whose header never completed has readings only, one of them perhaps
    // numbered 0.
    const bool hasHeader = hasRows && rows.value(F::RDNUM).toLongLong() == 0 && !rows.isNull(F::ID);
    // Projects of several reports, or a first project whose header never
    // completed, need a title line of their own before them: otherwise the
    // replay gives them the serial number of the title before.
    const Calibration calibration = calibrationOf(hasHeader ? &rows : nullptr);
    if (!written || (hasHeader && calibration != *written)) {
      writeTitle(out, calibration);
      written = calibration;
    }
    writeProjectLines(out, hasHeader ? &rows : nullptr, listed);
    writeColumnHeadings(out);
    bool more = hasHeader ? rows.next() : hasRows;
    for (; more; more = rows.next()) writeReading(out, rows);
    out.endLine();
  }
  return true;
}

}  // namespace instrument
