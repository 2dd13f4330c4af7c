#include "cli/report_request.h"

#include "base/date_serial.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <array>

namespace meterly {

namespace {

template <typename Value>
struct Named {
  const char* Name;
  Value Meaning;
};

constexpr std::array<Named<ReportKind>, 5> kKinds{{{"daily", ReportKind::Daily},
                                                   {"weekly", ReportKind::Weekly},
                                                   {"monthly", ReportKind::Monthly},
                                                   {"custom", ReportKind::Custom},
                                                   {"hourly", ReportKind::Hourly}}};
constexpr std::array<Named<ReportFormat>, 4> kFormats{{{"table", ReportFormat::Table},
                                                       {"csv", ReportFormat::Csv},
                                                       {"json", ReportFormat::Json},
                                                       {"openmetrics", ReportFormat::OpenMetrics}}};
constexpr std::array<Named<quint8>, 3> kHours{{{"all", 0}, {"peak", 1}, {"off-peak", 2}}};

QString Translated(const char* text) { return QCoreApplication::translate("ReportRequest", text); }

// The message names the text given and the known names: "unknown report \"%1\" (one of: %2)".
template <typename Value, std::size_t N>
Value LookUp(const std::array<Named<Value>, N>& names, const QString& text, const char* message) {
  QStringList known;
  for (const Named<Value>& entry : names) {
    if (text == QLatin1String(entry.Name)) return entry.Meaning;
    known.append(QLatin1String(entry.Name));
  }
  throw ReportUsageError(Translated(message).arg(text, known.join(QStringLiteral(", "))));
}

qint32 DayOf(const QString& text, const QString& option) {
  const QDate date = QDate::fromString(text, Qt::ISODate);
  if (!date.isValid()) {
    throw ReportUsageError(
        Translated(QT_TRANSLATE_NOOP("ReportRequest", "%1 wants a date as yyyy-mm-dd, not \"%2\"")).arg(option, text));
  }
  return DateToDaySerial(date);
}

}  // namespace

ReportRequest ParseReportArguments(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
  const QCommandLineOption user({QStringLiteral("u"), QStringLiteral("user")}, QString(), QStringLiteral("name"));
  const QCommandLineOption from(QStringLiteral("from"), QString(), QStringLiteral("date"));
  const QCommandLineOption to(QStringLiteral("to"), QString(), QStringLiteral("date"));
  const QCommandLineOption hours(QStringLiteral("hours"), QString(), QStringLiteral("hours"));
  const QCommandLineOption format({QStringLiteral("f"), QStringLiteral("format")}, QString(), QStringLiteral("format"));
  const QCommandLineOption database({QStringLiteral("d"), QStringLiteral("database")}, QString(),
                                    QStringLiteral("file"));
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringList{QStringLiteral("V"), QStringLiteral("version")});
  parser.addOptions({user, from, to, hours, format, database, help, version});
  if (!parser.parse(QStringList{QStringLiteral("meterly-report")} + arguments)) {
    throw ReportUsageError(parser.errorText());
  }

  ReportRequest request;
  request.Help = parser.isSet(help);
  request.Version = parser.isSet(version);
  const QStringList positional = parser.positionalArguments();
  if (positional.size() > 1)
    throw ReportUsageError(Translated(QT_TRANSLATE_NOOP("ReportRequest", "only one report at a time")));
  if (!positional.isEmpty())
    request.Kind =
        LookUp(kKinds, positional.front(), QT_TRANSLATE_NOOP("ReportRequest", "unknown report \"%1\" (one of: %2)"));
  if (parser.isSet(format))
    request.Format = LookUp(kFormats, parser.value(format),
                            QT_TRANSLATE_NOOP("ReportRequest", "unknown format \"%1\" (one of: %2)"));
  if (parser.isSet(hours))
    request.HoursShown =
        LookUp(kHours, parser.value(hours), QT_TRANSLATE_NOOP("ReportRequest", "unknown hours \"%1\" (one of: %2)"));
  if (parser.isSet(user)) request.User = parser.value(user);
  if (parser.isSet(database)) request.Database = parser.value(database);
  if (parser.isSet(from)) request.From = DayOf(parser.value(from), QStringLiteral("--from"));
  if (parser.isSet(to)) request.To = DayOf(parser.value(to), QStringLiteral("--to"));
  const bool ranged = request.Kind == ReportKind::Custom || request.Kind == ReportKind::Hourly;
  if ((request.From || request.To) && !ranged) {
    throw ReportUsageError(
        Translated(QT_TRANSLATE_NOOP("ReportRequest", "--from and --to go with the custom and hourly reports")));
  }
  // Neither the hourly report nor the counters pick hours, and the counters count every day.
  if (request.HoursShown && (request.Kind == ReportKind::Hourly || request.Format == ReportFormat::OpenMetrics)) {
    throw ReportUsageError(Translated(
        QT_TRANSLATE_NOOP("ReportRequest", "--hours goes with the daily, weekly, monthly and custom reports")));
  }
  if ((request.From || request.To) && request.Format == ReportFormat::OpenMetrics) {
    throw ReportUsageError(Translated(
        QT_TRANSLATE_NOOP("ReportRequest", "the openmetrics format counts every recorded day: no --from or --to")));
  }
  return request;
}

QString ReportUsage() {
  return QCoreApplication::translate(
      "ReportRequest",
      "Usage: meterly-report [REPORT] [OPTION]...\n"
      "Prints a report of the network traffic Meterly recorded, as the statistics window shows it.\n"
      "\n"
      "Reports:\n"
      "  daily      every recorded day, newest first (the default)\n"
      "  weekly     the days folded into weeks, newest first\n"
      "  monthly    the days folded into months, newest first\n"
      "  custom     the days from --from to --to, oldest first (default: the statistics window's range)\n"
      "  hourly     every recorded hour with its average speeds, oldest first\n"
      "\n"
      "Options:\n"
      "  -u, --user NAME      one user's traffic (default: all users combined)\n"
      "      --from DATE      first day, as yyyy-mm-dd (custom and hourly reports)\n"
      "      --to DATE        last day, as yyyy-mm-dd (custom and hourly reports)\n"
      "      --hours WHICH    all, peak or off-peak: the hours the day-based reports count\n"
      "                       (default: as chosen in the statistics window)\n"
      "  -f, --format FORMAT  table (the default), csv, json, or openmetrics: everything\n"
      "                       recorded, per user, as counters in the Prometheus text format\n"
      "  -d, --database FILE  the usage database to read (default: the one Meterly records into)\n"
      "  -h, --help           print this help and exit\n"
      "  -V, --version        print the version and exit\n"
      "\n"
      "The database is opened for reading only and never changed. Exit status: 0 done,\n"
      "1 the database could not be opened or read, 2 a wrong command line.\n");
}

}  // namespace meterly
