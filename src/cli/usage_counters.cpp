#include "cli/usage_counters.h"

#include "reports/report_query.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

namespace meterly {

namespace {

struct UserTotals {
  QString User;
  std::array<qint64, 3> Values{};  // received, sent, dial-up seconds
};

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
  // Summed here rather than with GROUP BY, for which SQLite sorts every row of the table: that
  // took three times as long as reading them.
  QStringList sql{QStringLiteral("SELECT USER_NAME, DATA_IN, DATA_OUT, DIALUP_DURATION"),
                  QStringLiteral("FROM ") + db.DailyTable()};
  if (user) sql.append(QStringLiteral("WHERE USER_NAME = ") + QuotedSQL(*user));
  std::vector<UserTotals> totals;
  QHash<QString, std::size_t> places;
  TSQLiteDB::LockGuard lock(db);
  ForEachRow(db, sql.join(QLatin1Char('\n')), [&] {
    const QString name = db.ColumnText(0);
    const auto place = places.constFind(name);
    const std::size_t at = place != places.constEnd() ? *place : totals.size();
    if (at == totals.size()) {
      places.insert(name, at);
      totals.push_back({name, {}});
    }
    std::array<qint64, 3>& values = totals[at].Values;
    for (std::size_t i = 0; i < values.size(); ++i) {
      // As SQLite's SUM does, a total beyond 64 bits fails rather than wraps.
      if (__builtin_add_overflow(values[i], db.ColumnInt64(static_cast<int>(i) + 1), &values[i]))
        throw SQLiteException(QStringLiteral("integer overflow"));
    }
  });
  // In SQLite's order of names: their UTF-8 bytes.
  std::sort(totals.begin(), totals.end(),
            [](const UserTotals& a, const UserTotals& b) { return a.User.toUtf8() < b.User.toUtf8(); });
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
          QStringLiteral("%1{user=\"%2\"} %3\n").arg(name, MetricLabelValue(row.User), QString::number(row.Values[i]));
    }
  }
  return text.toUtf8();
}

}  // namespace meterly
