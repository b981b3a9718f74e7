#pragma once

#include <QStringList>
#include <functional>

#include "platform/db/Database.h"
#include "report/page/ReportPageHost.h"

namespace report::testing {

// A main window stand-in that records what the report page asks of it.
class FakeReportPageHost : public ReportPageHost {
 public:
  int tab = 1;
  bool menusEnabled = true;
  int resizes = 0;
  std::function<void()> onResize;
  QString status;

  int currentMainTab() const override { return tab; }
  void enableWindowMenus(bool enabled) override { menusEnabled = enabled; }
  void Form_Resize() override {
    ++resizes;
    if (onResize) onResize();
  }
  void Initialize_TAB0() override {}
  void Fill_Data_Lists() override {}
  void setStatusText(const QString& text) override { status = text; }
  platform::db::Database& workingDatabase() override { return db; }
  platform::db::Database db;
};

}  // namespace report::testing
