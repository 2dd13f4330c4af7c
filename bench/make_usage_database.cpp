// Writes the usage database the report timings run on: ten years up to today, 24 hours a day, the
// current user and four others, with varied amounts (the shape of usage_database_bench's file).
#include "base/date_serial.h"
#include "core/settings.h"
#include "platform/linux/linux_platform.h"
#include "store/disk_db.h"
#include "ten_year_database.h"

#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
  using namespace meterly;
  if (argc != 2) {
    std::fputs("usage: make_usage_database FILE\n", stderr);
    return 2;
  }
  platform::LinuxPlatform platform;
  const Settings settings;
  TDiskDB db(QString::fromLocal8Bit(argv[1]), platform, settings);
  bench::FillTenYears(db, DateToDaySerial(platform.clock().Now().date()));
  return 0;
}
