#include "report/page/settings/StiffnessConsFile.h"

#include <QLocale>

#include <array>
#include <cmath>

#include "instrument/ProjectValues.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/SettingsFile.h"
#include "platform/core/WholeFile.h"

namespace report {
namespace {

struct ConstantField {
  double StiffnessConstants::*member;
  const char* key;
  int decimals;  // what a load keeps
};

constexpr ConstantField Fields[StiffnessConstantCount] = {
    {&StiffnessConstants::MeasMs, "MeasMs = ", 2}, {&StiffnessConstants::Assmas, "Assmas = ", 4},
    {&StiffnessConstants::Poisra, "Poisra = ", 2}, {&StiffnessConstants::Densit, "Densit = ", 1},
    {&StiffnessConstants::Slopes, "Slopes = ", 4}, {&StiffnessConstants::Interc, "Interc = ", 3},
    {&StiffnessConstants::Densi2, "Densi2 = ", 1},
};

constexpr int KeyLength = 9;
const QByteArray LineEnd = QByteArrayLiteral("\r\n");

int fieldOfKey(const QString& key) {
  for (int i = 0; i < StiffnessConstantCount; ++i)
    if (key == QLatin1String(Fields[i].key)) return i;
  return -1;
}

// The value brought to the nearest one with the given decimals, by its
// decimal text so that 0.125 keeps its half.
double roundedTo(double value, int decimals) {
  return instrument::projectvalues::fixedText(value, decimals).toDouble();
}

void setAll(StiffnessConstants& constants, double value) {
  for (int i = 0; i < StiffnessConstantCount; ++i) stiffnessConstant(constants, i) = value;
}

QStringList keysNotIn(const std::array<bool, StiffnessConstantCount>& seen) {
  QStringList keys;
  for (int i = 0; i < StiffnessConstantCount; ++i)
    if (!seen[i]) keys.append(stiffnessConstantKey(i).left(6));
  return keys;
}

}  // namespace

double& stiffnessConstant(StiffnessConstants& constants, int index) { return constants.*(Fields[index].member); }

double stiffnessConstant(const StiffnessConstants& constants, int index) {
  return constants.*(Fields[index].member);
}

QString stiffnessConstantKey(int index) { return QLatin1String(Fields[index].key); }

QString stiffnessConstantText(double value) {
  return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

bool parseStiffnessConstant(const QString& text, double& value) {
  QString number = text.trimmed();
  if (number.count(QLatin1Char(',')) == 1 && !number.contains(QLatin1Char('.')))
    number.replace(QLatin1Char(','), QLatin1Char('.'));
  QLocale c = QLocale::c();
  c.setNumberOptions(QLocale::RejectGroupSeparator);
  bool ok = false;
  const double parsed = c.toDouble(number, &ok);
  if (!ok || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

StiffnessConsLoad loadStiffnessConstants(StiffnessConstants& constants) {
  StiffnessConsLoad result;
  const platform::SettingsFile file =
      platform::readSettingsFile(platform::ProgramFolder::path(platform::ProgramFiles::StiffnessConstants));
  // A file that holds nothing (as a full disk once left it) or cannot be read
  // counts as missing, so that the user is asked rather than given zeros.
  if (file.outcome != platform::SettingsFile::Read) {
    result.unreadable = file.error;
    return result;
  }
  if (file.bytes.trimmed().isEmpty()) return result;
  const QList<QByteArray> lines = platform::settingsFileLines(file.bytes);
  std::array<bool, StiffnessConstantCount> seen{};
  for (int line = 0; line < StiffnessConstantCount; ++line) {
    // A short file is read like one with an empty line: no line repeats into
    // the next constant.
    if (line >= lines.size() || lines[line].isEmpty()) {
      setAll(constants, 0);
      result.outcome = StiffnessConsLoad::Defaulted;
      result.unreadKeys.clear();
      result.missingKeys = keysNotIn(seen);
      return result;
    }
    const QString text = QString::fromLatin1(lines[line]);
    const int field = fieldOfKey(text.left(KeyLength));
    if (field < 0) continue;
    seen[field] = true;
    double value = 0;
    if (parseStiffnessConstant(text.mid(KeyLength), value))
      stiffnessConstant(constants, field) = roundedTo(value, Fields[field].decimals);
    else
      result.unreadKeys.append(stiffnessConstantKey(field).left(6));
  }
  result.outcome = StiffnessConsLoad::Loaded;
  result.missingKeys = keysNotIn(seen);
  return result;
}

QByteArray stiffnessConstantsFileText(const StiffnessConstants& constants) {
  QByteArray text;
  for (int i = 0; i < StiffnessConstantCount; ++i)
    text += Fields[i].key + stiffnessConstantText(stiffnessConstant(constants, i)).toLatin1() + LineEnd;
  return text;
}

bool saveStiffnessConstants(const StiffnessConstants& constants, QString* error) {
  return platform::writeWholeFile(platform::ProgramFolder::path(platform::ProgramFiles::StiffnessConstants),
                                  stiffnessConstantsFileText(constants), error);
}

}  // namespace report
