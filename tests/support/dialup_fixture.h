#pragma once

#include "support/usage_database.h"

namespace meterly::testing_support {

// The usage database with a dial-up service to script.
struct RasFixture : UsageDatabase {
  // The dialup table as "name|since|duration|in|out", in insertion order, read through the
  // program's own connection under its lock (the logger may be writing).
  QStringList LoggedSessions() { return Rows(QStringLiteral("SELECT * FROM dialup ORDER BY rowid"), 5); }

  fakes::FakeDialupService& dialup() { return platform.dialupFake; }
};

}  // namespace meterly::testing_support
