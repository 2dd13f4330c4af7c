#pragma once

#include "core/settings.h"

#include <QString>
#include <QtGlobal>

#include <array>

namespace meterly {

// The counts of one measured transfer: fed once a second by the main tick while running, with
// the bytes that second counted (0 when it counted nothing).
class SpeedMeter {
 public:
  static constexpr int HistoryLength = 5;
  using History = std::array<quint64, HistoryLength>;  // index 0 newest

  bool Running() const { return running_; }
  // Stopping keeps every count, so that a later start continues them.
  void SetRunning(bool running) { running_ = running; }

  // Zeroes every count; the running state stays as it is.
  void Reset();

  // One second of the main tick; ignored while stopped.
  void Step(quint64 in, quint64 out);

  quint64 Seconds() const { return seconds_; }
  quint64 TotalIn() const { return totalIn_; }
  quint64 TotalOut() const { return totalOut_; }
  quint64 MaximumIn() const { return maximumIn_; }
  quint64 MaximumOut() const { return maximumOut_; }
  // The mean of the last five seconds (the entries summed and divided by five, truncated).
  quint64 AverageIn() const { return Mean(inHistory_); }
  quint64 AverageOut() const { return Mean(outHistory_); }

  // The elapsed time as a time of day, "hh-nn-ss"; the hours wrap after 24.
  QString ElapsedText() const;

 private:
  static quint64 Mean(const History& history);
  static void Push(History& history, quint64 value);

  bool running_ = false;
  quint64 seconds_ = 0;
  quint64 totalIn_ = 0;
  quint64 totalOut_ = 0;
  quint64 maximumIn_ = 0;
  quint64 maximumOut_ = 0;
  History inHistory_{};
  History outHistory_{};
};

// The table of the meter: the texts of the received and the sent column of each row.
struct SpeedMeterRowTexts {
  QString In;
  QString Out;
};
enum SpeedMeterRow { smAverage, smMaximum, smTotal, smRowCount };
using SpeedMeterTable = std::array<SpeedMeterRowTexts, smRowCount>;

// Rates in the rate unit of the settings, totals in their volume unit.
SpeedMeterTable SpeedMeterTexts(const SpeedMeter& meter, const Settings& settings);

}  // namespace meterly
