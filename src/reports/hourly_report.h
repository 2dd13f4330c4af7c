#pragma once

#include "reports/daily_data.h"
#include "reports/report_rows.h"
#include "reports/row_sorting.h"

#include <QAbstractTableModel>
#include <QLocale>
#include <QStringList>

#include <vector>

namespace meterly {

struct Settings;

struct THourlyRow {
  THourlyRecord Record;
};

// The hourly report's list: one row per day and hour with data, oldest first. The hour range
// cell is drawn on the peak or off-peak colour of its hour, every other cell on white. A cell's
// text (date, hour range, the two average speeds, the two volumes) is made when it is asked for:
// ten years are 87,600 rows, of which a view shows a few dozen.
class THourlyList : public QAbstractTableModel {
 public:
  static constexpr int ColumnCount = 6;

  explicit THourlyList(const Settings& settings, const QLocale& locale = QLocale::system(), QObject* parent = nullptr);

  // Replaces the rows by one per record, in the given order.
  void Fill(const std::vector<THourlyRecord>& records);
  void HeaderClicked(int column);
  const TSortState& SortState() const { return sortState_; }
  const std::vector<THourlyRow>& Rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  QString CellText(const THourlyRecord& record, int column) const;

  const Settings& settings_;
  const QLocale locale_;
  std::vector<THourlyRow> rows_;
  TSortState sortState_;
};

// One sample of the hourly graph: the average rates of an hour in bytes per second.
struct THourlySample {
  quint32 In = 0;
  quint32 Out = 0;

  friend bool operator==(const THourlySample&, const THourlySample&) = default;
};

// Builds the hourly report of the user (or all users) over the days into the list, and returns
// the graph's samples: 24 per day with data, hour 0 first (an empty report gives one day of
// zeros). The hours filter does not apply and amounts not
// yet written are not included. Takes the database lock; raises SQLiteException; an hour
// outside 0 to 23 fails the consistency check of "totals".
std::vector<THourlySample> BuildHourlyReport(TDiskDB& db, THourlyList& list, const UserFilter& user,
                                             const ReportDays& days = {});

}  // namespace meterly
