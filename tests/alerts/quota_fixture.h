#pragma once

#include "alerts/quota.h"
#include "core/settings.h"
#include "fakes/fake_platform.h"
#include "store/disk_db.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace meterly {

// A quota on the fake clock's day (2026-03-31, a Tuesday) with weeks from Monday, over a usage
// database in a folder of its own once the test opens it.
class QuotaFixture : public ::testing::Test {
 protected:
  QuotaFixture() { settings.WeekStartsOn = 1; }

  void SetQuota(quint8 type, quint8 hours, quint8 traffic, quint8 unit, qint32 onPeak, qint32 offPeak = 0) {
    settings.Quota.QuotaType = type;
    settings.Quota.QuotaHours = hours;
    settings.Quota.QuotaTraffic = traffic;
    settings.Quota.QuotaUnit = unit;
    settings.Quota.OnPeakAllowance = onPeak;
    settings.Quota.OffPeakAllowance = offPeak;
  }

  void OpenDatabase() {
    db = std::make_unique<TDiskDB>(dir.filePath(QStringLiteral("Meterly.db")), platform, settings);
  }

  void WriteRow(const QString& user, qint32 day, qint32 hour, qint64 in, qint64 out) {
    TSQLiteDB::LockGuard lock(*db);
    db->RunInTransaction([&] { db->FlushData(user, day, hour, in, out, 0); });
  }

  QTemporaryDir dir;
  fakes::FakePlatform platform;
  Settings settings;
  std::unique_ptr<TDiskDB> db;
  TQuotaSetup quota{settings, platform.clockFake, [this] { return db.get(); }};
};

}  // namespace meterly
