#pragma once

#include <QtGlobal>

#include <algorithm>
#include <array>

namespace meterly {

// A fixed-size history of one series of per-second figures, index 0 the newest. Adding a value
// moves the others one place towards the old end and drops the oldest; nothing is allocated.
template <int Capacity>
class SampleHistory {
 public:
  static constexpr int Size = Capacity;

  void Push(quint32 value) {
    std::copy_backward(values_.begin(), values_.end() - 1, values_.end());
    values_[0] = value;
  }
  void Fill(quint32 value) { values_.fill(value); }
  void Set(int index, quint32 value) { values_[static_cast<size_t>(index)] = value; }

  quint32 operator[](int index) const { return values_[static_cast<size_t>(index)]; }
  const std::array<quint32, Capacity>& Values() const { return values_; }

  // The mean of the newest `count` values, rounded down.
  quint32 Mean(int count = Capacity) const {
    quint64 sum = 0;
    for (int i = 0; i < count; ++i) sum += values_[static_cast<size_t>(i)];
    return static_cast<quint32>(sum / static_cast<quint64>(count));
  }

  // The largest of the values at indexes 0 to lastIndex.
  quint32 Largest(int lastIndex) const {
    const int end = std::clamp(lastIndex + 1, 0, Capacity);
    return end == 0 ? 0 : *std::max_element(values_.begin(), values_.begin() + end);
  }

 private:
  std::array<quint32, Capacity> values_{};
};

}  // namespace meterly
