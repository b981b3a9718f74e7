#pragma once

#include <QString>

#include <array>

namespace platform {
class ReportDesigner;
}
namespace platform::db {
class Recordset;
}

namespace report {

// The averages block of a density report: wet and dry density, moisture,
// percent moisture and percent compaction. Each average is taken over the
// readings that hold its value and reads "NA" when none does, so a missing
// value never leaves the average of an earlier table on the report.
class DensityAverages {
 public:
  static constexpr int Count = 5;

  explicit DensityAverages(int Model) : model_(Model) {}
  // Adds the current record's values.
  void add(const platform::db::Recordset& records);
  // The text of average i (1 to 5): two decimals, or "NA".
  QString averageText(int i) const;
  // Writes the title, every label and every value.
  void write(platform::ReportDesigner& report) const;

 private:
  int model_;
  std::array<double, Count> sums_{};
  std::array<int, Count> counts_{};
};

}  // namespace report
