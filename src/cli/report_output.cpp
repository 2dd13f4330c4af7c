#include "cli/report_output.h"

#include "base/date_serial.h"
#include "cli/indented_json.h"
#include "cli/usage_counters.h"
#include "core/settings.h"
#include "reports/daily_data.h"
#include "reports/hourly_report.h"
#include "reports/report_builders.h"
#include "reports/report_table.h"
#include "reports/table_export.h"

#include <QCoreApplication>
#include <QDate>

namespace meterly {

namespace {

const char* const kKindNames[] = {"daily", "weekly", "monthly", "custom", "hourly"};

// yyyy-mm-dd, as QDate writes Qt::ISODate, without its general formatting for every row.
QString IsoDay(qint32 day) {
  const QDate date = DaySerialToDate(day);
  const int year = date.year();
  if (year < 0 || year > 9999) return date.toString(Qt::ISODate);
  const int month = date.month();
  const int dayOfMonth = date.day();
  const char16_t text[] = {char16_t(u'0' + year / 1000),
                           char16_t(u'0' + year / 100 % 10),
                           char16_t(u'0' + year / 10 % 10),
                           char16_t(u'0' + year % 10),
                           u'-',
                           char16_t(u'0' + month / 10),
                           char16_t(u'0' + month % 10),
                           u'-',
                           char16_t(u'0' + dayOfMonth / 10),
                           char16_t(u'0' + dayOfMonth % 10)};
  return QString(reinterpret_cast<const QChar*>(text), 10);
}

// The members of an amounts object, in QJsonObject's order of keys.
void WriteAmounts(IndentedJson& json, qint64 received, qint64 sent, quint32 dialup) {
  json.Key("dialup_seconds").Value(static_cast<qint64>(dialup));
  json.Key("received").Value(received);
  json.Key("sent").Value(sent);
  json.Key("total").Value(received + sent);
}

// The last day of a row: a day row ends where it begins, a period row where its period does.
qint32 LastDayOf(ReportKind kind, qint32 firstDay, const TPeriodStarts& starts) {
  if (kind == ReportKind::Weekly) return TReportWeekPeriod(firstDay, starts).LastDay;
  if (kind == ReportKind::Monthly) return TReportMonthPeriod(firstDay, starts).LastDay;
  return firstDay;
}

// The members a report's JSON begins with, before its rows.
void BeginReportJson(IndentedJson& json, const QAbstractItemModel& model, const ReportRequest& request) {
  json.BeginObject();
  json.Key("columns").BeginArray();
  for (const QString& title : ColumnTitles(model)) json.Value(title);
  json.EndArray();
  json.Key("report").Value(QString::fromLatin1(kKindNames[static_cast<int>(request.Kind)]));
  json.Key("rows").BeginArray();
}

QByteArray EndReportJson(IndentedJson& json, const ReportRequest& request) {
  if (request.User) {
    json.Key("user").Value(*request.User);
  } else {
    json.Key("user").Null();
  }
  json.EndObject();
  return json.Take();
}

QByteArray PanelJson(const TUsagePanel& panel, const ReportRequest& request, const TPeriodStarts& starts) {
  IndentedJson json;
  BeginReportJson(json, panel, request);
  for (const TUsagePanelRow& row : panel.Rows()) {
    if (row.Image == 1) continue;  // the totals row: below, with its numbers
    json.BeginObject();
    json.Key("caption").Value(row.Caption);
    json.Key("dialup_seconds").Value(static_cast<qint64>(row.Holder.Dialup));
    json.Key("first_day").Value(IsoDay(row.Holder.Key));
    json.Key("last_day").Value(IsoDay(LastDayOf(request.Kind, row.Holder.Key, starts)));
    json.Key("received").Value(row.Holder.DataIn);
    json.Key("sent").Value(row.Holder.DataOut);
    json.Key("total").Value(row.Holder.DataIn + row.Holder.DataOut);
    json.EndObject();
  }
  json.EndArray();
  json.Key("total").BeginObject();
  WriteAmounts(json, panel.TotalIn(), panel.TotalOut(), panel.TotalDialup());
  json.EndObject();
  return EndReportJson(json, request);
}

QByteArray HourlyJson(const THourlyList& list, const ReportRequest& request) {
  IndentedJson json;
  BeginReportJson(json, list, request);
  for (const THourlyRow& row : list.Rows()) {
    const THourlyRecord& record = row.Record;
    json.BeginObject();
    json.Key("average_received_per_second").Value(static_cast<qint64>(record.AvgIn));
    json.Key("average_sent_per_second").Value(static_cast<qint64>(record.AvgOut));
    json.Key("day").Value(IsoDay(record.Day));
    json.Key("hour").Value(static_cast<qint64>(record.Hour));
    json.Key("received").Value(record.DataIn);
    json.Key("sent").Value(record.DataOut);
    json.EndObject();
  }
  json.EndArray();
  return EndReportJson(json, request);
}

// A table, as the window copies it (with a terminal's line ends) or exports it as CSV.
QByteArray TableOutput(const QAbstractItemModel& model, const ReportRequest& request, const QLocale& locale) {
  const TReportTable table = TableFromItemModel(model);
  if (request.Format == ReportFormat::Csv) return CSVBytes(table, locale);
  return TableToText(table).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toUtf8();
}

QByteArray HourlyOutput(TDiskDB& db, const Settings& settings, const ReportRequest& request, const QLocale& locale) {
  ReportDays days;
  if (request.From || request.To) {
    days = DayRange{request.From.value_or(std::numeric_limits<qint32>::min()),
                    request.To.value_or(std::numeric_limits<qint32>::max())};
  }
  THourlyList list(settings, locale);
  BuildHourlyReport(db, list, request.User, days);
  return request.Format == ReportFormat::Json ? HourlyJson(list, request) : TableOutput(list, request, locale);
}

}  // namespace

QByteArray ReportOutput(TDiskDB& db, const Settings& given, const ReportRequest& request, const QLocale& locale) {
  if (request.Format == ReportFormat::OpenMetrics) return UsageCounters(db, request.User);
  if (request.Kind == ReportKind::Hourly) return HourlyOutput(db, given, request, locale);

  Settings settings = given;
  if (request.HoursShown) settings.HoursShown = *request.HoursShown;
  const TPeriodStarts starts{settings.WeekStartsOn, settings.MonthStartsOn};
  TUsagePanel panel(settings, locale);
  panel.ShowTotal = true;
  panel.KeepChart = false;
  switch (request.Kind) {
    case ReportKind::Weekly:
      panel.SetKeyTitle(QCoreApplication::translate("ReportOutput", "Week"));
      BuildWeeklyReport(panel, LoadDailyData(db, request.User, settings), starts);
      break;
    case ReportKind::Monthly:
      panel.SetKeyTitle(QCoreApplication::translate("ReportOutput", "Month"));
      BuildMonthlyReport(panel, LoadDailyData(db, request.User, settings), starts);
      break;
    case ReportKind::Custom: {
      panel.SetKeyTitle(QCoreApplication::translate("ReportOutput", "Date"));
      const qint32 from = request.From.value_or(settings.CustomDateFrom);
      const qint32 to = request.To.value_or(settings.CustomDateTo);
      const DayRange range{std::min(from, to), std::max(from, to)};
      BuildCustomReport(panel, LoadDailyData(db, request.User, settings, range), from, to);
      break;
    }
    default:
      panel.SetKeyTitle(QCoreApplication::translate("ReportOutput", "Date"));
      BuildDailyReport(panel, LoadDailyData(db, request.User, settings));
  }
  return request.Format == ReportFormat::Json ? PanelJson(panel, request, starts) : TableOutput(panel, request, locale);
}

}  // namespace meterly
