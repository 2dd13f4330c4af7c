#include "alerts/quota_report.h"

#include "alerts/quota.h"
#include "core/conversion.h"
#include "core/quota_definition.h"
#include "core/settings.h"

#include <QCoreApplication>

#include <algorithm>

namespace meterly {

namespace {

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(QuotaReport)
};

enum Image { kPeriodImage = 0, kUsedImage = 1, kSuggestionImage = 2 };

struct Half {
  qint64 used;
  qint64 allowance;
  qint64 left;
};

QString UsedText(const Half& half, const Settings& settings) {
  return Texts::tr("%1 of %2 with %3 left")
      .arg(FormatVolume(false, half.used, settings), FormatVolume(false, half.allowance, settings),
           FormatVolume(false, std::max<qint64>(half.left, 0), settings));
}

// The even share of what is left, or `exceeded` when nothing is.
QString Suggestion(const Half& half, qint32 daysLeft, const QString& exceeded, const Settings& settings) {
  if (half.left <= 0) return exceeded;
  return FormatVolume(false, TQuotaSetup::SuggestedDailyUsage(half.left, daysLeft), settings);
}

}  // namespace

QuotaReport BuildQuotaReport(const TQuotaSetup& quota, const Settings& settings) {
  const QuotaDefinition& definition = quota.Definition();
  const QuotaAmounts used = quota.GetUsed();
  const QuotaAmounts allowance = quota.GetAllowance();
  const Half first{used.First, allowance.First, TQuotaSetup::Left(used.First, allowance.First)};
  const Half second{used.Second, allowance.Second, TQuotaSetup::Left(used.Second, allowance.Second)};
  const qint32 daysLeft = quota.DaysLeft();
  const bool onOffPeak = definition.QuotaHours == QuotaHoursKind::OnOffPeak;

  QuotaReport report;
  report.GaugePercent[0] = TQuotaSetup::UsedPercent(first.used, first.allowance);
  report.GaugePercent[1] = TQuotaSetup::UsedPercent(second.used, second.allowance);
  report.SecondGaugeVisible = onOffPeak;

  const QString period = quota.GetPeriodText();
  report.Rows.push_back(
      {Texts::tr("Period"), kPeriodImage,
       definition.QuotaType == 0 ? period : Texts::tr("%1 (%n days left)", nullptr, daysLeft).arg(period), -1});
  if (!onOffPeak) {
    report.Rows.push_back({Texts::tr("Used"), kUsedImage, UsedText(first, settings), 0});
    report.Rows.push_back({Texts::tr("Suggested daily usage"), kSuggestionImage,
                           Suggestion(first, daysLeft, Texts::tr("Quota exceeded"), settings), -1});
    return report;
  }
  report.Rows.push_back({Texts::tr("Used On-Peak"), kUsedImage, UsedText(first, settings), 0});
  report.Rows.push_back({Texts::tr("Used Off-Peak"), kUsedImage, UsedText(second, settings), 1});
  const QString exceeded = Texts::tr("quota exceeded");
  report.Rows.push_back(
      {Texts::tr("Suggested daily usage"), kSuggestionImage,
       Texts::tr("On-peak %1 : Off-peak %2")
           .arg(Suggestion(first, daysLeft, exceeded, settings), Suggestion(second, daysLeft, exceeded, settings)),
       -1});
  return report;
}

}  // namespace meterly
