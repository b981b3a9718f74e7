#pragma once

#include <QString>
#include <QtGlobal>

namespace instrument {

// Long work that yields to the event loop (a download, a project-file replay)
// marks itself here, so that commands which would pull the database or the
// port from under it (Exit, Import Wizard, the COM port probe) are refused or
// remembered until it ends.
struct LongWork {
  int depth = 0;
  bool closeRequested = false;  // an exit asked for while work ran

  bool running() const { return depth > 0; }
};

// Marks a stretch of long work for the lifetime of the object.
class LongWorkScope {
 public:
  explicit LongWorkScope(LongWork& work) : work_(work) { ++work_.depth; }
  ~LongWorkScope() { --work_.depth; }
  LongWorkScope(const LongWorkScope&) = delete;
  LongWorkScope& operator=(const LongWorkScope&) = delete;

 private:
  LongWork& work_;
};

// Test_Name when no sample type applies (and nothing is selected).
inline const QString NoTestName = QStringLiteral("NONE");

// The program-wide data state: which model the working database holds, what
// is selected, and the flags that tell the views to rebuild. One instance,
// owned by the main window and passed by reference to whoever reads or writes
// it.
struct ProgramState {
  qint32 Model_Code = 0;         // 0 LX9100, 1 N2600A, 2 N2600BX, 3 T7310
  int Download_Status = 0;       // status code of the last port, parse or database step
  QString Download_Title;        // text of the tree root
  QString Table_Name;            // table selected in the tree
  QString Test_Name;             // sample type selected in the tree, "NONE" when none applies
  QString projectId;             // the selected density-gauge project as the tree shows it (12.5 for table 125)
  qint32 Row_Count = 0;          // readings of the selected load-frame test
  bool New_Data = false;         // the report page is to be rebuilt
  bool New_Download = false;     // the first tree click after a download reloads
  // An edit the data view committed changed the stored data of the selected
  // table since the report page last read it: the report reads its values
  // again when its tab is shown next.
  bool Data_Edited = false;
  QString Last_Path;             // folder of the last file dialog
  float Download_Seconds = 0.0F;  // seconds shown by the wizard's time panel
  LongWork longWork;
};

}  // namespace instrument
