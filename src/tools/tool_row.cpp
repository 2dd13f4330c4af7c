#include "tools/tool_row.h"

namespace meterly {
namespace {

const QLatin1Char kTab('\t');
const QLatin1String kLineEnd("\r\n");

}  // namespace

QString RowLineText(const TToolRow& row) { return (QStringList{row.Caption} + row.Cells).join(kTab); }

QString RowsToText(const QStringList& columns, const std::vector<TToolRow>& rows) {
  QStringList underlines;
  for (const QString& caption : columns) underlines << QString(caption.size(), QLatin1Char('='));
  QString text = columns.join(kTab) + kLineEnd + underlines.join(kTab) + kLineEnd;
  for (const TToolRow& row : rows) text += RowLineText(row) + kLineEnd;
  return text;
}

}  // namespace meterly
