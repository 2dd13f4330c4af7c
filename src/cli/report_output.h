#pragma once

#include "cli/report_request.h"

#include <QByteArray>
#include <QLocale>

namespace meterly {

struct Settings;
class TDiskDB;

// The report of the request in its format, built by the statistics window's report builders and
// written with its table writers: the table as copied from the window, CSV as exported, JSON with
// the amounts as numbers and the days as yyyy-mm-dd. The settings give the units, the peak hours,
// the week and month starts and the hours shown. Raises SQLiteException.
QByteArray ReportOutput(TDiskDB& db, const Settings& settings, const ReportRequest& request, const QLocale& locale);

}  // namespace meterly
