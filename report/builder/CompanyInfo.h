#pragma once

#include <QString>

#include <array>

#include "platform/core/SettingsFile.h"

namespace report {

// The text every company-information box starts with; report code reads it as
// "not filled in".
inline const QString CInfoPlaceholder = QStringLiteral("Empty");

// The longest company text kept from the company information file: more than
// a report header shows of one, even wrapped at the smallest report font.
inline constexpr int CInfoTextLimit = 255;

// Indexes of the nine company-information texts.
enum CInfoItem {
  CompanyName = 0,
  FirstInfoLine = 1,   // five address and contact lines, 1 to 5
  LastInfoLine = 5,
  ProjectName = 6,
  MachineNumber = 7,
  TestedBy = 8,
  CInfoCount = 9
};

// The live store of the nine header texts for the whole run: the company
// information file loads into it and saves from it, the editor window shows
// it, the report header reads it. One instance, owned by the main window.
struct CompanyInfo {
  std::array<QString, CInfoCount> CInfo;
  // How the company information file was found at load; Read once a save
  // has written it.
  platform::SettingsFile::Outcome fileOutcome = platform::SettingsFile::Missing;

  // The file was there at load but was not read (too large, or unreadable):
  // saves that only store a new data-set title leave it as it is, and only
  // the user's own save of the texts replaces it.
  bool fileRefused() const { return platform::settingsFileRefused(fileOutcome); }
  // Why, naming the file, when it was refused.
  QString fileRefusal;
  // A text of the file was longer than CInfoTextLimit and is held cut: the
  // file still has it whole until the user saves the texts; saves that only
  // store a new data-set title write the title and keep the file's texts.
  bool textsCut = false;

  CompanyInfo() { CInfo.fill(CInfoPlaceholder); }
};

}  // namespace report
