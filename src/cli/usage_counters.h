#pragma once

#include "store/disk_db.h"

#include <QByteArray>

namespace meterly {

// Everything recorded, per user (or for the one user of the filter, zeros when nothing is
// recorded for it), as counters in the Prometheus text exposition format, for a node exporter's
// text-file collector. Takes the database lock; raises SQLiteException.
QByteArray UsageCounters(TDiskDB& db, const UserFilter& user);

// A label value as that format writes it: backslash, double quote and line feed escaped.
QString MetricLabelValue(const QString& text);

}  // namespace meterly
