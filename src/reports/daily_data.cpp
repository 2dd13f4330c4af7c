#include "reports/daily_data.h"

#include "base/assertion.h"
#include "core/settings.h"
#include "reports/report_query.h"
#include "reports/sums_by_key.h"
#include "store/peak_hours.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace meterly {

namespace {

quint32 KeptHours(const Settings& settings) {
  METERLY_ASSERT(settings.HoursShown <= 2, "totals", "unknown choice of hours shown");
  return MaskOfFilter(PeakHourMasks(settings.PeakHourFrom, settings.PeakHourTo),
                      static_cast<THourFilter>(settings.HoursShown));
}

}  // namespace

QString DailyDataQuery(const UserFilter& user, const Settings& settings, const ReportDays& days,
                       const QString& dailyTable) {
  QStringList conditions;
  if (user) conditions.append(QStringLiteral("USER_NAME = ") + QuotedSQL(*user));
  if (settings.HoursShown != 0) {
    // "+HOUR" keeps SQLite off the hour index, through which it reads most of the table.
    conditions.append(QStringLiteral("+HOUR IN (%1)").arg(HourList(KeptHours(settings))));
  }
  if (days) conditions.append(QStringLiteral("DAY BETWEEN %1 AND %2").arg(days->First).arg(days->Last));
  QStringList lines{QStringLiteral("SELECT DAY, DATA_IN, DATA_OUT, DIALUP_DURATION"),
                    QStringLiteral("FROM ") + (settings.HoursShown != 0 ? QStringLiteral("usage") : dailyTable)};
  for (qsizetype i = 0; i < conditions.size(); ++i) {
    lines.append((i == 0 ? QStringLiteral("WHERE ") : QStringLiteral("AND ")) + conditions.at(i));
  }
  return lines.join(QLatin1Char('\n'));
}

TDailyData LoadDailyData(TDiskDB& db, const UserFilter& user, const Settings& settings, const ReportDays& days) {
  const quint32 hours = KeptHours(settings);
  const QString sql = DailyDataQuery(user, settings, days, db.DailyTable());
  const auto sums = SumsByKey<qint32>(db, sql, [&] { return db.ColumnInt(0); });
  TDailyData data;
  data.reserve(sums.size());
  for (const KeySums<qint32>& day : sums)
    data.push_back({day.Key, day.Values[0], day.Values[1], static_cast<quint32>(day.Values[2])});
  std::sort(data.begin(), data.end(), [](const TDayUsage& a, const TDayUsage& b) { return a.Day < b.Day; });

  const qint32 today = db.Today();
  const auto todayRow =
      std::find_if(data.begin(), data.end(), [today](const TDayUsage& day) { return day.Day == today; });
  if (todayRow != data.end()) {
    const UsageTotals pending = db.PendingFor(today, today, user, hours);
    todayRow->DataIn += pending.DataIn;
    todayRow->DataOut += pending.DataOut;
    todayRow->Dialup += static_cast<quint32>(pending.DialupDuration);
  }
  return data;
}

}  // namespace meterly
