#pragma once

#include <QString>

#include <array>

namespace report {

// The text every company-information box starts with; report code reads it as
// "not filled in".
inline const QString CInfoPlaceholder = QStringLiteral("Empty");

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

  CompanyInfo() { CInfo.fill(CInfoPlaceholder); }
};

}  // namespace report
