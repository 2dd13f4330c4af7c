#include "reports/statistics_backup.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <charconv>
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

// The layout this program writes (the declaration, one element a line ended by CR LF, tabs, the
// fields in the writer's order, numbers as plain digits) read line by line without an XML parser:
// ten years read in a fraction of the time. A file in any other layout, or holding anything an
// XML reader might read otherwise (other entities, a bare CR, a character XML forbids), is not
// read here: Read gives nothing, and the XML reader reads the file from its start.
class LayoutReader {
 public:
  explicit LayoutReader(QIODevice& device) : device_(device) {}

  std::optional<TBackupContents> Read() {
    try {
      Expect("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
      Expect("<meterly-backup>");
      List("data", [this] { ReadUsageItem(); });
      contents_.Sessions.emplace();
      List("dialup", [this] { ReadSessionItem(); });
      Expect("</meterly-backup>");
      if (pos_ != buffer_.size() || !device_.read(1).isEmpty()) throw NotLayout();
    } catch (const NotLayout&) {
      return std::nullopt;
    }
    return std::move(contents_);
  }

 private:
  struct NotLayout {};

  static constexpr qsizetype kChunkBytes = 1 << 20;

  // The next line without its CR LF.
  QByteArrayView NextLine() {
    for (;;) {
      const qsizetype end = buffer_.indexOf("\r\n", pos_);
      if (end >= 0) {
        const QByteArrayView line(buffer_.constData() + pos_, end - pos_);
        pos_ = end + 2;
        return line;
      }
      buffer_.remove(0, pos_);
      pos_ = 0;
      const QByteArray more = device_.read(kChunkBytes);
      if (more.isEmpty()) throw NotLayout();
      buffer_.append(more);
    }
  }

  void Expect(QByteArrayView line) {
    if (NextLine() != line) throw NotLayout();
  }

  // "\t<name/>", or "\t<name>", its items, "\t</name>". An item is read from its first field to
  // its end tag.
  template <typename ReadItem>
  void List(const char* name, const ReadItem& readItem) {
    const QByteArray tag(name);
    const QByteArrayView first = NextLine();
    if (first == "\t<" + tag + "/>") return;
    if (first != "\t<" + tag + '>') throw NotLayout();
    const QByteArray end = "\t</" + tag + '>';
    for (QByteArrayView line = NextLine(); line != end; line = NextLine()) {
      if (line != "\t\t<item>") throw NotLayout();
      readItem();
    }
  }

  // "\t\t\t<name>text</name>" or "\t\t\t<name/>": the text as the file holds it, valid until the
  // next line is read.
  QByteArrayView Field(QByteArrayView name) {
    QByteArrayView rest = NextLine();
    if (!rest.startsWith("\t\t\t<")) throw NotLayout();
    rest = rest.sliced(4);
    if (!rest.startsWith(name)) throw NotLayout();
    rest = rest.sliced(name.size());
    if (rest == "/>") return {};
    if (!rest.startsWith('>') || !rest.endsWith('>')) throw NotLayout();
    rest = rest.sliced(1).chopped(1);
    if (!rest.endsWith(name)) throw NotLayout();
    rest.chop(name.size());
    if (!rest.endsWith("</")) throw NotLayout();
    return rest.chopped(2);
  }

  qint64 Number(QByteArrayView name) {
    const QByteArrayView text = Field(name);
    qint64 value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.isEmpty() || error != std::errc() || end != text.data() + text.size()) throw NotLayout();
    return value;
  }

  static qint64 Within(qint64 value, qint64 low, qint64 high) {
    if (value < low || value > high) Corrupted();
    return value;
  }

  // The text with the writer's four entities replaced; UTF-8 that XML allows, or not the layout.
  static QString Decoded(QByteArrayView raw) {
    QByteArray bytes;
    bytes.reserve(raw.size());
    bool ascii = true;
    for (qsizetype i = 0; i < raw.size(); ++i) {
      const char c = raw[i];
      if (c == '&') {
        const QByteArrayView rest = raw.sliced(i);
        const auto entity = [&](QByteArrayView name, char value) {
          if (!rest.startsWith(name)) return false;
          bytes.append(value);
          i += name.size() - 1;
          return true;
        };
        if (!entity("&amp;", '&') && !entity("&lt;", '<') && !entity("&gt;", '>') && !entity("&#13;", '\r')) {
          throw NotLayout();
        }
        continue;
      }
      const auto byte = static_cast<unsigned char>(c);
      if (c == '<' || c == '>' || (byte < 0x20 && c != '\t' && c != '\n')) throw NotLayout();
      ascii = ascii && byte < 0x80;
      bytes.append(c);
    }
    if (ascii) return QString::fromLatin1(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError()) throw NotLayout();
    for (const QChar c : text) {
      if (c.unicode() >= 0xFFFE) throw NotLayout();
    }
    return text;
  }

  // One copy of each user name, the last one first.
  QString User(QByteArrayView raw) {
    if (raw == QByteArrayView(lastRaw_)) return lastUser_;
    const auto found = users_.constFind(QByteArray::fromRawData(raw.data(), raw.size()));
    lastRaw_ = raw.toByteArray();
    lastUser_ = found != users_.constEnd() ? *found : users_.insert(lastRaw_, Decoded(raw)).value();
    return lastUser_;
  }

  // The checks and their order are those of the XML reader's, made once the item's end is read.
  void ReadUsageItem() {
    const QString user = User(Field("user"));
    const qint64 day = Number("day");
    const qint64 in = Number("in");
    const qint64 out = Number("out");
    const qint64 dialup = Number("dialup");
    const qint64 hour = Number("hour");
    Expect("\t\t</item>");
    TUsageRow row;
    row.Hour = static_cast<qint32>(Within(hour, 0, kLastHour));
    row.DataIn = Within(in, 0, std::numeric_limits<qint64>::max());
    row.DataOut = Within(out, 0, std::numeric_limits<qint64>::max());
    row.Dialup = Within(dialup, 0, kLongestDuration);
    row.Day = static_cast<qint32>(Within(day, kFirstDay, kLastDay));
    row.User = user;
    contents_.Usage.push_back(std::move(row));
  }

  void ReadSessionItem() {
    TRasItem session;
    session.Name = Decoded(Field("connection"));
    session.Since = SQLToDateTime(Decoded(Field("since")));
    const qint64 duration = Number("duration");
    const qint64 in = Number("in");
    const qint64 out = Number("out");
    Expect("\t\t</item>");
    session.Duration = static_cast<quint32>(Within(duration, 0, kLongestDuration));
    session.DataIn = Within(in, 0, std::numeric_limits<qint64>::max());
    session.DataOut = Within(out, 0, std::numeric_limits<qint64>::max());
    contents_.Sessions->push_back(std::move(session));
  }

  QIODevice& device_;
  QByteArray buffer_;
  qsizetype pos_ = 0;
  TBackupContents contents_;
  QHash<QByteArray, QString> users_;
  QByteArray lastRaw_;
  QString lastUser_;
};

}  // namespace

TBackupContents ReadBackup(QIODevice& device) {
  if (!device.isSequential()) {
    const qint64 start = device.pos();
    if (std::optional<TBackupContents> contents = LayoutReader(device).Read()) return std::move(*contents);
    if (!device.seek(start)) Corrupted();
  }
  return BackupReader(device).Read();
}

TBackupContents ReadBackupFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    throw EBackupError(QCoreApplication::translate("StatisticsBackup", "Cannot read the backup file \"%1\": %2")
                           .arg(fileName, file.errorString()));
  }
  return ReadBackup(file);
}

}  // namespace meterly
