#include "report/page/settings/HeaderLayoutFile.h"

#include <QList>

#include <array>
#include <optional>

#include "instrument/DeviceType.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/SettingsFile.h"
#include "platform/core/WholeFile.h"
#include "platform/report/ReportDesigner.h"
#include "report/builder/HeaderRoom.h"
#include "report/builder/ReportDesigners.h"
#include "report/builder/ReportFlags.h"

namespace report {
namespace {

constexpr int KeyLength = 9;
const QByteArray LineEnd = QByteArrayLiteral("\r\n");
const QString PictureKey = QStringLiteral("PicObj = ");
const QString FontSizeKey = QStringLiteral("FontSZ = ");
constexpr int SmallestFont = 9;
constexpr int LargestFont = 12;

struct AlignmentLine {
  const char* key;
  const char* object;
  bool densityGaugesOnly;  // written for models 1 and 2 only, read for all
};

constexpr std::array<AlignmentLine, 8> AlignmentLines = {{
    {"TitleP = ", "Company", false},
    {"CInfoP = ", "Companyinfo", false},
    {"Time_1 = ", "Text8", false},
    {"Time_2 = ", "Field1", false},
    {"Time_3 = ", "Field2", false},
    {"MachNO = ", "MachNoText", true},
    {"TestBy = ", "TestedByText", true},
    {"ProjNM = ", "ProjNameText", true},
}};

bool isDensityGauge(int Model_Code) {
  return Model_Code == instrument::ModelCode::N2600A || Model_Code == instrument::ModelCode::N2600BX;
}

const AlignmentLine* alignmentLineOf(const QString& key) {
  for (const AlignmentLine& line : AlignmentLines)
    if (key == QLatin1String(line.key)) return &line;
  return nullptr;
}

// A whole number, blanks round it allowed; nothing else counts.
std::optional<int> numberIn(const QString& value) {
  bool ok = false;
  const int number = value.trimmed().toInt(&ok);
  return ok ? std::optional<int>(number) : std::nullopt;
}

int fontSizeIn(const QString& value) {
  const std::optional<int> size = numberIn(value);
  return size && *size >= SmallestFont && *size <= LargestFont ? *size : SmallestFont;
}

// The file is 8-bit text, as the other settings files and older
// installations have it: a logo path keeps its accented letters.
QList<QString> fileLines(const QByteArray& bytes) {
  QList<QString> lines;
  for (const QByteArray& line : platform::settingsFileLines(bytes)) lines.append(QString::fromLatin1(line));
  return lines;
}

}  // namespace

QString headerLayoutPath(int Model_Code) {
  using namespace platform::ProgramFiles;
  switch (Model_Code) {
    case instrument::ModelCode::LX9100: return platform::ProgramFolder::path(HeaderLayoutLoadFrame);
    case instrument::ModelCode::N2600A: return platform::ProgramFolder::path(HeaderLayoutN2600A);
    case instrument::ModelCode::N2600BX: return platform::ProgramFolder::path(HeaderLayoutN2600BX);
    case instrument::ModelCode::T7310: return platform::ProgramFolder::path(HeaderLayoutStiffness);
    default: return {};
  }
}

QByteArray headerLayoutText(const ReportDesigners& designers, const ReportFlags& flags, int Model_Code) {
  QByteArray text;
  for (const AlignmentLine& line : AlignmentLines) {
    if (line.densityGaugesOnly && !isDensityGauge(Model_Code)) continue;
    // An object the report lacks writes no line, rather than a made-up code.
    const std::optional<int> code = designers.Report->member(QLatin1String(line.object)).horAlignment();
    if (code) text += line.key + QByteArray::number(*code) + LineEnd;
  }
  if (flags.Logo_Loaded) text += PictureKey.toLatin1() + flags.Logo_Path.toLatin1() + LineEnd;
  text += FontSizeKey.toLatin1() + QByteArray::number(flags.Report_Font_Size) + LineEnd;
  return text;
}

bool saveHeaderLayout(const ReportDesigners& designers, const ReportFlags& flags, int Model_Code, QString* error) {
  const QString path = headerLayoutPath(Model_Code);
  if (path.isEmpty()) {
    if (error != nullptr) *error = QStringLiteral("No header layout file for this model.");
    return false;
  }
  return platform::writeWholeFile(path, headerLayoutText(designers, flags, Model_Code), error);
}

HeaderLayoutLoad loadHeaderLayout(ReportDesigners& designers, ReportFlags& flags, int Model_Code,
                                  const ResizeReportFont& resize) {
  HeaderLayoutLoad result;
  const platform::SettingsFile file = platform::readSettingsFile(headerLayoutPath(Model_Code));
  if (file.outcome != platform::SettingsFile::Read) {
    result.unreadable = file.error;
    return result;
  }
  result.outcome = HeaderLayoutLoad::Loaded;
  for (const QString& line : fileLines(file.bytes)) {
    const QString key = line.left(KeyLength);
    const QString value = line.mid(KeyLength);
    if (const AlignmentLine* alignment = alignmentLineOf(key)) {
      if (const std::optional<int> code = numberIn(value))
        designers.Report->member(QLatin1String(alignment->object)).setHorAlignment(*code);
    } else if (key == PictureKey) {
      if (!insertLogo(designers, flags, Model_Code, value)) result.unreadablePicture = value;
    } else if (key == FontSizeKey) {
      if (resize) resize(fontSizeIn(value));
    }
  }
  return result;
}

}  // namespace report
