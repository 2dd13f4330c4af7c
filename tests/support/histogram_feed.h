#pragma once

// Graphs in tests: colours that all differ, so that each pixel tells its source, and samples fed
// newest first.

#include "display/histogram.h"

#include <initializer_list>
#include <iterator>
#include <utility>

namespace meterly::testing_support {

constexpr Colorref Back = 0xFFFFFF;
constexpr Colorref Frame = 0xC0C0C0;
constexpr Colorref Tick = 0x808080;
constexpr Colorref In = 0x0000FF;
constexpr Colorref Out = 0x00C000;
constexpr Colorref Both = 0xC00000;
constexpr Colorref Text = 0x000000;
constexpr Colorref Gradient = 0xFFAAAA;

inline void UseTestColours(THistogram& graph) {
  graph.SetBackColor(Back);
  graph.SetFrameColor(Frame);
  graph.SetTickColor(Tick);
  graph.SetColorIn(In);
  graph.SetColorOut(Out);
  graph.SetColorBoth(Both);
  graph.SetTextColor(Text);
  graph.SetGradColor(Gradient);
}

// Pushes the pairs so that the first one given ends up newest (index 0).
inline void Feed(THistogram& graph, std::initializer_list<std::pair<quint32, quint32>> newestFirst) {
  for (auto pair = std::rbegin(newestFirst); pair != std::rend(newestFirst); ++pair) {
    graph.AddSample(pair->first, pair->second);
  }
}

// The same pair at every index.
inline void FeedAll(THistogram& graph, quint32 in, quint32 out) {
  for (int i = 0; i < SampleCapacity; ++i) graph.AddSample(in, out);
}

}  // namespace meterly::testing_support
