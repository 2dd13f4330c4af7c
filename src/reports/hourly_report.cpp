#include "reports/hourly_report.h"

#include "base/assertion.h"
#include "core/colorref.h"
#include "core/conversion.h"
#include "core/settings.h"
#include "reports/report_builders.h"
#include "reports/report_query.h"
#include "store/peak_hours.h"

#include <QColor>
#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <limits>

namespace meterly {

namespace {

constexpr int kHoursPerDay = 24;

quint32 Rate(qint64 value) {
  return static_cast<quint32>(std::clamp<qint64>(value, 0, std::numeric_limits<quint32>::max()));
}

QString HourlyQuery(const UserFilter& user, const ReportDays& days) {
  QStringList conditions;
  if (user) conditions.append(QStringLiteral("USER_NAME = ") + QuotedSQL(*user));
  if (days) conditions.append(QStringLiteral("DAY BETWEEN %1 AND %2").arg(days->First).arg(days->Last));
  QStringList lines{
      QStringLiteral("SELECT DAY, HOUR, COALESCE(SUM(DATA_IN), 0) / 3600, COALESCE(SUM(DATA_OUT), 0) / 3600,"),
      QStringLiteral("COALESCE(SUM(DATA_IN), 0), COALESCE(SUM(DATA_OUT), 0)"), QStringLiteral("FROM usage")};
  for (qsizetype i = 0; i < conditions.size(); ++i) {
    lines.append((i == 0 ? QStringLiteral("WHERE ") : QStringLiteral("AND ")) + conditions.at(i));
  }
  lines << QStringLiteral("GROUP BY DAY, HOUR") << QStringLiteral("ORDER BY DAY, HOUR");
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

THourlyList::THourlyList(const Settings& settings, const QLocale& locale, QObject* parent)
    : QAbstractTableModel(parent), settings_(settings), locale_(locale) {}

THourlyRow THourlyList::RowOf(const THourlyRecord& record) const {
  return {
      {ReportDate(record.Day, locale_), QStringLiteral("%1:00 - %1:59").arg(record.Hour),
       FormatSpeed(settings_, record.AvgIn, locale_), FormatSpeed(settings_, record.AvgOut, locale_),
       FormatVolume(false, record.DataIn, settings_, locale_), FormatVolume(false, record.DataOut, settings_, locale_)},
      record};
}

void THourlyList::Fill(const std::vector<THourlyRecord>& records) {
  beginResetModel();
  rows_.clear();
  rows_.reserve(records.size());
  for (const THourlyRecord& record : records) rows_.push_back(RowOf(record));
  endResetModel();
}

void THourlyList::HeaderClicked(int column) {
  sortState_.HeaderClicked(column);
  Q_EMIT layoutAboutToBeChanged();
  const int by = sortState_.Column();
  std::stable_sort(rows_.begin(), rows_.end(), [&](const THourlyRow& a, const THourlyRow& b) {
    return sortState_.Before(CompareHourlyRecords(a.Record, b.Record, by));
  });
  Q_EMIT layoutChanged();
}

int THourlyList::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int THourlyList::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant THourlyList::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const THourlyRow& row = rows_.at(static_cast<std::size_t>(index.row()));
  if (role == Qt::DisplayRole) return row.Texts.value(index.column());
  if (role != Qt::BackgroundRole) return {};
  if (index.column() != 1) return QColor(Qt::white);
  const HourMasks masks = PeakHourMasks(settings_.PeakHourFrom, settings_.PeakHourTo);
  return ColorrefToQColor(HourInMask(masks.Peak, row.Record.Hour) ? settings_.OnPeakColor : settings_.OffPeakColor);
}

QVariant THourlyList::headerData(int section, Qt::Orientation orientation, int role) const {
  static const char* const titles[] = {
      QT_TRANSLATE_NOOP("THourlyList", "日期"),        QT_TRANSLATE_NOOP("THourlyList", "时间"),
      QT_TRANSLATE_NOOP("THourlyList", "Avg DL Rate"), QT_TRANSLATE_NOOP("THourlyList", "Avg UL Rate"),
      QT_TRANSLATE_NOOP("THourlyList", "DL Volume"),   QT_TRANSLATE_NOOP("THourlyList", "UL Volume")};
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
      section >= static_cast<int>(std::size(titles))) {
    return {};
  }
  return QCoreApplication::translate("THourlyList", titles[section]);
}

std::vector<THourlySample> BuildHourlyReport(TDiskDB& db, THourlyList& list, const UserFilter& user,
                                             const ReportDays& days) {
  std::vector<THourlySample> samples;
  std::vector<THourlyRecord> records;
  std::array<THourlySample, kHoursPerDay> dayTable{};
  std::optional<qint32> currentDay;
  const auto pushDay = [&] {
    samples.insert(samples.end(), dayTable.begin(), dayTable.end());
    dayTable.fill({});
  };
  {
    TSQLiteDB::LockGuard lock(db);
    ForEachRow(db, HourlyQuery(user, days), [&] {
      const qint32 day = db.ColumnInt(0);
      const qint32 hour = db.ColumnInt(1);
      METERLY_ASSERT(hour >= 0 && hour < kHoursPerDay, "totals", "an hour of the usage record is out of range");
      if (currentDay && *currentDay != day) pushDay();
      currentDay = day;
      const THourlyRecord record{
          Rate(db.ColumnInt64(2)),  Rate(db.ColumnInt64(3)), db.ColumnInt64(4), db.ColumnInt64(5), day,
          static_cast<quint8>(hour)};
      dayTable[static_cast<std::size_t>(hour)] = {record.AvgIn, record.AvgOut};
      records.push_back(record);
    });
  }
  pushDay();
  list.Fill(records);
  return samples;
}

}  // namespace meterly
