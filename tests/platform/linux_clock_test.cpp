#include "platform/linux/linux_clock.h"

#include <gtest/gtest.h>

#include <time.h>

namespace meterly::platform {
namespace {

// The toolkit's own conversion, which reads the zone every time, is the reference.
TEST(LocalDateTimeAt, AgreesWithTheToolkitAroundSummerTimeChanges) {
  const struct {
    const char* zone;
    const char* utc;  // a few seconds after a change of the offset, where the zone has one
  } cases[] = {{"America/New_York", "2024-03-10T07:00:05"},
               {"America/New_York", "2024-11-03T06:00:05"},
               {"Australia/Lord_Howe", "2024-04-06T15:00:05"},
               {"Asia/Kolkata", "2024-06-01T00:00:05"},
               {"UTC0", "2024-01-01T00:00:05"}};
  const QByteArray before = qgetenv("TZ");
  for (const auto& c : cases) {
    qputenv("TZ", c.zone);
    tzset();
    const qint64 change =
        QDateTime::fromString(QString::fromLatin1(c.utc) + QLatin1Char('Z'), Qt::ISODate).toMSecsSinceEpoch();
    for (const qint64 offset : {-3'600'000LL, -10'000LL, -5'001LL, 0LL, 1'999LL}) {
      const qint64 moment = change + offset;
      const QDateTime reference = QDateTime::fromMSecsSinceEpoch(moment, Qt::LocalTime);
      const QDateTime local = LocalDateTimeAt(moment);
      EXPECT_EQ(local.date(), reference.date()) << c.zone << ' ' << moment;
      EXPECT_EQ(local.time(), reference.time()) << c.zone << ' ' << moment;
      EXPECT_EQ(local.offsetFromUtc(), reference.offsetFromUtc()) << c.zone << ' ' << moment;
      EXPECT_EQ(local.toMSecsSinceEpoch(), moment);
    }
  }
  before.isNull() ? qunsetenv("TZ") : qputenv("TZ", before);
  tzset();
}

}  // namespace
}  // namespace meterly::platform
