#include "cli/usage_counters.h"

#include "reports/report_query.h"
#include "reports/sums_by_key.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

namespace meterly {

namespace {

using UserTotals = KeySums<QString>;

struct Counter {
  const char* Name;
  const char* Help;
};

constexpr std::array<Counter, 3> kCounters{{
    {"meterly_received_bytes_total", "Bytes received, as recorded by Meterly."},
    {"meterly_sent_bytes_total", "Bytes sent, as recorded by Meterly."},
    {"meterly_dialup_seconds_total", "Seconds of dial-up connection, as recorded by Meterly."},
}};

std::vector<UserTotals> TotalsPerUser(TDiskDB& db, const UserFilter& user) {
  QStringList sql{QStringLiteral("SELECT USER_NAME, DATA_IN, DATA_OUT, DIALUP_DURATION"),
                  QStringLiteral("FROM ") + db.DailyTable()};
  if (user) sql.append(QStringLiteral("WHERE USER_NAME = ") + QuotedSQL(*user));
  std::vector<UserTotals> totals =
      SumsByKey<QString>(db, sql.join(QLatin1Char('\n')), [&] { return db.ColumnText(0); });
  // In SQLite's order of names: their UTF-8 bytes.
  std::sort(totals.begin(), totals.end(),
            [](const UserTotals& a, const UserTotals& b) { return a.Key.toUtf8() < b.Key.toUtf8(); });
  // A user asked for by name always has its series, so that a collector sees it from the start.
  if (user && totals.empty()) totals.push_back({*user, {}});
  return totals;
}

}  // namespace

QString MetricLabelValue(const QString& text) {
  QString escaped = text;
  escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  escaped.replace(QLatin1Char('"'), QStringLiteral("\\\""));
  escaped.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
  return escaped;
}

QByteArray UsageCounters(TDiskDB& db, const UserFilter& user) {
  const std::vector<UserTotals> totals = TotalsPerUser(db, user);
  QString text;
  for (std::size_t i = 0; i < kCounters.size(); ++i) {
    const QString name = QLatin1String(kCounters[i].Name);
    text += QStringLiteral("# HELP %1 %2\n# TYPE %1 counter\n").arg(name, QLatin1String(kCounters[i].Help));
    for (const UserTotals& row : totals) {
      // One pass of arg(): a user name holding "%3" must stay as it is.
      text +=
          QStringLiteral("%1{user=\"%2\"} %3\n").arg(name, MetricLabelValue(row.Key), QString::number(row.Values[i]));
    }
  }
  return text.toUtf8();
}

}  // namespace meterly
