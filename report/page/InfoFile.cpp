#include "report/page/InfoFile.h"

#include <QFile>

#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/WholeFile.h"

namespace report {
namespace {

constexpr char Quote = '"';
constexpr char CarriageReturn = '\r';
constexpr char LineFeed = '\n';
constexpr int ItemCount = CInfoCount + 1;  // the nine texts and the title

// A line break inside a text would move every later item to the wrong place
// on the next load; it is stored as a blank.
QByteArray storedText(const QString& text) {
  QByteArray bytes = text.toLatin1();
  bytes.replace(CarriageReturn, ' ');
  bytes.replace(LineFeed, ' ');
  return bytes;
}

bool save(const CompanyInfo& info, const QString& title, const QString& path) {
  QByteArray record;
  for (const QString& text : info.CInfo) record += storedText(text) + CarriageReturn;
  record += storedText(title) + CarriageReturn;

  return platform::writeWholeFile(path, Quote + record + Quote + CarriageReturn + LineFeed);
}

// Lines end at a carriage return; a line feed right after it belongs to the
// line end.
QList<QByteArray> splitLines(const QByteArray& bytes) {
  QList<QByteArray> lines;
  QByteArray line;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c != CarriageReturn) {
      line += c;
      continue;
    }
    lines.append(line);
    line.clear();
    if (i + 1 < bytes.size() && bytes[i + 1] == LineFeed) ++i;
  }
  if (!line.isEmpty()) lines.append(line);
  return lines;
}

bool load(CompanyInfo& info, QString& title, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QList<QByteArray> lines = splitLines(file.readAll());
  for (int item = 0; item < ItemCount && item < lines.size(); ++item) {
    QByteArray value = lines[item];
    value.replace(Quote, QByteArray());
    if (value.isEmpty()) continue;  // an empty item keeps what it had
    if (item < CInfoCount)
      info.CInfo[item] = QString::fromLatin1(value);
    else
      title = QString::fromLatin1(value);
  }
  return true;
}

}  // namespace

bool Info_File(int mode, CompanyInfo& info, QString& Download_Title) {
  const QString path = platform::ProgramFolder::path(platform::ProgramFiles::CompanyInfo);
  switch (mode) {
    case InfoFileLoad:
      return load(info, Download_Title, path);
    case InfoFileSave:
      return save(info, Download_Title, path);
    default:
      return false;
  }
}

}  // namespace report
