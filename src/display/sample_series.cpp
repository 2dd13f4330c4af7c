#include "display/sample_series.h"

#include <algorithm>

namespace meterly {

void SampleSeries::Push(quint32 value) {
  std::copy_backward(values_.begin(), values_.end() - 1, values_.end());
  values_[0] = value;
}

quint32 SampleSeries::Average() const {
  quint64 sum = 0;
  for (int i = 0; i < AverageWindow; ++i) sum += values_[static_cast<size_t>(i)];
  return static_cast<quint32>(sum / AverageWindow);
}

quint32 SampleSeries::Largest(int lastIndex) const {
  const int end = std::clamp(lastIndex + 1, 0, SampleCapacity);
  return end == 0 ? 0 : *std::max_element(values_.begin(), values_.begin() + end);
}

}  // namespace meterly
