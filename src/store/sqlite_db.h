#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <mutex>
#include <stdexcept>

struct sqlite3;
struct sqlite3_stmt;

namespace meterly {

// Every failure of the SQLite library, with a message naming the class and operation that failed.
class SQLiteException : public std::runtime_error {
 public:
  explicit SQLiteException(const QString& message) : std::runtime_error(message.toStdString()) {}
  QString message() const { return QString::fromStdString(what()); }
};

// The fixed English text of a SQLite result code; extended codes are not masked and fall into
// "Unknown DB error (%d)".
QString ErrorText(int code);

// A text value as SQL: in single quotes, each embedded single quote doubled.
QString QuotedSQL(const QString& text);

// A local date-time as "yyyy-mm-dd hh:nn:ss" (withTime) or "yyyy-mm-dd".
QString DateTimeToSQL(const QDateTime& moment, bool withTime);

// The reverse, by fixed character positions (separators are not checked). Any other length, a
// field that is not a number, or an impossible date or time gives ZeroDateTime().
QDateTime SQLToDateTime(const QString& text);

// Day serial 0 at midnight: the "no date" value.
QDateTime ZeroDateTime();

// How a connection opens its file: for writing (created when missing), or for reading only,
// in which case the file must exist and is never changed.
enum class OpenMode { ReadWrite, ReadOnly };

// A thin object over one SQLite 3 connection. Values are never bound: callers write them into
// the SQL text (numbers as decimal, texts through QuotedSQL, dates through DateTimeToSQL).
//
// With ThreadSafe set, every operation checks that Lock is held (by some thread); a caller that
// forgot it fails an internal consistency check naming the class and operation.
class TSQLiteDB {
 public:
  // Closes the connection; whatever SQLite still holds (a table, a statement) is released first.
  virtual ~TSQLiteDB();

  TSQLiteDB(const TSQLiteDB&) = delete;
  TSQLiteDB& operator=(const TSQLiteDB&) = delete;

  // Re-entrant for the thread that holds it.
  void Lock();
  void Unlock();

  // Lock for the lifetime of a scope.
  class LockGuard {
   public:
    explicit LockGuard(TSQLiteDB& db) : db_(db) { db_.Lock(); }
    ~LockGuard() { db_.Unlock(); }
    LockGuard(const LockGuard&) = delete;
    LockGuard& operator=(const LockGuard&) = delete;

   private:
    TSQLiteDB& db_;
  };

  // Runs every statement of the text.
  void ExecSQL(const QString& sql);

  // Runs a query and keeps its whole result as text until CloseTable.
  void FetchTable(const QString& sql);
  // A cell of the fetched result's first row; null reads as empty text. The row and the column
  // must exist.
  QString FirstRowValue(int column) const;
  void CloseTable();
  // FetchTable, the cells of the first row, CloseTable.
  QStringList FetchFirstRow(const QString& sql);

  qint32 GetRowsAffected();
  qint32 GetUserVersion();
  void SetUserVersion(qint32 version);

  void BeginTransaction();
  void Commit();
  void Rollback();
  bool InTransaction() const { return InTransaction_; }

  // BeginTransaction, the work, Commit; when anything raises, the transaction is rolled back
  // (if SQLite has not done so already) and the first exception passes on.
  void RunInTransaction(const std::function<void()>& work);

  // Prepares the first statement of the text for stepping with Next.
  void OpenQuery(const QString& sql);
  // True when a row is ready; false at the end and on errors alike (FreeQuery reports those).
  bool Next();
  void FreeQuery();

  qint32 ColumnInt(int column);
  qint64 ColumnInt64(int column);
  QString ColumnText(int column);

  void SetBusyTimeout(int milliseconds);

  // True when SQLite could open the file for reading only.
  bool IsReadOnly() const;

  // Sees every SQL text before it is run, for diagnostics and tests.
  void SetStatementObserver(std::function<void(const QString&)> observer) { observer_ = std::move(observer); }

  bool ThreadSafe() const { return ThreadSafe_; }
  qint32 LockCount() const { return LockCount_.load(); }

 protected:
  // Opens the file (creating it when opened for writing). A subclass calls InitSchema at the end of
  // its own constructor: the override cannot be reached from here.
  TSQLiteDB(const QString& fileName, bool threadSafe, QString className, OpenMode mode = OpenMode::ReadWrite);

  // Creates or upgrades the subclass's tables.
  virtual void InitSchema() = 0;

  // Raises for every code except 0 (success), 100 (row ready) and 101 (done).
  void CheckError(int code, const char* operation) const;

  const QString& ClassName() const { return className_; }

 private:
  void AssertLock(const char* operation, int line) const;
  [[noreturn]] void FailCheck(const char* operation, int line) const;
  bool LockMissing() const { return ThreadSafe_ && LockCount_.load() <= 0; }
  void EnsureColumnAccessible(int column, int line);
  [[noreturn]] void RaiseWithMessage(int code, char* sqliteMessage, const char* operation) const;
  void Observe(const QString& sql) const;
  void ReleaseQuietly();

  char** ResultTable_ = nullptr;
  int resultRows_ = 0;
  int resultColumns_ = 0;
  sqlite3_stmt* Statement_ = nullptr;
  sqlite3* Handle_ = nullptr;
  std::atomic<qint32> LockCount_{0};
  std::recursive_mutex LockSection_;
  const bool ThreadSafe_;
  bool InTransaction_ = false;
  const QString className_;
  std::function<void(const QString&)> observer_;
};

}  // namespace meterly
