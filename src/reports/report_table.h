#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QAbstractItemModel;

namespace meterly {

// A row of a report-style list: the text of the first column and those of the following ones
// (possibly fewer than there are further columns).
struct TReportRow {
  QString Caption;
  QStringList SubItems;

  friend bool operator==(const TReportRow&, const TReportRow&) = default;
};

// A table as a window shows it, every cell a text: the input of the export writers.
struct TReportTable {
  QStringList Columns;
  QList<TReportRow> Rows;

  friend bool operator==(const TReportTable&, const TReportTable&) = default;
};

// The column titles of a model, as its horizontal header gives them.
QStringList ColumnTitles(const QAbstractItemModel& model);

// The table a view shows of a model: the horizontal header texts as the columns and the display
// texts of the top-level rows, in the model's order.
TReportTable TableFromItemModel(const QAbstractItemModel& model);

}  // namespace meterly
