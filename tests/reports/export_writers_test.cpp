#include "reports/export_file.h"
#include "reports/table_export.h"
#include "reports/usage_panel.h"

#include "base/assertion.h"
#include "core/settings.h"
#include "support/expect_assertion.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "store/qt_printing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <csignal>

namespace meterly {
namespace {

using testing_support::FileBytes;
using testing_support::WriteFile;

QByteArray Hex(const char* text) { return QByteArray::fromHex(text); }

const TReportTable kThreeColumns{{QStringLiteral("Date"), QStringLiteral("In"), QStringLiteral("Out")},
                                 {{QStringLiteral("1/3/26"), {QStringLiteral("1.00 KB"), QString()}},
                                  {QStringLiteral("2/3/26"), {QStringLiteral("2.00 MB"), QStringLiteral("3 B")}}}};

const TReportTable kHostile{{QStringLiteral("Name"), QStringLiteral("接收")},
                            {{QStringLiteral("a{b}\\c"), {QStringLiteral("<b>&x")}},
                             {QStringLiteral("x,y;\"z\""), {QStringLiteral("line\nbreak")}}}};

// Where the cells sit, the code pages and the markup of the other formats: Calc reads every export
// back in the round-trip test.
TEST(XlsExport, TitleOnlyTableIsTheExactBytesOfTheMinimalWorksheet) {
  EXPECT_EQ(XLSBytes({}, QStringLiteral("T")), Hex("0908060000001000 0000"
                                                   "0000080000 00E803 00006400"
                                                   "0400090000000000000000 0154"
                                                   "0A000000"));
}

TEST(XlsExport, LongTextsAreCutOnACharacterBoundaryWithin255Bytes) {
  const QByteArray ascii = XLSBytes({{}, {{QString(300, QLatin1Char('a')), {}}}}, QStringLiteral("T"));
  EXPECT_TRUE(ascii.contains(Hex("0400 0701 0300 0000 000000 FF") + QByteArray(255, 'a') + Hex("0A000000")));
  // 200 two-byte characters: 127 of them fit, the 128th would cross the limit.
  const QByteArray wide = XLSBytes({{}, {{QString(200, QChar(0x6536)), {}}}}, QStringLiteral("T"));
  EXPECT_TRUE(wide.contains(Hex("0400 0601 0300 0000 000000 FE")));
  EXPECT_TRUE(wide.endsWith(Hex("CAD5 0A000000")));
}

TEST(XlsExport, RefusesATableBeyondTheWorksheetLimitsNamingThem) {
  TReportTable tall;
  tall.Rows.resize(65534);
  EXPECT_NO_THROW(XLSBytes({{}, tall.Rows.mid(1)}, QStringLiteral("T")));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("r.xls"));
  EXPECT_THAT([&] { ExportXLS(tall, path, QStringLiteral("T")); },
              testing::ThrowsMessage<EExportError>(testing::HasSubstr("65536 rows")));
  EXPECT_FALSE(QFile::exists(path));
  TReportTable wide;
  for (int c = 0; c < 257; ++c) wide.Columns.append(QStringLiteral("c"));
  EXPECT_THROW(XLSBytes(wide, QStringLiteral("T")), EExportError);
}

TEST(HtmlExport, WidthsRowColoursAndEmptyCells) {
  const QString html = QString::fromUtf8(HTMLBytes(kThreeColumns, QStringLiteral("T")));
  EXPECT_EQ(html, QStringLiteral(
                      "<html><head><title>T</title></head>\r\n<body>\r\n<h2>T</h2>\r\n"
                      "<table border=\"1\" cellpadding=\"0\" cellspacing=\"0\" width=\"100%\">\r\n<tr>\r\n"
                      " <th width=\"33%\">Date</th>\r\n <th width=\"33%\">In</th>\r\n <th width=\"33%\">Out</th>\r\n"
                      "</tr>\r\n<tr bgcolor=\"#F8F8FF\">\r\n <td width=\"33%\">1/3/26</td>\r\n"
                      " <td width=\"33%\">1.00 KB</td>\r\n <td width=\"33%\">&nbsp;</td>\r\n</tr>\r\n"
                      "<tr bgcolor=\"#E0E0F0\">\r\n <td width=\"33%\">2/3/26</td>\r\n"
                      " <td width=\"33%\">2.00 MB</td>\r\n <td width=\"33%\">3 B</td>\r\n</tr>\r\n"
                      "</table>\r\n</body></html>\r\n"));
}

TEST(RtfExport, AsciiTableIsWrittenLineByLine) {
  const QString rtf = QString::fromUtf8(
      RTFBytes({{QStringLiteral("A"), QStringLiteral("B")}, {{QStringLiteral("r"), {QStringLiteral("1 KB")}}}},
               QStringLiteral("T")));
  const QString cell = QStringLiteral("\\pard\\intbl\\li30\\ri30");
  const QString border = QStringLiteral("\\clbrdrl\\brdrth \\clbrdrr\\brdrth \\clbrdrt\\brdrth \\clbrdrb\\brdrth");
  EXPECT_EQ(rtf.split(QStringLiteral("\r\n")),
            (QStringList{QStringLiteral("{\\rtf1\\ansi\\deff0\\deftab720"),
                         QStringLiteral("{\\fonttbl{\\f0\\fnil Arial;}{\\f1\\fnil Arial;}}"),
                         QStringLiteral("{\\colortbl\\red0\\green0\\blue0;}"), QStringLiteral("\\f0\\fs20"),
                         QStringLiteral("\\qc{T}"), QStringLiteral("\\par"),
                         QStringLiteral("\\trowd\\trql\\trgaph0\\trleft36"), border, QStringLiteral("\\cellx2000"),
                         border, QStringLiteral("\\cellx4000"), QStringLiteral("\\f0\\fs20"),
                         cell + QStringLiteral("{\\b A}\\cell") + cell + QStringLiteral("{\\b B}\\cell\\row"),
                         QStringLiteral("\\f0\\fs20"),
                         cell + QStringLiteral("{r}\\cell") + cell + QStringLiteral("\\qr{1 KB}\\cell\\row"),
                         QStringLiteral("\\pard"), QStringLiteral("\\par"), QStringLiteral("}"), QString()}));
}

TEST(RtfExport, ControlCharactersAreEscapedAndNonAsciiIsUnicode) {
  const QByteArray rtf = RTFBytes(kHostile, QStringLiteral("接"));
  EXPECT_TRUE(rtf.contains("\\qc{\\u25509?}"));
  EXPECT_TRUE(rtf.contains("{a\\{b\\}\\\\c}"));
  EXPECT_TRUE(rtf.contains("\\qr{line\\line break}"));
  EXPECT_TRUE(rtf.contains("{\\b \\u25509?\\u25910?}"));
}

TEST(TextExport, TitleIsCentredAndCellsRightAligned) {
  const QString text = QString::fromUtf8(TextBytes(kThreeColumns, QStringLiteral("Abcd")));
  const QStringList lines = text.split(QStringLiteral("\r\n"));
  EXPECT_EQ(lines.value(0), QString(38, QLatin1Char(' ')) + QStringLiteral("Abcd"));
  EXPECT_EQ(lines.value(1), QString(38, QLatin1Char(' ')) + QStringLiteral("----"));
  EXPECT_EQ(lines.value(2), QString());
  EXPECT_EQ(lines.value(3), QString(22, QLatin1Char(' ')) + QStringLiteral("Date") + QString(24, QLatin1Char(' ')) +
                                QStringLiteral("In") + QString(23, QLatin1Char(' ')) + QStringLiteral("Out"));
  EXPECT_EQ(lines.value(5).size(), 3 * 26);
  EXPECT_TRUE(lines.value(5).endsWith(QStringLiteral("1.00 KB") + QString(26, QLatin1Char(' '))));
  EXPECT_TRUE(text.endsWith(QStringLiteral("3 B\r\n")));
}

TEST(TextExport, AWideCellPushesTheRestAndChineseCountsByCharacter) {
  const TReportTable table{{QStringLiteral("接收"), QString(50, QLatin1Char('x'))}, {}};
  const QStringList lines = QString::fromUtf8(TextBytes(table, QStringLiteral("接收"))).split(QStringLiteral("\r\n"));
  EXPECT_EQ(lines.value(0), QString(39, QLatin1Char(' ')) + QStringLiteral("接收"));
  EXPECT_EQ(lines.value(3), QString(38, QLatin1Char(' ')) + QStringLiteral("接收") + QString(50, QLatin1Char('x')));
}

TEST(WritersWithoutColumns, HtmlAndTextStillWriteTheirRows) {
  const TReportTable table{{}, {{QStringLiteral("only"), {}}}};
  EXPECT_TRUE(HTMLBytes(table, QStringLiteral("T")).contains("<td width=\"100%\">only</td>"));
  EXPECT_TRUE(TextBytes(table, QStringLiteral("T")).contains(QString(76, QLatin1Char(' ')).toUtf8() + "only\r\n"));
}

TEST(CsvExport, SeparatorFollowsTheLocaleAndOnlyAmbiguousValuesAreQuoted) {
  EXPECT_EQ(CSVBytes(kThreeColumns, QLocale(QLocale::English, QLocale::UnitedStates)),
            "Date,In,Out\r\n1/3/26,1.00 KB,\r\n2/3/26,2.00 MB,3 B\r\n");
  EXPECT_EQ(CSVBytes(kHostile, QLocale(QLocale::English, QLocale::UnitedStates)),
            QStringLiteral("Name,接收\r\na{b}\\c,<b>&x\r\n\"x,y;\"\"z\"\"\",\"line\nbreak\"\r\n").toUtf8());
  EXPECT_EQ(CSVBytes(kHostile, QLocale(QLocale::German, QLocale::Germany)),
            QStringLiteral("Name;接收\r\na{b}\\c;<b>&x\r\n\"x,y;\"\"z\"\"\";\"line\nbreak\"\r\n").toUtf8());
}

TEST(TableToText, TabsAndUnderlines) {
  EXPECT_EQ(TableToText(kThreeColumns), QStringLiteral("Date\tIn\tOut\r\n====\t==\t===\r\n1/3/26\t1.00 KB\t\r\n"
                                                       "2/3/26\t2.00 MB\t3 B\r\n"));
}

TEST(TableFromItemModel, TakesHeadersAndRowsOfAnyModel) {
  Settings settings;
  TUsagePanel panel(settings, QLocale::c());
  panel.SetKeyTitle(QStringLiteral("Week"));
  panel.ShowTotal = true;
  panel.BeginReport();
  panel.AddRow(QStringLiteral("w1"), QString(), {1, 2, 3, 4}, 0, 1024, 2048);
  panel.EndReport();
  const TReportTable table = TableFromItemModel(panel);
  EXPECT_EQ(table.Columns, (QStringList{QStringLiteral("Week"), QStringLiteral("接收"), QStringLiteral("发送"),
                                        QStringLiteral("总共"), QStringLiteral("拨号")}));
  ASSERT_EQ(table.Rows.size(), 2);
  EXPECT_EQ(table.Rows.at(0), (TReportRow{QStringLiteral("w1"),
                                          {QStringLiteral("2.00 KB"), QStringLiteral("1.00 KB"),
                                           QStringLiteral("3.00 KB"), QStringLiteral("None")}}));
  EXPECT_EQ(table.Rows.at(1).Caption, QStringLiteral("Total"));
}

TEST(ExportByFilter, WritesEachFormatAndRejectsUnknownNumbers) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("r"));
  const QLocale us(QLocale::English, QLocale::UnitedStates);
  const QByteArray expected[] = {XLSBytes(kThreeColumns, QStringLiteral("T")),
                                 RTFBytes(kThreeColumns, QStringLiteral("T")),
                                 HTMLBytes(kThreeColumns, QStringLiteral("T")),
                                 TextBytes(kThreeColumns, QStringLiteral("T")), CSVBytes(kThreeColumns, us)};
  for (int filter = 1; filter <= 5; ++filter) {
    ExportByFilter(filter, kThreeColumns, path, QStringLiteral("T"), us);
    EXPECT_EQ(FileBytes(path), expected[filter - 1]) << "filter " << filter;
  }
  testing_support::ExpectAssertion("totals", [&] { ExportByFilter(6, kThreeColumns, path, QStringLiteral("T")); });
}

TEST(ExportFile, AFailedWriteIsAnErrorAndKeepsTheOldFileOrDeviceLeavingNoTemporaryFile) {
  EXPECT_THROW(ExportCSV(kThreeColumns, QStringLiteral("/dev/full")), EExportError);
  EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("report.htm"));
  WriteFile(path, "old contents");
  // A file size limit makes every write beyond it fail, as a full disk does.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 64;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  bool failed = false;
  try {
    ExportHTML(kThreeColumns, path, QStringLiteral("T"));
  } catch (const EExportError& error) {
    failed = error.message().contains(path);
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_TRUE(failed);
  EXPECT_EQ(FileBytes(path), "old contents");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("report.htm")});
}

}  // namespace
}  // namespace meterly
