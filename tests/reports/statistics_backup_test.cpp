#include "reports/statistics_backup.h"

#include "support/files.h"
#include "support/usage_database.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include "store/qt_printing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

namespace meterly {
namespace {

using testing_support::UsageDatabase;

QByteArray BackupBytes(TDiskDB& db) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  WriteBackup(db, buffer);
  return buffer.data();
}

// Reads the whole document, then replaces the database's contents with it, as the window does.
// Gives the error when the document is refused. A pipe cannot go back: only the XML reader reads it.
[[nodiscard]] QString Restore(TDiskDB& db, const QByteArray& document, bool throughPipe = false) {
  QBuffer buffer;
  buffer.setData(document);
  buffer.open(QIODevice::ReadOnly);
  QFile pipe;
  if (throughPipe) {
    int ends[2] = {-1, -1};
    // Written before it is read, so it must fit in the pipe's 64 KiB, or the write would wait forever.
    EXPECT_TRUE(document.size() <= 65536 && ::pipe(ends) == 0 &&
                ::write(ends[1], document.constData(), document.size()) == document.size());
    ::close(ends[1]);
    EXPECT_TRUE(pipe.open(ends[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) && pipe.isSequential());
  }
  try {
    const TBackupContents contents = ReadBackup(throughPipe ? static_cast<QIODevice&>(pipe) : buffer);
    ReplaceStatistics(db, contents.Usage, contents.Sessions);
  } catch (const EBackupError& error) {
    return error.message();
  }
  return QString();
}

QByteArray Document(const QByteArray& data, const QByteArray& rest = "<dialup/>") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<meterly-backup><data>" + data + "</data>" + rest +
         "</meterly-backup>";
}

QByteArray Item(const QByteArray& fields) { return "<item>" + fields + "</item>"; }

QByteArray Fields(const QByteArray& day, const QByteArray& in = "5") {
  return "<user>u</user><day>" + day + "</day><in>" + in + "</in><out>6</out><dialup>7</dialup>";
}

const QByteArray kFields = Fields("46000");

class BackupTest : public ::testing::Test {
 protected:
  UsageDatabase store;
  TDiskDB& db = *store.db;
};

TEST_F(BackupTest, AnEmptyDatabaseWritesEmptyElementTagsAndRestoringItEmptiesBothTables) {
  EXPECT_EQ(BackupBytes(db), QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<meterly-backup>\r\n"
                                        "\t<data/>\r\n\t<dialup/>\r\n</meterly-backup>\r\n"));
  UsageDatabase full;
  full.Write(QStringLiteral("x"), 46000, 3, 1, 2);
  full.AddSession(QStringLiteral("isp"), QStringLiteral("2026-03-01 10:00:00"), 60);
  EXPECT_EQ(Restore(*full.db, BackupBytes(db)), QString());
  EXPECT_EQ(full.Contents(), QStringList());
}

TEST_F(BackupTest, PendingAmountsAndASessionAreLaidOutOneElementALineIndentedByTabs) {
  db.AddData(30, 100, 200);
  store.AddSession(QStringLiteral("isp"), QStringLiteral("2026-03-01 10:00:00"), 60, 7, 8);
  EXPECT_EQ(BackupBytes(db), QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<meterly-backup>\r\n"
                                        "\t<data>\r\n\t\t<item>\r\n\t\t\t<user>me</user>\r\n\t\t\t<day>46112</day>\r\n"
                                        "\t\t\t<in>100</in>\r\n\t\t\t<out>200</out>\r\n\t\t\t<dialup>30</dialup>\r\n"
                                        "\t\t\t<hour>12</hour>\r\n\t\t</item>\r\n\t</data>\r\n\t<dialup>\r\n"
                                        "\t\t<item>\r\n\t\t\t<connection>isp</connection>\r\n"
                                        "\t\t\t<since>2026-03-01 10:00:00</since>\r\n\t\t\t<duration>60</duration>\r\n"
                                        "\t\t\t<in>7</in>\r\n\t\t\t<out>8</out>\r\n\t\t</item>\r\n\t</dialup>\r\n"
                                        "</meterly-backup>\r\n"));
  EXPECT_EQ(db.PendingIn(), 0);
}

TEST_F(BackupTest, ARoundTripRestoresEveryRowAndSessionIdentically) {
  const QStringList users{QStringLiteral("a<b&c"), QStringLiteral("O'Brien \"Q\""), QStringLiteral("张伟"),
                          QStringLiteral("cr\rlf\n tab\t"), QStringLiteral("R&D]]>")};
  for (int u = 0; u < users.size(); ++u) {
    for (int hour : {0, 7, 23}) store.Write(users[u], 45000 + u, hour, 1LL << 40 | hour, u * 1000 + hour, hour);
  }
  store.AddSession(QStringLiteral("拨号 <1>"), QStringLiteral("2026-03-01 10:00:00"), 4000000000U, 1, 2);
  store.AddSession(QStringLiteral("isp's & co"), QStringLiteral("2025-12-31 23:59:59"), 1, 9223372036854775807LL, 0);
  const QStringList before = store.Contents();
  const QByteArray backup = BackupBytes(db);

  store.Write(QStringLiteral("later"), 46100, 1, 1, 1);
  EXPECT_EQ(Restore(db, backup), QString());
  EXPECT_EQ(store.Contents(), before);
  EXPECT_EQ(BackupBytes(db), backup);
}

TEST_F(BackupTest, ItemsTakeHourZeroWithoutANumericHourAndDuplicatesAddUp) {
  store.AddSession(QStringLiteral("kept"), QStringLiteral("2026-03-01 10:00:00"), 60);
  const QByteArray document = "<?xml version=\"1.0\"?><meterly-backup>\n  <data>\n" + Item(kFields) + "\n" +
                              Item(kFields + "<hour>x</hour>") + Item(kFields + "<hour>4</hour>") +
                              Item(kFields + "<hour> 4 </hour>") + "</data></meterly-backup>";
  EXPECT_EQ(Restore(db, document), QString());
  EXPECT_EQ(store.Contents(), (QStringList{QStringLiteral("u|46000|0|10|12|14"), QStringLiteral("u|46000|4|10|12|14"),
                                           QStringLiteral("kept|2026-03-01 10:00:00|60|0|0")}));
}

// Older installations wrote windows-1252 and a start time not every reader understands.
TEST_F(BackupTest, AWindows1252BackupRestoresAndAnUnreadableSinceBecomesTheZeroDate) {
  const QByteArray document =
      "<?xml version=\"1.0\" encoding=\"windows-1252\"?><meterly-backup><data><item><user>Jos\xe9 \x80</user>"
      "<day>40000</day><in>1</in><out>2</out><dialup>0</dialup></item></data><dialup><item><connection>c</connection>"
      "<since>never</since><duration>1</duration><in>2</in><out>3</out></item></dialup></meterly-backup>";
  EXPECT_EQ(Restore(db, document), QString());
  EXPECT_EQ(store.Contents(),
            (QStringList{QStringLiteral("José €|40000|0|1|2|0"), QStringLiteral("c|1899-12-30 00:00:00|1|2|3")}));
}

TEST_F(BackupTest, ABadFileChangesNeitherTheDatabaseNorThePendingAmounts) {
  const QString corrupted = QStringLiteral("Corrupted backup file");
  const std::tuple<const char*, QByteArray, QString> cases[] = {
      {"wrong root", "<?xml version=\"1.0\"?><backup><data/></backup>", QStringLiteral("Not a backup file")},
      {"no data", "<meterly-backup><dialup/></meterly-backup>", corrupted},
      {"missing in", Document(Item("<user>u</user><day>1</day><out>6</out><dialup>7</dialup>")),
       QStringLiteral("missing XML node 'in' in 'item'")},
      {"not a number", Document(Item(Fields("1", "5x"))), QStringLiteral("'5x' is not a valid integer value")},
      {"day past 32 bits", Document(Item(Fields("4294967296"))), corrupted},
      {"negative day", Document(Item(Fields("-1"))), corrupted},
      {"day 0", Document(Item(Fields("0"))), corrupted},
      {"hour 24", Document(Item(kFields + "<hour>24</hour>")), corrupted},
      {"negative hour", Document(Item(kFields + "<hour>-1</hour>")), corrupted},
      {"negative amount", Document(Item(Fields("1", "-5"))), corrupted},
      {"long duration",
       Document("",
                "<dialup><item><connection>c</connection><since>x</since>"
                "<duration>4294967296</duration><in>2</in><out>3</out></item></dialup>"),
       corrupted},
      {"invalid character reference", Document(Item("<user>&#1;</user>")), QString()},
      {"cut short", Document(Item(kFields)).left(80), QString()},
      {"garbage after the root", Document(Item(kFields)) + "<x>", QString()},
      {"no element", "", QString()},
  };
  store.Write(QStringLiteral("me"), 46000, 1, 10, 20);
  store.AddSession(QStringLiteral("isp"), QStringLiteral("2026-03-01 10:00:00"), 60);
  db.AddData(1, 2, 3);
  const QStringList before = store.Contents();
  for (const auto& [what, document, error] : cases) {
    const QString message = Restore(db, document);
    if (error.isEmpty()) {
      EXPECT_TRUE(message.contains(QStringLiteral("line"))) << what << ": " << message.toStdString();
    } else {
      EXPECT_EQ(message, error) << what;
    }
    EXPECT_EQ(store.Contents(), before) << what;
    EXPECT_EQ(db.PendingIn(), 2) << what;
  }
}

// Random damage to a valid backup never crashes the reader, and the database changes only when
// the file still reads as a whole backup.
TEST_F(BackupTest, DamagedFilesNeverChangeTheDatabaseUnlessTheRestoreCommits) {
  for (int u = 0; u < 3; ++u) store.Write(QStringLiteral("user%1 <&>").arg(u), 46000 + u, u, 100 + u, 200, u);
  store.AddSession(QStringLiteral("isp"), QStringLiteral("2026-03-01 10:00:00"), 60, 1, 2);
  const QByteArray original = BackupBytes(db);
  const QStringList before = store.Contents();
  QRandomGenerator random(20260331);
  const QByteArray alphabet = "<>/&;#x0123456789-\r\n\t amp";
  int restored = 0;
  for (int round = 0; round < 400; ++round) {
    QByteArray damaged = original;
    for (int edits = 1 + random.bounded(3); edits > 0 && !damaged.isEmpty(); --edits) {
      const int at = random.bounded(static_cast<int>(damaged.size()));
      const char c = random.bounded(4) == 0 ? static_cast<char>(random.bounded(256))
                                            : alphabet[random.bounded(static_cast<int>(alphabet.size()))];
      switch (random.bounded(4)) {
        case 0:
          damaged[at] = c;
          break;
        case 1:
          damaged.insert(at, c);
          break;
        case 2:
          damaged.remove(at, 1 + random.bounded(8));
          break;
        default:
          damaged.truncate(at);
      }
    }
    // The program's own layout is read without the XML reader, to the same outcome.
    QStringList outcomes[2];
    for (const bool throughPipe : {false, true}) {
      db.AddData(0, 1, 0);
      const qint64 pending = db.PendingIn();
      const QString error = Restore(db, damaged, throughPipe);
      outcomes[throughPipe] = error.isEmpty() ? store.Contents() : QStringList{error};
      EXPECT_EQ(db.PendingIn(), error.isEmpty() ? 0 : pending);
      if (error.isEmpty()) {
        restored += throughPipe ? 0 : 1;
        EXPECT_EQ(Restore(db, original), QString());
      }
      ASSERT_EQ(store.Contents(), before) << damaged.toStdString();
      db.ClearPending();
    }
    EXPECT_EQ(outcomes[0], outcomes[1]) << damaged.toStdString();
  }
  EXPECT_GT(restored, 0);
  EXPECT_LT(restored, 400);
}

TEST_F(BackupTest, ATextXmlCannotHoldIsRefusedAndTheOldFileStays) {
  const QString path = store.dir.filePath(QStringLiteral("backup.xml"));
  testing_support::WriteFile(path, "old");
  store.Write(QStringLiteral("bell\x07"), 46000, 1, 1, 1);
  EXPECT_THAT([&] { BackupStatistics(db, path); }, testing::ThrowsMessage<EBackupError>(testing::HasSubstr("U+0007")));
  EXPECT_EQ(testing_support::FileBytes(path), QByteArray("old"));
  EXPECT_EQ(QDir(store.dir.path()).entryList({QStringLiteral("backup.xml*")}, QDir::Files | QDir::Hidden),
            QStringList{QStringLiteral("backup.xml")});
}

TEST_F(BackupTest, AFailedWriteOrReadIsAnErrorNotASuccess) {
  QFile full(QStringLiteral("/dev/full"));
  if (!full.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) GTEST_SKIP() << "no /dev/full here";
  EXPECT_THROW(WriteBackup(db, full), EBackupError);
  EXPECT_THROW(BackupStatistics(db, store.dir.filePath(QStringLiteral("missing/folder/b.xml"))), EBackupError);
  EXPECT_THROW(ReadBackupFile(store.dir.filePath(QStringLiteral("none.xml"))), EBackupError);
}

}  // namespace
}  // namespace meterly
