#include "report/page/header/InfoFile.h"

#include <QList>

#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/SettingsFile.h"
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

// The ten items, each as the file stores it, as one quoted record.
bool writeRecord(const QList<QByteArray>& items, const QString& path) {
  QByteArray record;
  for (const QByteArray& item : items) record += item + CarriageReturn;
  return platform::writeWholeFile(path, Quote + record + Quote + CarriageReturn + LineFeed);
}

bool save(CompanyInfo& info, const QString& title, const QString& path) {
  QList<QByteArray> items;
  for (const QString& text : info.CInfo) items.append(storedText(text));
  items.append(storedText(title));
  if (!writeRecord(items, path)) return false;
  info.fileOutcome = platform::SettingsFile::Read;
  info.fileRefusal.clear();
  info.textsCut = false;
  return true;
}

// The record without its own opening and closing quotes (and the line end
// after them); quotes inside the texts are theirs and stay.
QByteArray recordText(QByteArray bytes) {
  if (bytes.startsWith(Quote)) bytes.remove(0, 1);
  if (bytes.endsWith(LineFeed)) bytes.chop(1);
  if (bytes.endsWith(CarriageReturn)) bytes.chop(1);
  if (bytes.endsWith(Quote)) bytes.chop(1);
  return bytes;
}

bool load(CompanyInfo& info, QString& title, const QString& path) {
  const platform::SettingsFile file = platform::readSettingsFile(path);
  info.fileOutcome = file.outcome;
  info.fileRefusal = file.error;
  info.textsCut = false;
  if (file.outcome != platform::SettingsFile::Read) return false;
  const QList<QByteArray> lines = platform::settingsFileLines(recordText(file.bytes));
  for (int item = 0; item < ItemCount && item < lines.size(); ++item) {
    const QByteArray& value = lines[item];
    if (value.isEmpty()) continue;  // an empty item keeps what it had
    if (item < CInfoCount) {
      info.CInfo[item] = QString::fromLatin1(value.left(CInfoTextLimit));
      info.textsCut = info.textsCut || value.size() > CInfoTextLimit;
    } else {
      title = QString::fromLatin1(value);
    }
  }
  return true;
}

// The file's nine texts exactly as it holds them (an empty or missing one
// stays so), then the new title.
bool saveTitle(const QString& title, const QString& path) {
  const platform::SettingsFile file = platform::readSettingsFile(path);
  if (file.outcome != platform::SettingsFile::Read) return false;
  QList<QByteArray> items = platform::settingsFileLines(recordText(file.bytes)).mid(0, CInfoCount);
  while (items.size() < CInfoCount) items.append(QByteArray());
  items.append(storedText(title));
  return writeRecord(items, path);
}

}  // namespace

bool saveTitleKeepingTexts(const QString& Download_Title) {
  return saveTitle(Download_Title, platform::ProgramFolder::path(platform::ProgramFiles::CompanyInfo));
}

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
