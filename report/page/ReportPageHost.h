#pragma once

#include <QString>

namespace platform::db {
class Database;
}

namespace report {

// What the report page asks of the main window that holds it. The main window
// implements it; report code never reaches the window otherwise.
class ReportPageHost {
 public:
  virtual ~ReportPageHost() = default;

  virtual int currentMainTab() const = 0;  // 0 data, 1 report, 2 graph
  // The menus that the report dialogs lock while they are open:
  // ImportWizard, Information and COM_DES.
  virtual void enableWindowMenus(bool enabled) = 0;
  virtual void Form_Resize() = 0;
  virtual void Initialize_TAB0() = 0;
  virtual void Fill_Data_Lists() = 0;
  virtual void setStatusText(const QString& text) = 0;
  // A status text that tells what a command did (the files an export
  // wrote): the window's activation does not replace it with "Status: OK".
  virtual void setLastingStatusText(const QString& text) { setStatusText(text); }
  // The data view's connection to the working database, which the report
  // builder reads the selected table through.
  virtual platform::db::Database& workingDatabase() = 0;
};

}  // namespace report
