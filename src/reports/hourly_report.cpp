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
#include <map>

namespace meterly {

namespace {

constexpr int kHoursPerDay = 24;

quint32 Rate(qint64 value) {
  return static_cast<quint32>(std::clamp<qint64>(value, 0, std::numeric_limits<quint32>::max()));
}

// The hourly rows of the selection as they lie in the file: reading them all once and adding
// them up here costs a fraction of SQLite's grouping, which reads through the day index and
// sorts.
QString HourlyRowsQuery(const UserFilter& user, const ReportDays& days) {
  QStringList conditions;
  if (user) conditions.append(QStringLiteral("USER_NAME = ") + QuotedSQL(*user));
  if (days) conditions.append(QStringLiteral("DAY BETWEEN %1 AND %2").arg(days->First).arg(days->Last));
  QString sql = QStringLiteral("SELECT DAY, HOUR, DATA_IN, DATA_OUT FROM usage");
  for (qsizetype i = 0; i < conditions.size(); ++i) {
    sql += (i == 0 ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ")) + conditions.at(i);
  }
  return sql;
}

struct HourSum {
  qint64 In = 0;
  qint64 Out = 0;
  bool Present = false;
};

using DayHours = std::array<HourSum, kHoursPerDay>;

// Adds like SQLite's SUM, which fails rather than wrap.
qint64 Sum(qint64 a, qint64 b) {
  qint64 sum = 0;
  if (__builtin_add_overflow(a, b, &sum)) throw SQLiteException(QStringLiteral("integer overflow"));
  return sum;
}

}  // namespace

THourlyList::THourlyList(const Settings& settings, const QLocale& locale, QObject* parent)
    : QAbstractTableModel(parent), settings_(settings), locale_(locale) {}

QString THourlyList::CellText(const THourlyRecord& record, int column) const {
  switch (column) {
    case 0:
      return ReportDate(record.Day, locale_);
    case 1:
      return QStringLiteral("%1:00 - %1:59").arg(record.Hour);
    case 2:
      return FormatSpeed(settings_, record.AvgIn, locale_);
    case 3:
      return FormatSpeed(settings_, record.AvgOut, locale_);
    case 4:
      return FormatVolume(false, record.DataIn, settings_, locale_);
    case 5:
      return FormatVolume(false, record.DataOut, settings_, locale_);
    default:
      return {};
  }
}

void THourlyList::Fill(const std::vector<THourlyRecord>& records) {
  beginResetModel();
  rows_.clear();
  rows_.reserve(records.size());
  for (const THourlyRecord& record : records) rows_.push_back({record});
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
  if (role == Qt::DisplayRole) return CellText(row.Record, index.column());
  if (role != Qt::BackgroundRole) return {};
  const HourMasks masks = PeakHourMasks(settings_.PeakHourFrom, settings_.PeakHourTo);
  const QColor colour =
      index.column() != 1
          ? QColor(0xFF, 0xFF, 0xFF)
          : ColorrefToQColor(HourInMask(masks.Peak, row.Record.Hour) ? settings_.OnPeakColor : settings_.OffPeakColor);
  // Through the colour's type as the painting library registers it when loaded, so that the list
  // builds reports in a program without that library (which then never asks for colours).
  return QVariant(QMetaType(QMetaType::QColor), &colour);
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
  // The days in order; the rows of one day mostly follow each other, so the last day found is
  // tried first.
  std::map<qint32, DayHours> sums;
  auto last = sums.end();
  {
    TSQLiteDB::LockGuard lock(db);
    ForEachRow(db, HourlyRowsQuery(user, days), [&] {
      const qint32 day = db.ColumnInt(0);
      const qint32 hour = db.ColumnInt(1);
      METERLY_ASSERT(hour >= 0 && hour < kHoursPerDay, "totals", "an hour of the usage record is out of range");
      if (last == sums.end() || last->first != day) last = sums.try_emplace(day).first;
      HourSum& sum = last->second[static_cast<std::size_t>(hour)];
      sum.In = Sum(sum.In, db.ColumnInt64(2));
      sum.Out = Sum(sum.Out, db.ColumnInt64(3));
      sum.Present = true;
    });
  }
  std::vector<THourlySample> samples;
  std::vector<THourlyRecord> records;
  samples.reserve(std::max<std::size_t>(sums.size(), 1) * kHoursPerDay);
  for (const auto& [day, hours] : sums) {
    for (int hour = 0; hour < kHoursPerDay; ++hour) {
      const HourSum& sum = hours[static_cast<std::size_t>(hour)];
      if (!sum.Present) {
        samples.push_back({});
        continue;
      }
      const THourlyRecord record{Rate(sum.In / 3600),      Rate(sum.Out / 3600), sum.In, sum.Out, day,
                                 static_cast<quint8>(hour)};
      samples.push_back({record.AvgIn, record.AvgOut});
      records.push_back(record);
    }
  }
  if (sums.empty()) samples.resize(kHoursPerDay);
  list.Fill(records);
  return samples;
}

}  // namespace meterly
