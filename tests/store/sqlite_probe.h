#pragma once

// A connection of its own to a database file, for tests that look at what the program wrote or
// that hold locks against it.

#include "store/qt_printing.h"
#include "support/files.h"

#include <QString>
#include <QStringList>

#include <sqlite3.h>

#include <gtest/gtest.h>

namespace meterly::testing_support {

class SqliteProbe {
 public:
  explicit SqliteProbe(const QString& fileName) {
    const int code =
        sqlite3_open_v2(fileName.toUtf8().constData(), &handle_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    EXPECT_EQ(code, SQLITE_OK) << sqlite3_errmsg(handle_);
  }
  ~SqliteProbe() { sqlite3_close_v2(handle_); }
  SqliteProbe(const SqliteProbe&) = delete;
  SqliteProbe& operator=(const SqliteProbe&) = delete;

  // Every row of the statements, its values joined by '|' (null as "NULL"); a failure fails the test.
  QStringList Rows(const QString& sql) {
    QStringList result;
    char* message = nullptr;
    const int code = sqlite3_exec(handle_, sql.toUtf8().constData(), &SqliteProbe::Collect, &result, &message);
    EXPECT_EQ(code, SQLITE_OK) << (message != nullptr ? message : "") << " in " << sql.toStdString();
    sqlite3_free(message);
    return result;
  }

  QString Value(const QString& sql) { return Rows(sql).value(0); }
  void Exec(const QString& sql) { Rows(sql); }

 private:
  static int Collect(void* target, int columns, char** values, char** /*names*/) {
    QStringList cells;
    for (int i = 0; i < columns; ++i) {
      cells.append(values[i] != nullptr ? QString::fromUtf8(values[i]) : QStringLiteral("NULL"));
    }
    static_cast<QStringList*>(target)->append(cells.join(QLatin1Char('|')));
    return 0;
  }

  sqlite3* handle_ = nullptr;
};

}  // namespace meterly::testing_support
