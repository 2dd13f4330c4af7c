#pragma once

#include "reports/report_rows.h"
#include "reports/row_sorting.h"
#include "reports/usage_chart.h"

#include <QAbstractTableModel>
#include <QLocale>
#include <QStringList>

#include <vector>

namespace meterly {

struct Settings;

struct TUsagePanelRow {
  QString Caption;
  QStringList SubItems;  // received, sent, total, dial-up
  TDataHolder Holder;
  int Image = 0;  // 0 an ordinary row, 1 the totals row
};

// A day-based report as its panel shows it: a sortable list of rows with a totals row, and the
// chart of their amounts. The list is a table model any view can show; building a report needs
// no window.
class TUsagePanel : public QAbstractTableModel {
 public:
  // The row's image index (0 or 1) under this role; the display role gives the texts.
  static constexpr int ImageRole = Qt::UserRole + 1;
  static constexpr int ColumnCount = 5;

  explicit TUsagePanel(const Settings& settings, const QLocale& locale = QLocale::system(), QObject* parent = nullptr);

  // Gives the chart the colours of the settings and the volume texts on its value axis.
  void InitPanel();
  void SetKeyTitle(const QString& title);

  // Empties the list and the chart and zeroes the totals; a report left filling by a failure is
  // simply discarded.
  void BeginReport();
  // Only between BeginReport and EndReport (a consistency failure of "UsageFrame" otherwise).
  void AddRow(const QString& caption, const QString& chartLabel, const TDataHolder& holder, quint32 dialupSeconds,
              qint64 sent, qint64 received);
  // Appends the totals row when ShowTotal is set; keeps the order the user chose by a header click.
  void EndReport();

  // A click on a column header (counted from 1): sorts by it, or turns the direction.
  void HeaderClicked(int column);
  const TSortState& SortState() const { return sortState_; }

  bool Filling() const { return filling_; }
  bool ShowTotal = false;
  // Whether the rows become points of the chart too; a report without a window needs none.
  bool KeepChart = true;
  qint64 TotalIn() const { return totalIn_; }
  qint64 TotalOut() const { return totalOut_; }
  quint32 TotalDialup() const { return totalDialup_; }

  const std::vector<TUsagePanelRow>& Rows() const { return rows_; }
  TUsageChart& Chart() { return chart_; }
  const QLocale& Locale() const { return locale_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  void AppendRow(TUsagePanelRow row);
  void Sort();
  QStringList AmountTexts(qint64 received, qint64 sent, quint32 dialupSeconds) const;

  const Settings& settings_;
  const QLocale locale_;
  QStringList titles_;
  std::vector<TUsagePanelRow> rows_;
  TUsageChart chart_;
  TSortState sortState_;
  qint64 totalIn_ = 0;
  qint64 totalOut_ = 0;
  quint32 totalDialup_ = 0;
  bool filling_ = false;
};

}  // namespace meterly
