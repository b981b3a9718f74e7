#pragma once

namespace report {

// Report-side flags that the main window sets at start-up and on every tree
// selection, and that the report page, its dialogs and the font re-flow read
// and write. One instance, owned by the main window.
struct ReportFlags {
  int Report_Font_Size = 9;        // 9 to 12
  bool Noise_Block = false;        // the stiffness report holds its noise block
  bool Signal_Block = false;       // the stiffness report holds its signal block
  bool Logo_Loaded = false;        // a logo stands in the report header
  bool Constants_Changed = false;  // the stiffness report must be rebuilt
  bool Info_Changed = false;       // header texts edited and not saved
};

}  // namespace report
