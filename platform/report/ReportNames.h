#pragma once

#include <QString>

namespace platform {

// Names of the report objects that stand in indexed roles. Column indexes are
// 1..19: 1 is the read-number column, k + 1 is "Col k". Header and data
// objects share the prefix "Col" so that walks testing the first three letters
// of a name reach them; the separator lines are named otherwise.
namespace ReportNames {

inline QString columnHeader(int k) { return QStringLiteral("ColHeader%1").arg(k); }  // 1..19
inline QString columnData(int k) { return QStringLiteral("Col%1").arg(k); }          // 1..19
// The separator line right of column k, k = 2..18.
inline QString columnLine(int k) { return QStringLiteral("SepLine%1").arg(k); }
// The separator line right of "Col n", n = 1..17 (the same objects).
inline QString separatorLine(int n) { return columnLine(n + 1); }
inline const QString ReadNumberLine = QStringLiteral("ReadNumberLine");

inline QString headerLabel(int i) { return QStringLiteral("HeaderLabel%1").arg(i); }    // 1..4
inline QString averageLabel(int i) { return QStringLiteral("AverageLabel%1").arg(i); }  // 1..5
inline QString averageValue(int i) { return QStringLiteral("AverageValue%1").arg(i); }  // 1..5
inline QString landscapeLine(int i) { return QStringLiteral("LandscapeLine%1").arg(i); }  // 1..2
inline QString portraitLine(int i) { return QStringLiteral("PortraitLine%1").arg(i); }    // 1..2
inline QString landscapeBox(int i) { return QStringLiteral("LandscapeBox%1").arg(i); }    // 1..2
inline QString portraitBox(int i) { return QStringLiteral("PortraitBox%1").arg(i); }      // 1..2
inline QString stiffyAverage(int j) { return QStringLiteral("StiffyAverage%1").arg(j); }  // 1..6

inline QString section(int n) { return QStringLiteral("Section%1").arg(n); }

}  // namespace ReportNames

}  // namespace platform
