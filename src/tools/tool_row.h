#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>

#include <vector>

namespace meterly {

// Images of the result rows.
namespace RowImage {
constexpr int TraceComplete = 0;
constexpr int Reply = 1;
constexpr int Failure = 3;
}  // namespace RowImage

// One row of a tool's result list: the first column's text, the texts of the following
// columns and the image shown before the first.
struct TToolRow {
  QString Caption;
  QStringList Cells;
  int ImageIndex = RowImage::Reply;

  friend bool operator==(const TToolRow&, const TToolRow&) = default;
};

// A row as copied alone: its caption and cells joined by tabs, without a line end.
QString RowLineText(const TToolRow& row);

// A whole list as copied: the captions, a line of "=" under each caption, then one line per
// row, all joined by tabs, every line ending with CR LF.
QString RowsToText(const QStringList& columns, const std::vector<TToolRow>& rows);

}  // namespace meterly

Q_DECLARE_METATYPE(meterly::TToolRow)
