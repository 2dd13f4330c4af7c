#include "reports/daily_data.h"

#include "base/assertion.h"
#include "core/settings.h"
#include "reports/report_query.h"
#include "store/peak_hours.h"

#include <QStringList>

#include <algorithm>

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
    // "+HOUR" keeps SQLite on the day index; through the hour index it reads most of the table.
    conditions.append(QStringLiteral("+HOUR IN (%1)").arg(HourList(KeptHours(settings))));
  }
  if (days) conditions.append(QStringLiteral("DAY BETWEEN %1 AND %2").arg(days->First).arg(days->Last));
  QStringList lines{QStringLiteral("SELECT DAY, COALESCE(SUM(DATA_IN), 0), COALESCE(SUM(DATA_OUT), 0), "
                                   "COALESCE(SUM(DIALUP_DURATION), 0)"),
                    QStringLiteral("FROM ") + (settings.HoursShown != 0 ? QStringLiteral("usage") : dailyTable)};
  for (qsizetype i = 0; i < conditions.size(); ++i) {
    lines.append((i == 0 ? QStringLiteral("WHERE ") : QStringLiteral("AND ")) + conditions.at(i));
  }
  lines.append(QStringLiteral("GROUP BY DAY"));
  return lines.join(QLatin1Char('\n'));
}

TDailyData LoadDailyData(TDiskDB& db, const UserFilter& user, const Settings& settings, const ReportDays& days) {
  const quint32 hours = KeptHours(settings);
  const QString sql = DailyDataQuery(user, settings, days, db.DailyTable());
  TDailyData data;
  TSQLiteDB::LockGuard lock(db);
  ForEachRow(db, sql, [&] {
    data.push_back({db.ColumnInt(0), db.ColumnInt64(1), db.ColumnInt64(2), static_cast<quint32>(db.ColumnInt64(3))});
  });
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
