#pragma once

#include <QList>
#include <QVariant>

namespace instrument {

// Averages and sample deviations of the result columns of one part (soil or
// asphalt) of the N2600A section. Sums are kept in single precision and the
// sums of squares in double precision, as the instrument's own report does.
class N2600AStatistics {
 public:
  explicit N2600AStatistics(int columns);

  // Counts one value of column k; a Null value is not counted.
  void count(int k, const QVariant& value);
  // Every sum is exactly 0 (nothing to report).
  bool allSumsZero() const;
  double average(int k) const;
  // Sample standard deviation (divisor n - 1); 0 for fewer than two values
  // and where rounding leaves no spread.
  double deviation(int k) const;

 private:
  struct Column {
    float sum = 0.0F;
    double sumOfSquares = 0.0;
    int count = 0;
  };
  QList<Column> columns_;
};

}  // namespace instrument
