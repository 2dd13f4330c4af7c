#include "reports/table_export.h"

#include "base/assertion.h"
#include "reports/export_escaping.h"
#include "reports/export_file.h"
#include "reports/xls_file.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <functional>

namespace meterly {

const char* const ExportFilter = QT_TRANSLATE_NOOP(
    "TableExport",
    "Microsoft Excel (*.xls)|*.xls|Microsoft Word (*.rtf)|*.rtf|Html(*.htm)|*.htm|Plain text (*.txt)|*.txt|CSV "
    "(*.csv)|*.csv");

QString ExportFilterText() { return QCoreApplication::translate("TableExport", ExportFilter); }

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// The caption and the sub-texts of a row.
QStringList CellsOf(const TReportRow& row) { return QStringList{row.Caption} + row.SubItems; }

QStringList Mapped(const QStringList& texts, const std::function<QString(const QString&)>& map) {
  QStringList out;
  out.reserve(texts.size());
  for (const QString& text : texts) out.append(map(text));
  return out;
}

// Lines joined, every one ended by CR LF, as UTF-8.
QByteArray LinesBytes(const QStringList& lines) {
  QString text;
  for (const QString& line : lines) text += line + kLineEnd;
  return text.toUtf8();
}

QString RightAligned(const QString& text, int width) {
  return QString(std::max(0, width - CharacterCount(text)), QLatin1Char(' ')) + text;
}

QString HtmlCell(const QString& tag, int width, const QString& text) {
  return QStringLiteral(" <%1 width=\"%2%\">%3</%1>")
      .arg(tag, QString::number(width), text.isEmpty() ? QStringLiteral("&nbsp;") : HtmlText(text));
}

}  // namespace

QByteArray XLSBytes(const TReportTable& table, const QString& title) {
  const qsizetype rows = table.Rows.size() + 3;
  qsizetype columns = std::max<qsizetype>(1, table.Columns.size());
  for (const TReportRow& row : table.Rows) columns = std::max(columns, row.SubItems.size() + 1);
  if (rows > TXLSfile::MaxRows || columns > TXLSfile::MaxColumns) {
    throw EExportError(
        QCoreApplication::translate("TableExport",
                                    "The table is too large for an XLS file: it needs %1 rows and %2 "
                                    "columns, and an XLS worksheet holds at most %3 rows and %4 columns.")
            .arg(rows)
            .arg(columns)
            .arg(TXLSfile::MaxRows)
            .arg(TXLSfile::MaxColumns));
  }
  QStringList texts{title};
  texts += table.Columns;
  for (const TReportRow& row : table.Rows) texts += CellsOf(row);
  TXLSfile file(QString(), CodePageFor(texts));
  file.AddStrCell(1, 1, title);
  for (int c = 0; c < table.Columns.size(); ++c) file.AddStrCell(c + 1, 3, table.Columns.at(c));
  for (int r = 0; r < table.Rows.size(); ++r) {
    const TReportRow& row = table.Rows.at(r);
    file.AddStrCell(1, r + 4, row.Caption);
    for (int s = 0; s < row.SubItems.size(); ++s) file.AddStrCell(s + 2, r + 4, row.SubItems.at(s));
  }
  return file.Bytes();
}

QByteArray RTFBytes(const TReportTable& table, const QString& title) {
  const QString cellStart = QStringLiteral("\\pard\\intbl\\li30\\ri30");
  QStringList lines{QStringLiteral("{\\rtf1\\ansi\\deff0\\deftab720"),
                    QStringLiteral("{\\fonttbl{\\f0\\fnil Arial;}{\\f1\\fnil Arial;}}"),
                    QStringLiteral("{\\colortbl\\red0\\green0\\blue0;}"),
                    QStringLiteral("\\f0\\fs20"),
                    QStringLiteral("\\qc{") + RtfText(title) + QLatin1Char('}'),
                    QStringLiteral("\\par"),
                    QStringLiteral("\\trowd\\trql\\trgaph0\\trleft36")};
  for (int c = 0; c < table.Columns.size(); ++c) {
    lines.append(QStringLiteral("\\clbrdrl\\brdrth \\clbrdrr\\brdrth \\clbrdrt\\brdrth \\clbrdrb\\brdrth"));
    lines.append(QStringLiteral("\\cellx%1").arg((c + 1) * 2000));
  }
  lines.append(QStringLiteral("\\f0\\fs20"));
  QString header;
  for (const QString& caption : table.Columns) {
    header += cellStart + QStringLiteral("{\\b ") + RtfText(caption) + QStringLiteral("}\\cell");
  }
  lines.append(header + QStringLiteral("\\row"));
  lines.append(QStringLiteral("\\f0\\fs20"));
  for (const TReportRow& row : table.Rows) {
    QString line = cellStart + QLatin1Char('{') + RtfText(row.Caption) + QLatin1Char('}');
    for (const QString& text : row.SubItems) {
      line += QStringLiteral("\\cell") + cellStart + QStringLiteral("\\qr{") + RtfText(text) + QLatin1Char('}');
    }
    lines.append(line + QStringLiteral("\\cell\\row"));
  }
  lines << QStringLiteral("\\pard") << QStringLiteral("\\par") << QStringLiteral("}");
  return LinesBytes(lines);
}

QByteArray HTMLBytes(const TReportTable& table, const QString& title) {
  // A table without columns still has its rows' captions: they take the whole width.
  const int width = table.Columns.isEmpty() ? 100 : static_cast<int>(100 / table.Columns.size());
  QStringList lines{QStringLiteral("<html><head><title>") + HtmlText(title) + QStringLiteral("</title></head>"),
                    QStringLiteral("<body>"), QStringLiteral("<h2>") + HtmlText(title) + QStringLiteral("</h2>"),
                    QStringLiteral("<table border=\"1\" cellpadding=\"0\" cellspacing=\"0\" width=\"100%\">"),
                    QStringLiteral("<tr>")};
  for (const QString& caption : table.Columns) lines.append(HtmlCell(QStringLiteral("th"), width, caption));
  lines.append(QStringLiteral("</tr>"));
  for (int r = 0; r < table.Rows.size(); ++r) {
    lines.append(r % 2 == 0 ? QStringLiteral("<tr bgcolor=\"#F8F8FF\">") : QStringLiteral("<tr bgcolor=\"#E0E0F0\">"));
    for (const QString& text : CellsOf(table.Rows.at(r))) lines.append(HtmlCell(QStringLiteral("td"), width, text));
    lines.append(QStringLiteral("</tr>"));
  }
  lines << QStringLiteral("</table>") << QStringLiteral("</body></html>");
  return LinesBytes(lines);
}

QByteArray TextBytes(const TReportTable& table, const QString& title) {
  const int titleLength = CharacterCount(title);
  const QString indent(std::max(0, 40 - titleLength / 2), QLatin1Char(' '));
  QStringList lines{indent + title, indent + QString(titleLength, QLatin1Char('-')), QString()};
  const int width = table.Columns.isEmpty() ? 80 : static_cast<int>(80 / table.Columns.size());
  const auto alignedLine = [width](const QStringList& cells) {
    QString line;
    for (const QString& cell : cells) line += RightAligned(cell, width);
    return line;
  };
  lines << alignedLine(table.Columns) << QString();
  for (const TReportRow& row : table.Rows) lines.append(alignedLine(CellsOf(row)));
  return LinesBytes(lines);
}

QByteArray CSVBytes(const TReportTable& table, const QLocale& locale) {
  const QChar separator = ListSeparator(locale);
  const auto csvLine = [separator](const QStringList& cells) {
    return Mapped(cells, [separator](const QString& text) { return CsvValue(text, separator); }).join(separator);
  };
  QStringList lines{csvLine(table.Columns)};
  for (const TReportRow& row : table.Rows) lines.append(csvLine(CellsOf(row)));
  return LinesBytes(lines);
}

QString TableToText(const TReportTable& table) {
  const QString tab = QStringLiteral("\t");
  QStringList lines{table.Columns.join(tab), Mapped(table.Columns, [](const QString& caption) {
                                               return QString(CharacterCount(caption), QLatin1Char('='));
                                             }).join(tab)};
  QString text = lines.join(kLineEnd) + kLineEnd;
  // The rows go straight into the text, without a list and a joined line for each.
  for (const TReportRow& row : table.Rows) {
    text += row.Caption;
    for (const QString& cell : row.SubItems) {
      text += tab;
      text += cell;
    }
    text += kLineEnd;
  }
  return text;
}

void ExportXLS(const TReportTable& table, const QString& fileName, const QString& title) {
  WriteExportFile(fileName, XLSBytes(table, title));
}

void ExportRTF(const TReportTable& table, const QString& fileName, const QString& title) {
  WriteExportFile(fileName, RTFBytes(table, title));
}

void ExportHTML(const TReportTable& table, const QString& fileName, const QString& title) {
  WriteExportFile(fileName, HTMLBytes(table, title));
}

void ExportText(const TReportTable& table, const QString& fileName, const QString& title) {
  WriteExportFile(fileName, TextBytes(table, title));
}

void ExportCSV(const TReportTable& table, const QString& fileName, const QLocale& locale) {
  WriteExportFile(fileName, CSVBytes(table, locale));
}

void ExportByFilter(int filter, const TReportTable& table, const QString& fileName, const QString& title,
                    const QLocale& locale) {
  switch (filter) {
    case 1:
      return ExportXLS(table, fileName, title);
    case 2:
      return ExportRTF(table, fileName, title);
    case 3:
      return ExportHTML(table, fileName, title);
    case 4:
      return ExportText(table, fileName, title);
    case 5:
      return ExportCSV(table, fileName, locale);
    default:
      METERLY_ASSERT(false, "totals", "Export: unknown file format");
  }
}

}  // namespace meterly
