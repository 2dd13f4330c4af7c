#pragma once

#include "core/sample_history.h"

namespace meterly {

// One more than the widest graph needs, so that smoothing the oldest drawn value still has an
// older neighbour.
constexpr int SampleCapacity = 2049;
constexpr int AverageWindow = 5;

// The history of one series of a graph; its average is the mean of the newest AverageWindow values.
class SampleSeries : public SampleHistory<SampleCapacity> {
 public:
  quint32 Average() const { return Mean(AverageWindow); }
};

}  // namespace meterly
