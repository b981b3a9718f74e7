#pragma once

#include <QString>
#include <QStringList>

namespace report {

// The kinds of text the header-text editor Add_Info edits, by its value `what`.
enum HeaderTextWhat {
  WhatCompanyName = 0,
  WhatCompanyInfo = 1,
  WhatDate = 2,
  WhatMachineNumber = 3,
  WhatProjectName = 4,
  WhatTestedBy = 5,
  WhatTestedByDate = 6,
  WhatRemark = 7
};

// What one mode of the editor shows and writes. Member names are those of
// Report; the stiffness report's own names stand beside them where it has the
// object. An empty textObject means the mode edits no text.
struct HeaderTextMode {
  int what = WhatTestedByDate;
  QString caption;
  QStringList alignmentMembers;       // in Report
  QStringList stiffyAlignmentMembers; // in StiffyReport
  QString textObject;                 // in Report
  QString stiffyTextObject;           // in StiffyReport
  bool textEditable = false;
  bool multiLine = false;
  int cinfoItem = -1;                 // CInfo index Ok copies into; -1 none
};

// The mode for `what`; modes without a definition (6) edit nothing.
HeaderTextMode headerTextMode(int what);

inline const QString DateNotModifiable = QStringLiteral("Text can not be modified.");

}  // namespace report
