#pragma once

#include "store/disk_db.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>

namespace meterly {

enum class ReportKind { Daily, Weekly, Monthly, Custom, Hourly };
enum class ReportFormat { Table, Csv, Json, OpenMetrics };

// What meterly-report was asked for on its command line.
struct ReportRequest {
  ReportKind Kind = ReportKind::Daily;
  ReportFormat Format = ReportFormat::Table;
  UserFilter User;             // nullopt: all users combined
  std::optional<qint32> From;  // day serials, --from and --to
  std::optional<qint32> To;
  std::optional<quint8> HoursShown;  // overrides the setting: 0 all, 1 peak, 2 off-peak hours
  QString Database;                  // empty: where the monitor records
  bool Help = false;
  bool Version = false;
};

// A command line that cannot be followed; the message says why, in one line.
class ReportUsageError : public std::runtime_error {
 public:
  explicit ReportUsageError(const QString& message) : std::runtime_error(message.toStdString()) {}
  QString message() const { return QString::fromStdString(what()); }
};

// arguments: without the program name. Raises ReportUsageError.
ReportRequest ParseReportArguments(const QStringList& arguments);

// The text of --help.
QString ReportUsage();

}  // namespace meterly
