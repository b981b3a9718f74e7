// Printouts the parsers accept, and project files that open, that once came
// back different after a save and a reopen. Each is parsed (or opened) into
// the working database, saved as a project file, reopened into a fresh working
// database and compared cell by cell.

#include <QSet>
#include <gtest/gtest.h>

#include "ProjectFileSupport.h"
#include "instrument/DeviceType.h"
#include "instrument/ProjectTableList.h"
#include "instrument/writeout.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

namespace {

namespace ModelCode = instrument::ModelCode;
using instrument::ReplayStatus;
using instrument::SaveStatus;

enum class Source { Printout, ProjectFile };

struct Case {
  const char* name;
  int model;
  const char* file;    // under tests/data/roundtrip, a project file under tests/data/fuzz
  const char* tables;  // the parser's table list
  Source source = Source::Printout;
};

const Case Cases[] = {
    // A header value ends at its first blank: a project id never holds one.
    {"ProjectIdWithoutBlankAfterColon", ModelCode::N2600BX, "n2600bx_id_without_blank.txt", "7 "},
    // A project whose header never completed comes first; the next report's
    // serial number and calibration date belong to the project after it.
    {"HeaderCutShortBeforeNextReport", ModelCode::N2600BX, "n2600bx_header_cut_short.txt", "1 2 "},
    // Two reports of different gauges in one printout.
    {"ProjectsOfTwoSerialNumbers", ModelCode::N2600BX, "n2600bx_two_serials.txt", "1 2 "},
    // Commas after a standard on the project line, then a column-heading
    // line whose last word is not VR: no reading comes of either.
    {"CommasOnTheProjectLine", ModelCode::N2600BX, "n2600bx_saved_reading_does_not_reopen.txt", "4.5 ",
     Source::ProjectFile},
    // A serial number printed after a project whose header never completed
    // goes to no reading of it.
    {"SerialAfterProjectWithoutHeader", ModelCode::N2600BX,
     "n2600bx_serial_given_to_reading_of_project_without_header.txt", "1 2.5 ", Source::ProjectFile},
    // A bin numbered below the header row's 0.
    {"NegativeBinNumber", ModelCode::T7310, "t7310_negative_bin.txt", "RUN1 RUN2 "},
    // Single values of eight significant digits.
    {"EightDigitSingles", ModelCode::T7310, "t7310_seven_digit_measure.txt", "RUN1 "},
    // Later runs that repeat a full run's number or come in no order.
    {"LaterRunsRepeatingNumbers", ModelCode::T7310, "t7310_later_runs_repeated.txt",
     "RUN1 RUN2 RUN3 RUN4 RUN5 RUN6 RUN7 RUN8 RUN9 RUN10 RUN11 RUN12 RUN13 RUN14 RUN15 RUN16 RUN17 RUN18 RUN19 "
     "RUN20 RUN30 "},
    // Readings before any time was named: a numeric second field names none.
    {"ReadingsWithoutTime", ModelCode::LX9100, "lx9100_no_time.txt", "CBR_LBR1 "},
    // Readings without a value in the middle (a word where a number was due).
    {"NullInTheMiddleOfAReading", ModelCode::LX9100, "lx9100_null_mid_reading.txt", "CBR_LBR1 "},
    // A heading whose first field was dropped leaves the third channel
    // without a name beside named ones.
    {"HeadingWithoutItsFirstField", ModelCode::LX9100, "lx9100_heading_first_field_dropped.txt", "CBR_LBR1 ",
     Source::ProjectFile},
    // Channels left without a name by a short heading, and named again; a
    // heading that empties the first channel's name.
    {"ChannelsWithoutNames", ModelCode::LX9100, "lx9100_unnamed_channels.txt", "CBR_LBR1 MARSHALL1 "},
    // A heading that never reaches channel 4 leaves it without a name.
    {"ChannelFourNeverNamed", ModelCode::LX9100, "lx9100_channel4_never_named.txt", "CBR_LBR1 "},
    // A line of blanks after a heading leaves channel 4 without a name.
    {"BlankLineAfterHeading", ModelCode::LX9100, "lx9100_blank_line_after_heading.txt", "TRIAXIAL1 ",
     Source::ProjectFile},
    // A blank field where the time was due leaves the readings after it
    // without a time.
    {"BlankTimeField", ModelCode::LX9100, "lx9100_blank_time_field.txt", "TRIAXIAL1 ", Source::ProjectFile},
    // A VR of blanks is stored as its blanks, however many.
    {"BlankVR", ModelCode::N2600BX, "n2600bx_blank_vr.txt", "1 ", Source::ProjectFile},
    // Two project ids that differ only in their dots name one table.
    {"IdsDifferingInDots", ModelCode::N2600BX, "n2600bx_ids_differing_in_dots.txt", "61.7. ", Source::ProjectFile},
    // Rows whose S/A is neither soil nor asphalt are read as soil rows.
    {"RowsNeitherSoilNorAsphalt", ModelCode::N2600A, "n2600a_rows_neither_soil_nor_asphalt.txt", "7 8 ",
     Source::ProjectFile},
    // Blanks before a project id are passed over: an id is never empty.
    {"BlanksBeforeProjectId", ModelCode::N2600BX, "n2600bx_blanks_before_project_id.txt", "7 8 ",
     Source::ProjectFile},
    // A one-digit serial number: the replay ends a serial number at a blank
    // only after two digits.
    {"OneDigitSerialNumber", ModelCode::N2600A, "n2600a_saved_file_does_not_reopen.txt", "12.5 ",
     Source::ProjectFile},
    // The last row of a project is cut off before its last value: a project
    // without a stored row is not listed.
    {"ProjectWhoseOnlyRowIsCutOff", ModelCode::N2600A, "n2600a_only_row_of_project_cut_off.txt", "731< 731 ",
     Source::ProjectFile},
    // A serial number too long to store is stored as missing.
    // The run that names the table of later runs never completed its header,
    // so that table holds only the runs after it.
    {"LaterRunsTableNamedByUnfinishedRun", ModelCode::T7310, "t7310_later_run_renamed_on_reopen.txt",
     "RUN101 RUN102 RUN115 RUN116 RUN117 RUN118 RUN119 RUN107 RUN108 RUN109 RUN110 RUN111 RUN112 RUN113 RUN114 "
     "RUN11 RUN120 RUN121 RUN122 RUN123 RUN124 ",
     Source::ProjectFile},
    {"SerialNumberTooLongToStore", ModelCode::N2600A, "n2600a_serial_too_long.txt", "12.5 "},
};

std::string caseName(const testing::TestParamInfo<Case>& info) { return info.param.name; }

void PrintTo(const Case& c, std::ostream* os) { *os << c.file; }

// Every name of a table list names a table of the working database.
void expectListedTablesExist(const QString& list, const QMap<QString, QStringList>& tables, bool projectIds) {
  for (const QString& name : instrument::listedTables(list)) {
    const QString table = projectIds ? instrument::projectTable(name) : instrument::listedTable(name);
    EXPECT_TRUE(tables.contains(table.toUpper())) << "listed but missing: " << table.toStdString();
  }
}

void expectSameCells(const QMap<QString, QStringList>& parsed, const QMap<QString, QStringList>& reopened) {
  EXPECT_EQ(parsed.keys(), reopened.keys());
  for (auto it = parsed.begin(); it != parsed.end(); ++it) {
    const QStringList& before = it.value();
    const QStringList after = reopened.value(it.key());
    EXPECT_EQ(before.size(), after.size()) << it.key().toStdString();
    for (qsizetype row = 0; row < std::min(before.size(), after.size()); ++row) {
      const QStringList cellsBefore = before[row].split(QLatin1Char('|'));
      const QStringList cellsAfter = after[row].split(QLatin1Char('|'));
      ASSERT_EQ(cellsBefore.size(), cellsAfter.size());
      for (qsizetype cell = 0; cell < cellsBefore.size(); ++cell)
        EXPECT_EQ(cellsBefore[cell].toStdString(), cellsAfter[cell].toStdString())
            << it.key().toStdString() << " row " << row << " field " << cell;
    }
  }
}

// The tables that hold rows: an empty one holds nothing a project file could
// give back, and a listed one that goes missing changes the table list.
QMap<QString, QStringList> withRows(QMap<QString, QStringList> tables) {
  tables.removeIf([](const auto& table) { return table.value().isEmpty(); });
  return tables;
}

class RoundTripCase : public testing::TestWithParam<Case> {
 protected:
  // Parses the printout, saves every listed table and reopens the file; the
  // working database holds the reopened tables afterwards.
  void parseSaveAndReopen() {
    const Case& c = GetParam();
    if (c.source == Source::ProjectFile) {
      ASSERT_NO_FATAL_FAILURE(openProjectFile(c));
    } else {
      bool damaged = false;
      list_ = projecttest::parsePrintout(c.model, testsupport::readData(QStringLiteral("roundtrip/") + c.file), &damaged);
      EXPECT_FALSE(damaged);
    }
    parsed_ = projecttest::snapshot();

    const QString file = folder_.path(QStringLiteral("saved.txt"));
    instrument::writeout writer;
    ASSERT_EQ(writer.writeout_(file, list_, static_cast<qint16>(c.model)), SaveStatus::Saved)
        << writer.message().toStdString();
    instrument::writeout reader;
    const std::optional<QString> tables = reader.Get_tables(file, list_);
    ASSERT_TRUE(tables.has_value()) << reader.message().toStdString() << "\n"
                                    << projecttest::fileBytes(file).toStdString();
    reopenedList_ = *tables;
    reopened_ = projecttest::snapshot();
    saved_ = projecttest::fileBytes(file);
  }

  void openProjectFile(const Case& c) {
    const QString file = folder_.path(QStringLiteral("opened.txt"));
    projecttest::writeFile(file, testsupport::readData(QStringLiteral("fuzz/") + c.file));
    instrument::writeout reader;
    const std::optional<QString> tables = reader.Get_tables(file, QString());
    ASSERT_TRUE(tables.has_value()) << reader.message().toStdString();
    ASSERT_EQ(reader.FoundDevice, c.model);
    list_ = *tables;
  }

  bool projectIds() const { return GetParam().model == ModelCode::N2600A || GetParam().model == ModelCode::N2600BX; }

  testsupport::TempProgramFolder folder_;
  QString list_, reopenedList_;
  QMap<QString, QStringList> parsed_, reopened_;
  QByteArray saved_;
};

TEST_P(RoundTripCase, ReopenGivesBackWhatWasParsed) {
  ASSERT_NO_FATAL_FAILURE(parseSaveAndReopen());
  EXPECT_EQ(list_.toStdString(), GetParam().tables);
  expectListedTablesExist(list_, parsed_, projectIds());
  EXPECT_EQ(reopenedList_.toStdString(), list_.toStdString());
  expectSameCells(withRows(parsed_), withRows(reopened_));
  EXPECT_FALSE(parsed_.isEmpty());
  if (HasFailure()) ADD_FAILURE() << "saved file:\n" << saved_.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Fuzzed, RoundTripCase, testing::ValuesIn(Cases), caseName);

}  // namespace
