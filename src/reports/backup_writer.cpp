#include "reports/statistics_backup.h"

#include "reports/report_query.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QSaveFile>

namespace meterly {

namespace {

constexpr qsizetype kChunkBytes = 1 << 20;

[[noreturn]] void FailFile(const QString& fileName, const QString& reason) {
  throw EBackupError(
      QCoreApplication::translate("StatisticsBackup", "Cannot write the backup file \"%1\": %2").arg(fileName, reason));
}

bool AllowedInXml(char32_t code) {
  return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF) ||
         (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}

// The first character of the text that XML 1.0 cannot carry (a control character, a lone
// surrogate), or nothing.
std::optional<char32_t> ForbiddenCharacter(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      ++i;
      continue;
    }
    if (c.isSurrogate() || !AllowedInXml(c.unicode())) return c.unicode();
  }
  return std::nullopt;
}

// Text content escaped; a CR as a character reference, or the reader would turn it into a line
// feed.
QByteArray EscapedText(const QString& text) {
  QString escaped;
  escaped.reserve(text.size());
  for (const QChar c : text) {
    switch (c.unicode()) {
      case '&':
        escaped += QStringLiteral("&amp;");
        break;
      case '<':
        escaped += QStringLiteral("&lt;");
        break;
      case '>':
        escaped += QStringLiteral("&gt;");
        break;
      case '\r':
        escaped += QStringLiteral("&#13;");
        break;
      default:
        escaped += c;
    }
  }
  return escaped.toUtf8();
}

// The document as this program lays it out: one element a line, ended by CR LF, indented by a
// tab per level below the root, an element without content as an empty-element tag.
class BackupDocument {
 public:
  explicit BackupDocument(QIODevice& device) : device_(device) {
    buffer_.reserve(kChunkBytes + 4096);
    Line(0, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
  }

  void Open(int depth, const char* name) { Line(depth, QByteArray("<") + name + '>'); }
  void Close(int depth, const char* name) { Line(depth, QByteArray("</") + name + '>'); }
  void Empty(int depth, const char* name) { Line(depth, QByteArray("<") + name + "/>"); }

  // what names the text in an error message.
  void Text(int depth, const char* name, const QString& text, const char* what) {
    if (const std::optional<char32_t> bad = ForbiddenCharacter(text)) {
      throw EBackupError(QCoreApplication::translate("StatisticsBackup",
                                                     "The statistics cannot be backed up: the %1 \"%2\" holds the "
                                                     "character U+%3, which an XML file cannot hold.")
                             .arg(QCoreApplication::translate("StatisticsBackup", what), Printable(text))
                             .arg(static_cast<uint>(*bad), 4, 16, QLatin1Char('0')));
    }
    if (text.isEmpty()) return Empty(depth, name);
    Line(depth, QByteArray("<") + name + '>' + EscapedText(text) + "</" + name + '>');
  }
  void Number(int depth, const char* name, qint64 value) { Text(depth, name, QString::number(value), name); }

  void Finish() { Flush(); }

 private:
  static QString Printable(QString text) {
    for (QChar& c : text) {
      if (c.isSurrogate() || !AllowedInXml(c.unicode())) c = QChar(0xFFFD);
    }
    return text;
  }

  void Line(int depth, const QByteArray& text) {
    buffer_.append(QByteArray(depth, '\t')).append(text).append("\r\n");
    if (buffer_.size() >= kChunkBytes) Flush();
  }

  void Flush() {
    if (device_.write(buffer_) != buffer_.size()) {
      const auto* file = qobject_cast<const QFileDevice*>(&device_);
      FailFile(file != nullptr ? file->fileName() : QString(), device_.errorString());
    }
    buffer_.clear();
  }

  QIODevice& device_;
  QByteArray buffer_;
};

void WriteUsage(TDiskDB& db, BackupDocument& document) {
  bool any = false;
  ForEachRow(db,
             QStringLiteral("SELECT USER_NAME, DAY, DATA_IN, DATA_OUT, DIALUP_DURATION, HOUR FROM usage ORDER BY "
                            "USER_NAME, DAY, HOUR"),
             [&] {
               if (!any) document.Open(1, "data");
               any = true;
               document.Open(2, "item");
               document.Text(3, "user", db.ColumnText(0), QT_TRANSLATE_NOOP("StatisticsBackup", "user name"));
               document.Number(3, "day", db.ColumnInt64(1));
               document.Number(3, "in", db.ColumnInt64(2));
               document.Number(3, "out", db.ColumnInt64(3));
               document.Number(3, "dialup", db.ColumnInt64(4));
               document.Number(3, "hour", db.ColumnInt64(5));
               document.Close(2, "item");
             });
  if (any) {
    document.Close(1, "data");
  } else {
    document.Empty(1, "data");
  }
}

void WriteSessions(TDiskDB& db, BackupDocument& document) {
  bool any = false;
  ForEachRow(db, QStringLiteral("SELECT CONN_NAME, SINCE, DURATION, DATA_IN, DATA_OUT FROM dialup"), [&] {
    if (!any) document.Open(1, "dialup");
    any = true;
    document.Open(2, "item");
    document.Text(3, "connection", db.ColumnText(0), QT_TRANSLATE_NOOP("StatisticsBackup", "connection name"));
    document.Text(3, "since", db.ColumnText(1), QT_TRANSLATE_NOOP("StatisticsBackup", "session start"));
    document.Number(3, "duration", db.ColumnInt64(2));
    document.Number(3, "in", db.ColumnInt64(3));
    document.Number(3, "out", db.ColumnInt64(4));
    document.Close(2, "item");
  });
  if (any) {
    document.Close(1, "dialup");
  } else {
    document.Empty(1, "dialup");
  }
}

}  // namespace

void WriteBackup(TDiskDB& db, QIODevice& device) {
  db.FlushPending();
  BackupDocument document(device);
  document.Open(0, "meterly-backup");
  {
    TSQLiteDB::LockGuard lock(db);
    WriteUsage(db, document);
  }
  {
    TSQLiteDB::LockGuard lock(db);
    WriteSessions(db, document);
  }
  document.Close(0, "meterly-backup");
  document.Finish();
}

void BackupStatistics(TDiskDB& db, const QString& fileName) {
  QSaveFile file(fileName);
  // Unbuffered, a short write (a full disk) shows in write()'s count.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) FailFile(fileName, file.errorString());
  // On any failure the temporary file is removed with the object, and the target stays as it was.
  WriteBackup(db, file);
  if (!file.commit()) FailFile(fileName, file.errorString());
}

}  // namespace meterly
