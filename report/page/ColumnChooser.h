#pragma once

#include <QString>

#include "report/builder/StiffnessBlocks.h"
#include "report/page/ReportPageContext.h"

namespace report {

// The automatic advance of the column list: the entry number last recorded
// and the direction the user has been working in (1 down, 0 up).
struct ColumnAdvance {
  int Last_List2_Column = 1;
  int List2_Direction = 1;
};

// The column-list row selected after a click on a data item when row index
// of count rows was selected; updates the advance state.
int advanceColumnList(int index, int count, ColumnAdvance& advance);

// List1_Click: places the data item chosen in List1 into the column chosen
// in List2 and moves List2 on in the direction the user works in, so that a
// run of clicks fills adjacent columns.
class ColumnChooser {
 public:
  explicit ColumnChooser(const ReportPageContext& context) : context_(context) {}

  void List1_Click();

  // The report set-up starts the advance afresh; Clear only rewinds it.
  void restartAdvance() { advance_ = {}; }
  void rewindAdvance() { advance_.Last_List2_Column = 1; }
  const ColumnAdvance& advance() const { return advance_; }

 private:
  bool refused(const QString& item) const;
  bool roomRefused(int t, const StiffnessBlock* block) const;
  void placeBlock(int t, const StiffnessBlock& block);
  void hideTitlesOfAbsentBlocks();
  void placeOne(int Col, const QString& item);
  void selectColumnRow(int row);

  ReportPageContext context_;
  ColumnAdvance advance_;
};

}  // namespace report
