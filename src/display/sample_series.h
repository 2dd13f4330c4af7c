#pragma once

#include <QtGlobal>

#include <array>

namespace meterly {

// One more than the widest graph needs, so that smoothing the oldest drawn value still has an
// older neighbour.
constexpr int SampleCapacity = 2049;
constexpr int AverageWindow = 5;

// A fixed-size history of one series, index 0 the newest value. Adding a value moves the
// others one place towards the old end and drops the oldest; nothing is ever allocated.
class SampleSeries {
 public:
  void Push(quint32 value);
  void Fill(quint32 value) { values_.fill(value); }
  void Set(int index, quint32 value) { values_[static_cast<size_t>(index)] = value; }

  quint32 operator[](int index) const { return values_[static_cast<size_t>(index)]; }

  // The mean of the newest AverageWindow values, rounded down.
  quint32 Average() const;
  // The largest of the values at indexes 0 to lastIndex.
  quint32 Largest(int lastIndex) const;

 private:
  std::array<quint32, SampleCapacity> values_{};
};

}  // namespace meterly
