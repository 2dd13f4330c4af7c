#include "store/sqlite_db.h"

#include "base/assertion.h"

#include <QCoreApplication>

#include <sqlite3.h>

#include <array>
#include <optional>

namespace meterly {

namespace {

constexpr const char* kUnit = "SQLiteDB";

constexpr std::array<const char*, 24> kErrorTexts = {
    QT_TRANSLATE_NOOP("SQLiteErrorText", "Successful result"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "SQL error or missing database"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "An internal logic error in SQLite"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "Access permission denied"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "Callback routine requested an abort"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "The database file is locked"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "A table in the database is locked"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "A malloc() failed"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "Attempt to write a readonly database"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "Operation terminated by sqlite_interrupt()"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "Disk I/O error occurred"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "The database disk image is malformed"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "(Internal Only) Table or record not found"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "Insertion failed because database is full"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "Unable to open the database file"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "Database lock protocol error"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "(Internal Only) Database table is empty"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "The database schema changed"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "Too much data for one row of a table"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "Abort due to constraint violation"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "Data type mismatch"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "Library used incorrectly"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "Used OS features not supported on host"),
    QT_TRANSLATE_NOOP("SQLiteErrorText", "Authorization denied"),
};

const QString kSeparator = QStringLiteral(" : ");

// A fixed-position field of SQLToDateTime's text, when it is all digits.
std::optional<int> DigitsAt(const QString& text, int position, int length) {
  int value = 0;
  for (int i = position; i < position + length; ++i) {
    const QChar c = text.at(i);
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    value = value * 10 + (c.unicode() - '0');
  }
  return value;
}

}  // namespace

QString ErrorText(int code) {
  if (code >= 0 && code < static_cast<int>(kErrorTexts.size())) {
    return QCoreApplication::translate("SQLiteErrorText", kErrorTexts[static_cast<std::size_t>(code)]);
  }
  if (code == SQLITE_ROW) return QCoreApplication::translate("SQLiteErrorText", "sqlite_step() has another row ready");
  if (code == SQLITE_DONE)
    return QCoreApplication::translate("SQLiteErrorText", "sqlite_step() has finished executing");
  return QCoreApplication::translate("SQLiteErrorText", "Unknown DB error (%1)").arg(code);
}

QString QuotedSQL(const QString& text) {
  QString doubled = text;
  doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
  return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

QDateTime ZeroDateTime() { return QDateTime(QDate(1899, 12, 30), QTime(0, 0)); }

QString DateTimeToSQL(const QDateTime& moment, bool withTime) {
  const QDate d = moment.date();
  const QString day = QString::asprintf("%04d-%02d-%02d", d.year(), d.month(), d.day());
  if (!withTime) return day;
  const QTime t = moment.time();
  return day + QString::asprintf(" %02d:%02d:%02d", t.hour(), t.minute(), t.second());
}

QDateTime SQLToDateTime(const QString& text) {
  if (text.size() != 19 && text.size() != 10) return ZeroDateTime();
  const auto year = DigitsAt(text, 0, 4);
  const auto month = DigitsAt(text, 5, 2);
  const auto day = DigitsAt(text, 8, 2);
  if (!year || !month || !day || *year < 1) return ZeroDateTime();
  const QDate date(*year, *month, *day);
  if (!date.isValid()) return ZeroDateTime();
  if (text.size() == 10) return QDateTime(date, QTime(0, 0));

  const auto hour = DigitsAt(text, 11, 2);
  const auto minute = DigitsAt(text, 14, 2);
  const auto second = DigitsAt(text, 17, 2);
  if (!hour || !minute || !second) return ZeroDateTime();
  const QTime time(*hour, *minute, *second);
  if (!time.isValid()) return ZeroDateTime();
  return QDateTime(date, time);
}

TSQLiteDB::TSQLiteDB(const QString& fileName, bool threadSafe, QString className, OpenMode mode)
    : ThreadSafe_(threadSafe), className_(std::move(className)) {
  const QByteArray name = fileName.toUtf8();
  const int access = mode == OpenMode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
  // Without SQLite's own mutex, which would be taken for every step and every column read: one
  // thread at a time uses the connection, under Lock.
  const int code = sqlite3_open_v2(name.constData(), &Handle_, access | SQLITE_OPEN_NOMUTEX, nullptr);
  if (code != SQLITE_OK) {
    // SQLite may hand back a handle even when opening failed.
    ReleaseQuietly();
    CheckError(code, ".Create");
  }
}

TSQLiteDB::~TSQLiteDB() { ReleaseQuietly(); }

void TSQLiteDB::ReleaseQuietly() {
  if (ResultTable_ != nullptr) sqlite3_free_table(ResultTable_);
  ResultTable_ = nullptr;
  if (Statement_ != nullptr) sqlite3_finalize(Statement_);
  Statement_ = nullptr;
  if (Handle_ != nullptr) sqlite3_close_v2(Handle_);
  Handle_ = nullptr;
}

void TSQLiteDB::Lock() {
  LockSection_.lock();
  ++LockCount_;
}

void TSQLiteDB::Unlock() {
  --LockCount_;
  LockSection_.unlock();
}

void TSQLiteDB::FailCheck(const char* operation, int line) const {
  throw EAssertionFailed(className_ + QString::fromLatin1(operation), QString::fromLatin1(kUnit), line);
}

void TSQLiteDB::AssertLock(const char* operation, int line) const {
  if (LockMissing()) FailCheck(operation, line);
}

void TSQLiteDB::CheckError(int code, const char* operation) const {
  if (code == SQLITE_OK || code == SQLITE_ROW || code == SQLITE_DONE) return;
  throw SQLiteException(className_ + QString::fromLatin1(operation) + kSeparator + ErrorText(code));
}

void TSQLiteDB::RaiseWithMessage(int code, char* sqliteMessage, const char* operation) const {
  const QString detail =
      sqliteMessage != nullptr ? QString::fromUtf8(sqliteMessage) : QString::fromUtf8(sqlite3_errmsg(Handle_));
  sqlite3_free(sqliteMessage);
  throw SQLiteException(className_ + QString::fromLatin1(operation) + kSeparator + ErrorText(code) + kSeparator +
                        detail);
}

void TSQLiteDB::Observe(const QString& sql) const {
  if (observer_) observer_(sql);
}

void TSQLiteDB::ExecSQL(const QString& sql) {
  AssertLock(".ExecSQL: lock is not set", __LINE__);
  Observe(sql);
  const QByteArray text = sql.toUtf8();
  char* message = nullptr;
  const int code = sqlite3_exec(Handle_, text.constData(), nullptr, nullptr, &message);
  if (code != SQLITE_OK) RaiseWithMessage(code, message, ".ExecSQL");
}

void TSQLiteDB::FetchTable(const QString& sql) {
  AssertLock(".FetchTable: lock is not set", __LINE__);
  Observe(sql);
  // A table the caller did not close would otherwise leak.
  if (ResultTable_ != nullptr) sqlite3_free_table(ResultTable_);
  ResultTable_ = nullptr;
  const QByteArray text = sql.toUtf8();
  char* message = nullptr;
  const int code = sqlite3_get_table(Handle_, text.constData(), &ResultTable_, &resultRows_, &resultColumns_, &message);
  if (code != SQLITE_OK) {
    ResultTable_ = nullptr;
    RaiseWithMessage(code, message, ".FetchTable");
  }
}

QString TSQLiteDB::FirstRowValue(int column) const {
  if (ResultTable_ == nullptr || resultRows_ < 1 || column < 0 || column >= resultColumns_) {
    FailCheck(".FirstRowValue: no result set or no such cell", __LINE__);
  }
  const char* cell = ResultTable_[resultColumns_ + column];
  return cell != nullptr ? QString::fromUtf8(cell) : QString();
}

void TSQLiteDB::CloseTable() {
  if (ResultTable_ == nullptr || LockMissing()) FailCheck(".CloseTable: lock is not set or no result set", __LINE__);
  sqlite3_free_table(ResultTable_);
  ResultTable_ = nullptr;
}

QStringList TSQLiteDB::FetchFirstRow(const QString& sql) {
  FetchTable(sql);
  const bool hasRow = resultRows_ >= 1;
  QStringList row;
  for (int column = 0; hasRow && column < resultColumns_; ++column) row.append(FirstRowValue(column));
  CloseTable();
  if (!hasRow) FailCheck(".FetchFirstRow: the query returned no row", __LINE__);
  return row;
}

qint32 TSQLiteDB::GetRowsAffected() {
  AssertLock(".GetRowsAffected: lock is not set", __LINE__);
  return sqlite3_changes(Handle_);
}

qint32 TSQLiteDB::GetUserVersion() { return FetchFirstRow(QStringLiteral("PRAGMA user_version")).value(0).toInt(); }

void TSQLiteDB::SetUserVersion(qint32 version) { ExecSQL(QStringLiteral("PRAGMA user_version = %1").arg(version)); }

void TSQLiteDB::BeginTransaction() {
  ExecSQL(QStringLiteral("BEGIN"));
  InTransaction_ = true;
}

void TSQLiteDB::Commit() {
  ExecSQL(QStringLiteral("COMMIT"));
  InTransaction_ = false;
}

void TSQLiteDB::Rollback() {
  ExecSQL(QStringLiteral("ROLLBACK"));
  InTransaction_ = false;
}

void TSQLiteDB::RunInTransaction(const std::function<void()>& work) {
  BeginTransaction();
  try {
    work();
    Commit();
  } catch (...) {
    // After some errors (a full disk, an I/O error) SQLite has already ended the transaction;
    // a ROLLBACK would then fail and hide the error that matters.
    if (sqlite3_get_autocommit(Handle_) == 0) {
      try {
        Rollback();
      } catch (const SQLiteException&) {
      }
    }
    InTransaction_ = false;
    throw;
  }
}

void TSQLiteDB::OpenQuery(const QString& sql) {
  AssertLock(".OpenQuery: lock is not set", __LINE__);
  Observe(sql);
  if (Statement_ != nullptr) sqlite3_finalize(Statement_);
  Statement_ = nullptr;
  const QByteArray text = sql.toUtf8();
  const int code = sqlite3_prepare_v2(Handle_, text.constData(), static_cast<int>(text.size()), &Statement_, nullptr);
  CheckError(code, ".OpenQuery");
}

bool TSQLiteDB::Next() {
  if (Statement_ == nullptr || LockMissing()) FailCheck(".Next: not prepared or lock is not set", __LINE__);
  return sqlite3_step(Statement_) == SQLITE_ROW;
}

void TSQLiteDB::FreeQuery() {
  if (Statement_ == nullptr || LockMissing()) FailCheck(".FreeQuery: not prepared or lock is not set", __LINE__);
  const int code = sqlite3_finalize(Statement_);
  Statement_ = nullptr;
  CheckError(code, ".FreeQuery");
}

void TSQLiteDB::EnsureColumnAccessible(int column, int line) {
  if (Statement_ == nullptr || LockMissing()) {
    FailCheck(".EnsureColumnAccessible: not prepared or lock is not set", line);
  }
  if (column < 0 || column >= sqlite3_column_count(Statement_)) {
    FailCheck(".EnsureColumnAccessible: column index out of range", line);
  }
}

qint32 TSQLiteDB::ColumnInt(int column) {
  EnsureColumnAccessible(column, __LINE__);
  return sqlite3_column_int(Statement_, column);
}

qint64 TSQLiteDB::ColumnInt64(int column) {
  EnsureColumnAccessible(column, __LINE__);
  return sqlite3_column_int64(Statement_, column);
}

QString TSQLiteDB::ColumnText(int column) {
  EnsureColumnAccessible(column, __LINE__);
  const unsigned char* text = sqlite3_column_text(Statement_, column);
  if (text == nullptr) return QString();
  return QString::fromUtf8(reinterpret_cast<const char*>(text), sqlite3_column_bytes(Statement_, column));
}

void TSQLiteDB::SetBusyTimeout(int milliseconds) {
  CheckError(sqlite3_busy_timeout(Handle_, milliseconds), ".SetBusyTimeout");
}

bool TSQLiteDB::IsReadOnly() const { return sqlite3_db_readonly(Handle_, "main") == 1; }

}  // namespace meterly
