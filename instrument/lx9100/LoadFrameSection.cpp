#include <array>

#include "platform/db/Database.h"

#include "instrument/ProjectRows.h"
#include "instrument/ProjectSection.h"
#include "instrument/ProjectTableList.h"
#include "instrument/ProjectText.h"
#include "instrument/ProjectValues.h"
#include "instrument/RecordLayouts.h"
#include "instrument/writeout.h"

namespace instrument {

namespace {

namespace F = LoadTestField;
namespace pv = projectvalues;

constexpr int Channels = 4;
using Names = std::array<QString, Channels>;
// Channels whose name the replay must hold empty: a reading stored a value
// there without a name.
using Unnamed = std::array<bool, Channels>;

struct TestType {
  QString prefix;
  QString line;
};

const std::array<TestType, 6>& testTypes() {
  static const std::array<TestType, 6> types{{
      {QStringLiteral("CBR_LBR"), QStringLiteral("CBR/LBR TEST")},
      {QStringLiteral("MARSHALL"), QStringLiteral("MARSHALL TEST")},
      {QStringLiteral("UC"), QStringLiteral("U.C. TEST")},
      {QStringLiteral("TRIAXIAL"), QStringLiteral("TRIAXIAL TEST")},
      {QStringLiteral("S_C_TEST"), QStringLiteral("SOIL CEMENT TEST")},
      {QStringLiteral("DSHEARTEST"), QStringLiteral("DIRECT SHEAR TEST")},
  }};
  return types;
}

const QString HeadingLabel = QStringLiteral("RD #,");
const QString TimeHeading = QStringLiteral("TIME");
const QString EndLine = QStringLiteral("END");
// An unnamed channel, as the printout shows it; the replay stores it as
// "NONE" for the first three channels.
const QString UnnamedChannel = QStringLiteral("()");
const QString UnnamedStored = QStringLiteral("NONE");
const QString FieldGap = QStringLiteral(", ");
// A number in the time column keeps the column and stores nothing.
const QString NoTime = QStringLiteral("0");
// A blank field before it first empties the time the replay holds, which a
// reading stores with its CH1.
const QString EmptiedTime = QStringLiteral(", ") + NoTime;
// What a word in the third channel column makes of channel 4's name.
const QString DefaultChannel4 = QStringLiteral("CH 4");

constexpr int TimeColumn = 7;
constexpr int ChannelColumns[Channels] = {17, 30, 43, 59};
constexpr int ReadNumberWidth = 4;
constexpr int TimeWidth = 8;
constexpr int ChannelWidth = 10;
// Channel values of a reading line are stored with four decimals.
constexpr int StoredDecimals = 4;

const QString& nameField(int channel) {
  static const QString names[Channels] = {F::CH1NAME, F::CH2NAME, F::CH3NAME, F::CH4NAME};
  return names[channel];
}

const QString& valueField(int channel) {
  static const QString values[Channels] = {F::CH1, F::CH2, F::CH3, F::CH4};
  return values[channel];
}

QString testTypeLine(const QString& table) {
  for (const TestType& type : testTypes())
    if (table.startsWith(type.prefix)) return type.line;
  return {};
}

bool isBlank(const QString& text) { return text.trimmed().isEmpty(); }

// The section keeps the channel names the replay will hold, so that a reading
// whose names differ from them (a heading in the middle of a test) gets a
// heading line of its own before it.
class LoadFrameWriter {
 public:
  explicit LoadFrameWriter(ProjectSection& section) : section_(section), out_(section.out) {}

  bool writeTable(const QString& table) {
    ProjectRows rows;
    if (!rows.open(section_.db, table, F::READNUMBER)) {
      section_.error = rows.error();
      return false;
    }
    out_.text(testTypeLine(table));
    out_.endLine();
    out_.endLine();
    if (rows.next()) {
      writeFirstHeading(table, rows);
      do writeReading(rows);
      while (rows.next());
    }
    out_.text(EndLine);
    out_.endLine();
    out_.endLine();
    return true;
  }

 private:
  // The heading of a test names each channel as its first reading does, or,
  // where that reading is too short to name it, as the first later one does.
  // A test whose readings name no channel at all gets no heading; a channel
  // to which the first reading gives a value without a name stays unnamed.
  void writeFirstHeading(const QString& table, ProjectRows& first) {
    Names names;
    bool anyName = false;
    for (int channel = 0; channel < Channels; ++channel) {
      names[channel] =
          pv::textText(ProjectRows::firstNonNull(section_.db, table, F::READNUMBER, nameField(channel)));
      anyName = anyName || !isBlank(names[channel]);
    }
    if (anyName) writeHeading(names, unnamedIn(first));
  }

  // The channels of a reading that hold a value but no name. Channel 4's
  // name is stored with the third channel's value too.
  static Unnamed unnamedIn(ProjectRows& rows) {
    Unnamed unnamed{};
    for (int channel = 0; channel < Channels; ++channel)
      unnamed[channel] = !rows.isNull(valueField(channel)) && rows.isNull(nameField(channel));
    unnamed[Channels - 1] = unnamed[Channels - 1] ||
                            (!rows.isNull(valueField(Channels - 2)) && rows.isNull(nameField(Channels - 1)));
    return unnamed;
  }

  static QString headingName(const QString& name) { return isBlank(name) ? UnnamedChannel : name; }

  // What the replay keeps of a heading's name: the name trimmed, "()" of the
  // first three channels as "NONE".
  static QString replayName(const QString& written, int channel) {
    const QString name = written.trimmed();
    return channel < Channels - 1 && name == UnnamedChannel ? UnnamedStored : name;
  }

  // A blank field empties the name of its column but does not count as a
  // field, so the next one names the same column again: the third channel is
  // left unnamed by a blank field before channel 4's name at the line end,
  // the first two each by a heading line of their own that ends with it.
  // Channel 4 is left unnamed by a line of blanks after them.
  void writeHeading(const Names& names, const Unnamed& unnamed = {}) {
    writeFullHeading(names, unnamed);
    for (int channel = Channels - 3; channel >= 0; --channel)
      if (unnamed[channel]) writeLeadingNames(replayNames_, channel);
    if (unnamed[Channels - 1]) {
      out_.text(QStringLiteral(" "));
      out_.endLine();
      replayNames_[Channels - 1].clear();
    }
  }

  void writeFullHeading(const Names& names, const Unnamed& unnamed) {
    writeHeadingStart();
    for (int channel = 0; channel < Channels; ++channel) {
      // A blank name would not count as a field and would shift the others.
      const bool leftBlank = channel == Channels - 2 && unnamed[channel];
      const QString name = leftBlank ? QString() : headingName(names[channel]);
      out_.tab(ChannelColumns[channel]);
      out_.text(writeout::Pad_Field(name, ChannelWidth));
      if (channel < Channels - 1) out_.text(FieldGap);
      replayNames_[channel] = leftBlank ? QString() : replayName(name, channel);
    }
    out_.endLine();
  }

  void writeHeadingStart() {
    out_.text(HeadingLabel);
    out_.tab(TimeColumn);
    out_.text(writeout::Pad_Field(TimeHeading, TimeWidth) + QLatin1Char(','));
  }

  // A heading line that names the first channels and ends with their commas
  // and a blank field that empties the next channel's name. Nothing may
  // follow the last comma: a blank there would unname channel 4.
  void writeLeadingNames(const Names& names, int count) {
    writeHeadingStart();
    for (int channel = 0; channel < count; ++channel) {
      const QString name = headingName(names[channel]);
      out_.tab(ChannelColumns[channel]);
      out_.text(writeout::Pad_Field(name, ChannelWidth) + QLatin1Char(','));
      replayNames_[channel] = replayName(name, channel);
    }
    out_.text(QStringLiteral(","));
    replayNames_[count].clear();
    out_.endLine();
  }

  // A stored name is one the replay gives the reading only where the
  // reading reached that channel.
  void headingForReading(ProjectRows& rows) {
    Names wanted = replayNames_;
    Unnamed unnamed = unnamedIn(rows);
    bool changes = false;
    for (int channel = 0; channel < Channels; ++channel) {
      changes = changes || (unnamed[channel] && !replayNames_[channel].isEmpty());
      const QVariant name = rows.value(nameField(channel));
      if (name.isNull() || name.toString() == replayNames_[channel]) continue;
      wanted[channel] = name.toString();
      // A heading cannot give a channel an empty name; write one only where
      // it changes what the replay holds.
      changes = changes || replayName(headingName(wanted[channel]), channel) != replayNames_[channel];
    }
    if (changes) writeHeading(wanted, unnamed);
  }

  // The replay takes a reading's values by their place on the line, but its
  // last value ended by the line end always as CH4. A Null after which the
  // line goes on gets a placeholder that keeps the place and stores nothing:
  // a number in the time column (which stores nothing), the name the channel
  // already has in a channel column (which only names it again). A reading
  // that stored CH1 without a time had a blank time field. Trailing
  // Nulls are left out with their fields: the line was that much shorter. A
  // reading without CH4, or whose CH4 has more decimals than a line end keeps,
  // ends with a comma (a comma stores the value as it stands).
  void writeReading(ProjectRows& rows) {
    headingForReading(rows);
    QStringList values;
    QList<int> columns;
    const auto add = [&](int column, const QString& text) {
      columns.append(column);
      values.append(text);
    };
    add(1, writeout::Pad_Field(pv::longText(rows.value(F::READNUMBER)), ReadNumberWidth));
    const bool lastAtLineEnd = !endsWithComma(rows);
    const int placed = lastChannelInPlace(rows, lastAtLineEnd);
    if (!rows.isNull(F::TIME))
      add(TimeColumn, writeout::Pad_Field(pv::textText(rows.value(F::TIME)), TimeWidth));
    else if (!rows.isNull(F::CH1))
      add(TimeColumn, writeout::Pad_Field(EmptiedTime, TimeWidth));
    else if (placed >= 0)
      add(TimeColumn, writeout::Pad_Field(NoTime, TimeWidth));
    for (int channel = 0; channel <= placed; ++channel) {
      const QVariant value = rows.value(valueField(channel));
      add(ChannelColumns[channel], writeout::Pad_Field(value.isNull() ? placeholder(channel) : pv::doubleText(value),
                                                       ChannelWidth));
    }
    if (lastAtLineEnd)
      add(ChannelColumns[Channels - 1],
          writeout::Pad_Field(pv::doubleText(rows.value(valueField(Channels - 1))), ChannelWidth));
    for (qsizetype i = 0; i < values.size(); ++i) {
      out_.tab(columns[i]);
      out_.text(values[i]);
      if (i + 1 < values.size()) out_.text(FieldGap);
    }
    if (!lastAtLineEnd) out_.text(QStringLiteral(","));
    out_.endLine();
  }

  // The last channel whose value must stand in its own column: CH4 when the
  // line ends with a comma, else the last of CH1 to CH3 that holds a value;
  // -1 for none.
  static int lastChannelInPlace(ProjectRows& rows, bool lastAtLineEnd) {
    for (int channel = lastAtLineEnd ? Channels - 2 : Channels - 1; channel >= 0; --channel)
      if (!rows.isNull(valueField(channel))) return channel;
    return -1;
  }

  // A channel's name as the replay holds it, read again; an unnamed channel
  // is named "()", which the replay keeps as "NONE". The third column also
  // names channel 4 "CH 4", as any word there does.
  QString placeholder(int channel) {
    const bool named = !isBlank(replayNames_[channel]);
    const QString word = named ? replayNames_[channel] : UnnamedChannel;
    replayNames_[channel] = replayName(word, channel);
    if (channel == Channels - 2) replayNames_[Channels - 1] = DefaultChannel4;
    return word;
  }

  static bool endsWithComma(ProjectRows& rows) {
    const QVariant last = rows.value(F::CH4);
    if (last.isNull()) return true;
    const QString text = pv::doubleText(last);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    return point >= 0 && text.size() - point - 1 > StoredDecimals;
  }

  ProjectSection& section_;
  ProjectText& out_;
  Names replayNames_;  // after the replay's Initit: no names
};

}  // namespace

bool writeLoadFrameSection(ProjectSection& section) {
  LoadFrameWriter writer(section);
  for (const QString& listed : section.names) {
    const QString table = listedTable(listed);
    // A table the load frame cannot have named has no test-type line; its
    // rows would be read back into the test before it, so it is left out.
    // A listed table that does not exist still fails the save when it is read.
    if (testTypeLine(table).isEmpty() && section.db.hasTable(table)) continue;
    if (!writer.writeTable(table)) return false;
  }
  return true;
}

}  // namespace instrument
