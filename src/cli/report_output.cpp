#include "cli/report_output.h"

#include "base/date_serial.h"
#include "cli/usage_counters.h"
#include "core/settings.h"
#include "reports/daily_data.h"
#include "reports/hourly_report.h"
#include "reports/report_builders.h"
#include "reports/report_table.h"
#include "reports/table_export.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace meterly {

namespace {

const char* const kKindNames[] = {"daily", "weekly", "monthly", "custom", "hourly"};

QString IsoDay(qint32 day) { return DaySerialToDate(day).toString(Qt::ISODate); }

QJsonObject Amounts(qint64 received, qint64 sent, quint32 dialup) {
  return {{QStringLiteral("received"), received},
          {QStringLiteral("sent"), sent},
          {QStringLiteral("total"), received + sent},
          {QStringLiteral("dialup_seconds"), static_cast<qint64>(dialup)}};
}

// The last day of a row: a day row ends where it begins, a period row where its period does.
qint32 LastDayOf(ReportKind kind, qint32 firstDay, const TPeriodStarts& starts) {
  if (kind == ReportKind::Weekly) return TReportWeekPeriod(firstDay, starts).LastDay;
  if (kind == ReportKind::Monthly) return TReportMonthPeriod(firstDay, starts).LastDay;
  return firstDay;
}

QJsonObject PanelJson(const TUsagePanel& panel, ReportKind kind, const TPeriodStarts& starts) {
  QJsonArray rows;
  QJsonObject total = Amounts(0, 0, 0);
  for (const TUsagePanelRow& row : panel.Rows()) {
    if (row.Image == 1) continue;  // the totals row: below, with its numbers
    QJsonObject entry = Amounts(row.Holder.DataIn, row.Holder.DataOut, row.Holder.Dialup);
    entry.insert(QStringLiteral("caption"), row.Caption);
    entry.insert(QStringLiteral("first_day"), IsoDay(row.Holder.Key));
    entry.insert(QStringLiteral("last_day"), IsoDay(LastDayOf(kind, row.Holder.Key, starts)));
    rows.append(entry);
  }
  return {{QStringLiteral("rows"), rows},
          {QStringLiteral("total"), Amounts(panel.TotalIn(), panel.TotalOut(), panel.TotalDialup())}};
}

QJsonObject HourlyJson(const THourlyList& list) {
  QJsonArray rows;
  for (const THourlyRow& row : list.Rows()) {
    const THourlyRecord& record = row.Record;
    rows.append(QJsonObject{{QStringLiteral("day"), IsoDay(record.Day)},
                            {QStringLiteral("hour"), record.Hour},
                            {QStringLiteral("received"), record.DataIn},
                            {QStringLiteral("sent"), record.DataOut},
                            {QStringLiteral("average_received_per_second"), static_cast<qint64>(record.AvgIn)},
                            {QStringLiteral("average_sent_per_second"), static_cast<qint64>(record.AvgOut)}});
  }
  return {{QStringLiteral("rows"), rows}};
}

QByteArray Written(const QAbstractItemModel& model, QJsonObject json, const ReportRequest& request,
                   const QLocale& locale) {
  const TReportTable table = TableFromItemModel(model);
  switch (request.Format) {
    case ReportFormat::Csv:
      return CSVBytes(table, locale);
    case ReportFormat::Json: {
      json.insert(QStringLiteral("report"), QLatin1String(kKindNames[static_cast<int>(request.Kind)]));
      json.insert(QStringLiteral("user"), request.User ? QJsonValue(*request.User) : QJsonValue());
      json.insert(QStringLiteral("columns"), QJsonArray::fromStringList(table.Columns));
      return QJsonDocument(json).toJson(QJsonDocument::Indented);
    }
    default:
      // The window's copy text, with the line ends of a terminal.
      return TableToText(table).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toUtf8();
  }
}

QByteArray HourlyOutput(TDiskDB& db, const Settings& settings, const ReportRequest& request, const QLocale& locale) {
  ReportDays days;
  if (request.From || request.To) {
    days = DayRange{request.From.value_or(std::numeric_limits<qint32>::min()),
                    request.To.value_or(std::numeric_limits<qint32>::max())};
  }
  THourlyList list(settings, locale);
  BuildHourlyReport(db, list, request.User, days);
  return Written(list, request.Format == ReportFormat::Json ? HourlyJson(list) : QJsonObject(), request, locale);
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
  // The JSON object only for JSON: for a table of ten years it costs more than the table.
  return Written(panel, request.Format == ReportFormat::Json ? PanelJson(panel, request.Kind, starts) : QJsonObject(),
                 request, locale);
}

}  // namespace meterly
