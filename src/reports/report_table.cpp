#include "reports/report_table.h"

#include <QAbstractItemModel>

namespace meterly {

QStringList ColumnTitles(const QAbstractItemModel& model) {
  QStringList titles;
  for (int c = 0; c < model.columnCount(); ++c) titles.append(model.headerData(c, Qt::Horizontal).toString());
  return titles;
}

TReportTable TableFromItemModel(const QAbstractItemModel& model) {
  TReportTable table;
  const int columns = model.columnCount();
  table.Columns = ColumnTitles(model);
  const int rows = model.rowCount();
  table.Rows.reserve(rows);
  for (int r = 0; r < rows; ++r) {
    TReportRow row;
    row.Caption = model.index(r, 0).data().toString();
    for (int c = 1; c < columns; ++c) row.SubItems.append(model.index(r, c).data().toString());
    table.Rows.append(std::move(row));
  }
  return table;
}

}  // namespace meterly
