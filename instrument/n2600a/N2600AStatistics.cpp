#include "instrument/n2600a/N2600AStatistics.h"

#include <cmath>

namespace instrument {

N2600AStatistics::N2600AStatistics(int columns) : columns_(columns) {}

void N2600AStatistics::count(int k, const QVariant& value) {
  if (value.isNull()) return;
  Column& column = columns_[k];
  const float v = value.toFloat();
  column.sum += v;
  column.sumOfSquares += static_cast<double>(v * v);
  ++column.count;
}

bool N2600AStatistics::allSumsZero() const {
  for (const Column& column : columns_)
    if (column.sum != 0.0F) return false;
  return true;
}

double N2600AStatistics::average(int k) const {
  const Column& column = columns_[k];
  return column.count > 0 ? static_cast<double>(column.sum / static_cast<float>(column.count)) : 0.0;
}

double N2600AStatistics::deviation(int k) const {
  const Column& column = columns_[k];
  if (column.count < 2) return 0.0;
  const float squaredSumShare = column.sum * column.sum / static_cast<float>(column.count);
  const double variance =
      (column.sumOfSquares - static_cast<double>(squaredSumShare)) / (column.count - 1);
  return variance > 0.0 ? std::sqrt(variance) : 0.0;
}

}  // namespace instrument
