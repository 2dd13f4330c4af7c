#pragma once

#include "core/settings.h"
#include "fakes/fake_platform.h"
#include "store/disk_db.h"

#include <QTemporaryDir>

#include <memory>

namespace meterly::testing_support {

// A real usage database in a temporary folder and a fake platform with a dial-up service.
class RasFixture {
 public:
  RasFixture() { db = std::make_unique<TDiskDB>(dir.filePath(QStringLiteral("Meterly.db")), platform, settings); }

  // The dialup table as "name|since|duration|in|out", in insertion order, read through the
  // program's own connection under its lock (the logger may be writing).
  QStringList loggedSessions() {
    TSQLiteDB::LockGuard lock(*db);
    QStringList rows;
    db->OpenQuery(QStringLiteral("SELECT * FROM dialup ORDER BY rowid"));
    while (db->Next()) {
      QStringList values;
      for (int column = 0; column < 5; ++column) values << db->ColumnText(column);
      rows << values.join(QLatin1Char('|'));
    }
    db->FreeQuery();
    return rows;
  }

  fakes::FakeDialupService& dialup() { return platform.dialupFake; }

  QTemporaryDir dir;
  fakes::FakePlatform platform;
  Settings settings;
  std::unique_ptr<TDiskDB> db;
};

}  // namespace meterly::testing_support
