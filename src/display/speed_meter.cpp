#include "display/speed_meter.h"

#include "core/conversion.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace meterly {
namespace {

constexpr quint64 kSecondsPerDay = 24 * 60 * 60;

// The formatting routines take signed amounts; nothing a meter counts comes near the limit.
qint64 Signed(quint64 value) {
  return static_cast<qint64>(std::min<quint64>(value, std::numeric_limits<qint64>::max()));
}

}  // namespace

void SpeedMeter::Reset() {
  seconds_ = 0;
  totalIn_ = totalOut_ = 0;
  maximumIn_ = maximumOut_ = 0;
  inHistory_.fill(0);
  outHistory_.fill(0);
}

void SpeedMeter::Step(quint64 in, quint64 out) {
  if (!running_) return;
  ++seconds_;
  totalIn_ += in;
  totalOut_ += out;
  maximumIn_ = std::max(maximumIn_, in);
  maximumOut_ = std::max(maximumOut_, out);
  Push(inHistory_, in);
  Push(outHistory_, out);
}

quint64 SpeedMeter::Mean(const History& history) {
  return std::accumulate(history.begin(), history.end(), quint64{0}) / HistoryLength;
}

void SpeedMeter::Push(History& history, quint64 value) {
  std::copy_backward(history.begin(), history.end() - 1, history.end());
  history[0] = value;
}

// Counted in whole seconds, so that no count of milliseconds can overflow on a long run.
QString SpeedMeter::ElapsedText() const {
  const quint64 ofDay = seconds_ % kSecondsPerDay;
  return QString::asprintf("%02u-%02u-%02u", static_cast<unsigned>(ofDay / 3600),
                           static_cast<unsigned>(ofDay / 60 % 60), static_cast<unsigned>(ofDay % 60));
}

SpeedMeterTable SpeedMeterTexts(const SpeedMeter& meter, const Settings& settings) {
  const auto speed = [&](quint64 value) { return FormatSpeed(settings, Signed(value)); };
  const auto volume = [&](quint64 value) { return FormatVolume(false, Signed(value), settings); };
  SpeedMeterTable table;
  table[smAverage] = {speed(meter.AverageIn()), speed(meter.AverageOut())};
  table[smMaximum] = {speed(meter.MaximumIn()), speed(meter.MaximumOut())};
  table[smTotal] = {volume(meter.TotalIn()), volume(meter.TotalOut())};
  return table;
}

}  // namespace meterly
