#pragma once

#include <QString>

#include <vector>

namespace meterly {

struct Settings;
class TQuotaSetup;

// The rows of the quota window's report for the current period.
struct QuotaReportRow {
  QString Caption;
  int Image = 0;  // 0 period, 1 use, 2 suggestion
  QString Value;
  // The gauge drawn in the third column (0 the flat-rate or on-peak one, 1 the off-peak one),
  // or -1 for none.
  int Gauge = -1;
};

struct QuotaReport {
  std::vector<QuotaReportRow> Rows;
  int GaugePercent[2] = {0, 0};  // may lie outside 0 ... 100; the gauges clip
  bool SecondGaugeVisible = false;
};

// The report as the quota window shows it, with amounts in the user's volume unit.
QuotaReport BuildQuotaReport(const TQuotaSetup& quota, const Settings& settings);

}  // namespace meterly
