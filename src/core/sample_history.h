#pragma once

#include <QtGlobal>

#include <algorithm>
#include <array>

namespace meterly {

// A fixed-size history of one series of per-second figures, index 0 the newest. Adding a value
// drops the oldest; nothing is allocated and nothing moves, since the graph's histories are pushed
// every second whether shown or not (a ring, whose newest slot walks backwards).
template <int Capacity>
class SampleHistory {
 public:
  static constexpr int Size = Capacity;

  void Push(quint32 value) {
    newest_ = newest_ == 0 ? Capacity - 1 : newest_ - 1;
    values_[static_cast<size_t>(newest_)] = value;
  }
  void Fill(quint32 value) { values_.fill(value); }
  void Set(int index, quint32 value) { values_[Slot(index)] = value; }

  quint32 operator[](int index) const { return values_[Slot(index)]; }
  bool AllEqual(quint32 value) const {
    return std::all_of(values_.begin(), values_.end(), [value](quint32 stored) { return stored == value; });
  }

  // The mean of the newest `count` values, rounded down.
  quint32 Mean(int count = Capacity) const {
    quint64 sum = 0;
    for (int i = 0; i < count; ++i) sum += (*this)[i];
    return static_cast<quint32>(sum / static_cast<quint64>(count));
  }

  // The largest of the values at indexes 0 to lastIndex.
  quint32 Largest(int lastIndex) const {
    const int end = std::clamp(lastIndex + 1, 0, Capacity);
    quint32 largest = 0;
    for (int i = 0; i < end; ++i) largest = std::max(largest, (*this)[i]);
    return largest;
  }

 private:
  size_t Slot(int index) const {
    const int slot = newest_ + index;
    return static_cast<size_t>(slot >= Capacity ? slot - Capacity : slot);
  }

  std::array<quint32, Capacity> values_{};
  int newest_ = 0;
};

}  // namespace meterly
