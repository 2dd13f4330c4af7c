#include "reports/usage_chart.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <algorithm>

namespace meterly {

namespace {

constexpr int kDemoPoints = 15;
constexpr quint64 kDemoLimit = 100000;

}  // namespace

Colorref BrightColor(Colorref colour) {
  const quint32 red = colour & 0xFF;
  const quint32 green = (colour >> 8) & 0xFF;
  const quint32 blue = (colour >> 16) & 0xFF;
  const quint32 lift = 255 - std::max({red, green, blue});
  return (red + lift) | (green + lift) << 8 | (blue + lift) << 16;
}

TUsageChart::TUsageChart() = default;

void TUsageChart::Changed() const {
  if (OnChange) OnChange();
}

void TUsageChart::AddPoint(const QString& label, quint64 received, quint64 sent) {
  series_.Add({received, sent, label});
  Changed();
}

void TUsageChart::Clear() {
  series_.Clear();
  Changed();
}

void TUsageChart::FillDemoData() {
  QRandomGenerator& random = *QRandomGenerator::global();
  for (int i = 0; i < kDemoPoints; ++i) {
    series_.Add(
        {random.bounded(kDemoLimit), random.bounded(kDemoLimit), QCoreApplication::translate("TUsageChart", "Sample")});
  }
  Changed();
}

void TUsageChart::SetClientSize(QSize size) {
  size_ = size;
  Changed();
}

int TUsageChart::VisibleCount() const { return std::max(1, (size_.width() - ReservedWidth) / BarPitch); }

int TUsageChart::FirstVisible() const {
  const int count = series_.Count();
  return count == 0 ? 0 : std::clamp(scrollPosition_, 0, count - 1);
}

int TUsageChart::LastVisible() const {
  const int count = series_.Count();
  return count == 0 ? 0 : std::clamp(FirstVisible() + VisibleCount() - 1, 0, count - 1);
}

void TUsageChart::PageLeft() {
  scrollPosition_ -= VisibleCount();
  Changed();
}

void TUsageChart::PageRight() {
  scrollPosition_ += VisibleCount();
  Changed();
}

bool TUsageChart::PageLeftEnabled() const { return FirstVisible() > 0; }

bool TUsageChart::PageRightEnabled() const { return FirstVisible() + VisibleCount() <= series_.Count() - 1; }

void TUsageChart::SetGradientTopColor(Colorref colour) {
  gradientTopColor_ = colour;
  Changed();
}

void TUsageChart::SetReceivedColor(Colorref colour) {
  receivedColor_ = colour;
  Changed();
}

void TUsageChart::SetSentColor(Colorref colour) {
  sentColor_ = colour;
  Changed();
}

quint64 TUsageChart::LargestVisibleTotal() const {
  quint64 largest = 0;
  for (int i = FirstVisible(); i <= LastVisible(); ++i) largest = std::max(largest, series_.At(i).Total());
  return largest;
}

}  // namespace meterly
