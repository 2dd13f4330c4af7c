// Writes every spreadsheet-readable export of a report with plain, Chinese and hostile texts
// (and a worksheet of more than 1,000 rows), has LibreOffice Calc convert each to CSV, and
// compares the cells read back with the table's texts. Exits 77 (skipped) without soffice.
#include "reports/table_export.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using meterly::TReportRow;
using meterly::TReportTable;

using Grid = QList<QStringList>;

constexpr int kSkipped = 77;
constexpr int kConversionTimeoutMs = 240000;

TReportTable ReportTable() {
  TReportTable table{{QStringLiteral("Date"), QStringLiteral("接收"), QStringLiteral("发送"), QStringLiteral("总共"),
                      QStringLiteral("拨号")},
                     {}};
  const QStringList captions{QStringLiteral("Week of March"),
                             QStringLiteral("二〇二六年三月"),
                             QStringLiteral("a{b}\\c \\par x"),
                             QStringLiteral("<b>bold</b> &amp; &"),
                             QStringLiteral("x,y;\"quoted\""),
                             QStringLiteral("全角（括号）、标点。"),
                             QStringLiteral("Total")};
  for (int i = 0; i < captions.size(); ++i) {
    table.Rows.append({captions.at(i),
                       {QStringLiteral("%1.50 GB").arg(i), QStringLiteral("900 MB"), QStringLiteral("用户 {%1}").arg(i),
                        i % 2 == 0 ? QStringLiteral("None") : QStringLiteral("1 h 1 min")}});
  }
  return table;
}

// Accented Latin text only: a worksheet in the Western code page.
TReportTable WesternTable() {
  return {{QStringLiteral("Réseau"), QStringLiteral("Übertragung")},
          {{QStringLiteral("Ünïcødé ñ é ß"), {QStringLiteral("façade – “quotes” €")}}}};
}

TReportTable LongTable() {
  TReportTable table{{QStringLiteral("Row"), QStringLiteral("文本")}, {}};
  for (int i = 0; i < 1100; ++i) {
    table.Rows.append({QStringLiteral("row %1").arg(i), {QStringLiteral("行 %1").arg(i)}});
  }
  return table;
}

QStringList Trimmed(QStringList cells) {
  while (!cells.isEmpty() && cells.last().isEmpty()) cells.removeLast();
  return cells;
}

// The rows of the table as cells: captions, then each row.
Grid TableGrid(const TReportTable& table) {
  Grid grid{table.Columns};
  for (const TReportRow& row : table.Rows) grid.append(QStringList{row.Caption} + row.SubItems);
  return grid;
}

int failures = 0;

void Check(bool ok, const QString& what) {
  std::printf("%s %s\n", ok ? "ok  " : "FAIL", qPrintable(what));
  if (!ok) ++failures;
}

// The table's rows must follow one another from the line that holds its captions.
void CompareTable(const QString& name, const Grid& read, const TReportTable& table, const QString& title) {
  const Grid expected = TableGrid(table);
  qsizetype start = -1;
  for (qsizetype i = 0; i < read.size() && start < 0; ++i) {
    if (Trimmed(read.at(i)) == expected.first()) start = i;
  }
  Check(start >= 0, name + QStringLiteral(": the caption row is found"));
  if (start < 0) start = 0;  // the rows compared below then show what was read
  bool titleSeen = false;
  for (qsizetype i = 0; i < start; ++i) titleSeen = titleSeen || Trimmed(read.at(i)) == QStringList{title};
  Check(titleSeen, name + QStringLiteral(": the title stands above the table"));
  int mismatches = 0;
  for (qsizetype r = 0; r < expected.size(); ++r) {
    const QStringList got = start + r < read.size() ? Trimmed(read.at(start + r)) : QStringList();
    if (got != Trimmed(expected.at(r)) && ++mismatches <= 5) {
      std::printf("     row %lld: read  [%s]\n            wrote [%s]\n", static_cast<long long>(r),
                  qPrintable(got.join(QStringLiteral("|"))), qPrintable(expected.at(r).join(QStringLiteral("|"))));
    }
  }
  Check(mismatches == 0, name + QStringLiteral(": %1 rows read back equal").arg(expected.size()));
}

bool Convert(const QString& soffice, const QString& profile, const QString& outDir, const QString& inFilter,
             const QStringList& files) {
  QStringList arguments{QStringLiteral("-env:UserInstallation=file://") + profile, QStringLiteral("--headless"),
                        QStringLiteral("--norestore")};
  if (!inFilter.isEmpty()) arguments << QStringLiteral("--infilter=") + inFilter;
  // Cells separated by tabs and never quoted: no cell holds a tab, a line break or the backtick that would quote it.
  arguments << QStringLiteral("--convert-to") << QStringLiteral("csv:Text - txt - csv (StarCalc):9,96,76")
            << QStringLiteral("--outdir") << outDir << files;
  QProcess process;
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process.start(soffice, arguments);
  if (!process.waitForFinished(kConversionTimeoutMs)) {
    process.kill();
    process.waitForFinished();
    std::printf("soffice did not finish in time\n");
    return false;
  }
  return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

Grid ReadBack(const QString& outDir, const QString& baseName) {
  QFile file(QDir(outDir).filePath(baseName + QStringLiteral(".csv")));
  if (!file.open(QIODevice::ReadOnly)) return {};
  Grid rows;
  for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
    rows.append(line.split(QLatin1Char('\t')));
  }
  if (rows.last() == QStringList{QString()}) rows.removeLast();
  return rows;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
  if (soffice.isEmpty()) {
    std::printf("soffice is not installed (Debian package libreoffice-calc): skipped\n");
    return kSkipped;
  }
  QTemporaryDir work;
  const auto file = [&](const char* name) { return QDir(work.path()).filePath(QString::fromLatin1(name)); };
  const QString out = file("out");
  const QString title = QStringLiteral("Meterly 报告 <Daily> & {co}");
  const QString westernTitle = QStringLiteral("Übersicht");
  const TReportTable table = ReportTable();
  const TReportTable longTable = LongTable();
  const TReportTable westernTable = WesternTable();

  meterly::ExportXLS(table, file("report_xls.xls"), title);
  meterly::ExportXLS(longTable, file("long.xls"), title);
  meterly::ExportXLS(westernTable, file("western.xls"), westernTitle);
  meterly::ExportRTF(table, file("report_rtf.rtf"), title);
  meterly::ExportHTML(table, file("report_htm.htm"), title);
  meterly::ExportCSV(table, file("report_csv.csv"), QLocale(QLocale::English, QLocale::UnitedStates));

  // One run of soffice per input filter.
  const std::pair<QString, QStringList> runs[] = {
      {QString(), {file("report_xls.xls"), file("long.xls"), file("western.xls")}},
      {QStringLiteral("Rich Text Format (StarCalc)"), {file("report_rtf.rtf")}},
      {QStringLiteral("HTML (StarCalc)"), {file("report_htm.htm")}},
      {QStringLiteral("Text - txt - csv (StarCalc):44,34,76"), {file("report_csv.csv")}},
  };
  for (const auto& [filter, files] : runs) {
    Check(Convert(soffice, file("profile"), out, filter, files),
          QStringLiteral("soffice converts %1").arg(files.join(QStringLiteral(", "))));
  }

  // The worksheet is read back whole: title at A1, row 2 empty, captions on row 3.
  for (const auto& [name, source, sheetTitle] :
       {std::tuple{"report_xls", &table, title}, std::tuple{"long", &longTable, title},
        std::tuple{"western", &westernTable, westernTitle}}) {
    const Grid read = ReadBack(out, QString::fromLatin1(name));
    Check(read.size() >= 2 && Trimmed(read.at(0)) == QStringList{sheetTitle} && Trimmed(read.at(1)).isEmpty(),
          name + QStringLiteral(".xls: title at A1 and an empty row 2"));
    CompareTable(name + QStringLiteral(".xls"), read, *source, sheetTitle);
  }
  CompareTable(QStringLiteral("report.rtf"), ReadBack(out, QStringLiteral("report_rtf")), table, title);
  CompareTable(QStringLiteral("report.htm"), ReadBack(out, QStringLiteral("report_htm")), table, title);
  Check(ReadBack(out, QStringLiteral("report_csv")) == TableGrid(table),
        QStringLiteral("report.csv: every cell read back equal"));
  std::printf("%s\n", failures == 0 ? "all exports read back equal" : "some exports differ");
  return failures == 0 ? 0 : 1;
}
