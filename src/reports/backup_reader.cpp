#include "reports/statistics_backup.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QXmlStreamReader>

#include <limits>
#include <map>

namespace meterly {

namespace {

constexpr qint64 kFirstDay = 1;
constexpr qint64 kLastDay = 2958465;  // 31 December 9999
constexpr qint64 kLastHour = 23;
constexpr qint64 kLongestDuration = std::numeric_limits<quint32>::max();

[[noreturn]] void Corrupted() {
  throw EBackupError(QCoreApplication::translate("StatisticsBackup", "Corrupted backup file"));
}

// The texts of an item's child elements, the first of each name.
class ItemFields {
 public:
  explicit ItemFields(QXmlStreamReader& xml) : itemName_(xml.name().toString()) {
    while (xml.readNextStartElement()) {
      const QString name = xml.name().toString();
      if (texts_.contains(name)) {
        xml.skipCurrentElement();
      } else {
        texts_.emplace(name, xml.readElementText(QXmlStreamReader::IncludeChildElements));
      }
    }
  }

  QString Text(const QString& name) const {
    const auto found = texts_.find(name);
    if (found == texts_.end()) {
      throw EBackupError(
          QCoreApplication::translate("StatisticsBackup", "missing XML node '%1' in '%2'").arg(name, itemName_));
    }
    return found->second;
  }

  qint64 Whole(const QString& name) const {
    const QString text = Text(name);
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    if (!ok)
      throw EBackupError(
          QCoreApplication::translate("StatisticsBackup", "'%1' is not a valid integer value").arg(text));
    return value;
  }

  qint64 Whole(const QString& name, qint64 low, qint64 high) const {
    const qint64 value = Whole(name);
    if (value < low || value > high) Corrupted();
    return value;
  }

  // Missing or not a number: the default, as backups from before the hourly record have no hour.
  qint64 WholeOr(const QString& name, qint64 fallback) const {
    const auto found = texts_.find(name);
    if (found == texts_.end()) return fallback;
    bool ok = false;
    const qint64 value = found->second.trimmed().toLongLong(&ok);
    return ok ? value : fallback;
  }

 private:
  QString itemName_;
  std::map<QString, QString> texts_;
};

class BackupReader {
 public:
  explicit BackupReader(QIODevice& device) : xml_(&device) {}

  TBackupContents Read() {
    if (!xml_.readNextStartElement()) FailXml();
    if (xml_.name() != QLatin1String("meterly-backup"))
      throw EBackupError(QCoreApplication::translate("StatisticsBackup", "Not a backup file"));
    bool haveData = false;
    while (xml_.readNextStartElement()) {
      if (xml_.name() == QLatin1String("data") && !haveData) {
        ReadUsage();
        haveData = true;
      } else if (xml_.name() == QLatin1String("dialup") && !contents_.Sessions) {
        ReadSessions();
      } else {
        xml_.skipCurrentElement();
      }
    }
    // What follows the root must be well-formed too.
    while (!xml_.atEnd()) xml_.readNext();
    if (xml_.hasError()) FailXml();
    if (!haveData) Corrupted();
    return std::move(contents_);
  }

 private:
  [[noreturn]] void FailXml() {
    const QString reason = xml_.hasError()
                               ? xml_.errorString()
                               : QCoreApplication::translate("StatisticsBackup", "The file holds no XML element.");
    throw EBackupError(QCoreApplication::translate("StatisticsBackup", "%1 (line %2, column %3)")
                           .arg(reason)
                           .arg(xml_.lineNumber())
                           .arg(xml_.columnNumber()));
  }

  void ReadUsage() {
    while (xml_.readNextStartElement()) {
      const ItemFields item(xml_);
      if (xml_.hasError()) FailXml();
      TUsageRow row;
      const qint64 hour = item.WholeOr(QStringLiteral("hour"), 0);
      if (hour < 0 || hour > kLastHour) Corrupted();
      row.Hour = static_cast<qint32>(hour);
      row.DataIn = item.Whole(QStringLiteral("in"), 0, std::numeric_limits<qint64>::max());
      row.DataOut = item.Whole(QStringLiteral("out"), 0, std::numeric_limits<qint64>::max());
      row.Dialup = item.Whole(QStringLiteral("dialup"), 0, kLongestDuration);
      row.Day = static_cast<qint32>(item.Whole(QStringLiteral("day"), kFirstDay, kLastDay));
      row.User = SharedUser(item.Text(QStringLiteral("user")));
      contents_.Usage.push_back(std::move(row));
    }
    if (xml_.hasError()) FailXml();
  }

  void ReadSessions() {
    contents_.Sessions.emplace();
    while (xml_.readNextStartElement()) {
      const ItemFields item(xml_);
      if (xml_.hasError()) FailXml();
      TRasItem session;
      session.Name = item.Text(QStringLiteral("connection"));
      session.Since = SQLToDateTime(item.Text(QStringLiteral("since")));
      session.Duration = static_cast<quint32>(item.Whole(QStringLiteral("duration"), 0, kLongestDuration));
      session.DataIn = item.Whole(QStringLiteral("in"), 0, std::numeric_limits<qint64>::max());
      session.DataOut = item.Whole(QStringLiteral("out"), 0, std::numeric_limits<qint64>::max());
      contents_.Sessions->push_back(std::move(session));
    }
    if (xml_.hasError()) FailXml();
  }

  // One copy of each user name, however many rows carry it.
  QString SharedUser(const QString& name) {
    const auto found = users_.constFind(name);
    if (found != users_.constEnd()) return *found;
    users_.insert(name, name);
    return name;
  }

  QXmlStreamReader xml_;
  TBackupContents contents_;
  QHash<QString, QString> users_;
};

}  // namespace

TBackupContents ReadBackup(QIODevice& device) { return BackupReader(device).Read(); }

TBackupContents ReadBackupFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    throw EBackupError(QCoreApplication::translate("StatisticsBackup", "Cannot read the backup file \"%1\": %2")
                           .arg(fileName, file.errorString()));
  }
  return ReadBackup(file);
}

}  // namespace meterly
