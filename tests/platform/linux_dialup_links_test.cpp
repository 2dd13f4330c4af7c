#include "platform/linux/linux_dialup_links.h"
#include "platform/linux/linux_dialup.h"
#include "platform/linux/linux_dialup_hang_up.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <linux/if.h>
#include <linux/if_arp.h>
#include <linux/if_link.h>
#include <linux/rtnetlink.h>

#include <vector>

namespace meterly::platform::netlink {
namespace {

using ByteVector = std::vector<std::byte>;

Bytes PayloadOf(const ByteVector& message) { return AsBytes(message).subspan(NLMSG_ALIGN(sizeof(nlmsghdr))); }

// A link message as the kernel sends one about pppd's interface (further attributes are skipped alike).
ByteVector linkMessage(quint16 type, int index, const char* name, unsigned flags, unsigned short hardware = ARPHRD_PPP,
                       quint64 received = 0, quint64 sent = 0) {
  ifinfomsg header{};
  header.ifi_index = index;
  header.ifi_type = hardware;
  header.ifi_flags = flags;
  rtnl_link_stats64 stats{};
  stats.rx_bytes = received;
  stats.tx_bytes = sent;
  stats.rx_packets = 9;
  const quint32 mtu = 1492;
  return MessageBuilder(type, 0)
      .AppendStruct(header)
      .AppendTextAttribute(IFLA_IFNAME, name)
      .AppendAttribute(IFLA_MTU, ValueBytes(mtu))
      .AppendAttribute(IFLA_STATS64, ValueBytes(stats))
      .bytes();
}

constexpr unsigned kUp = IFF_UP | IFF_RUNNING | IFF_POINTOPOINT | IFF_NOARP;

TEST(DialupLinksTest, APppLinkMessageGivesIndexNameStateAndCounters) {
  const auto link = DecodePppLink(PayloadOf(linkMessage(RTM_NEWLINK, 7, "ppp0", kUp, ARPHRD_PPP, 6'000'000'000, 12)));
  ASSERT_TRUE(link.has_value());
  EXPECT_EQ(link->index, 7);
  EXPECT_EQ(link->name, QByteArray("ppp0"));
  EXPECT_TRUE(link->up);
  ASSERT_TRUE(link->counters.has_value());
  EXPECT_EQ(link->counters->received, 6'000'000'000ull);
  EXPECT_EQ(link->counters->sent, 12u);

  EXPECT_FALSE(DecodePppLink(PayloadOf(linkMessage(RTM_NEWLINK, 7, "ppp0", IFF_POINTOPOINT)))->up);
  EXPECT_FALSE(DecodePppLink(PayloadOf(linkMessage(RTM_NEWLINK, 2, "eth0", kUp, ARPHRD_ETHER))).has_value());
  ByteVector cut = linkMessage(RTM_NEWLINK, 7, "ppp0", kUp);
  cut.resize(cut.size() - 3);
  EXPECT_FALSE(DecodePppLink(PayloadOf(cut)).has_value()) << "a truncated attribute";
}

TEST(DialupLinksTest, OnlyAChangeOfTheLinksIndexNameOrUpStateIsAnEvent) {
  const struct {
    const char* what;
    ByteVector message;
    bool event;
  } steps[] = {
      {"pppd creates ppp0, still down", linkMessage(RTM_NEWLINK, 7, "ppp0", IFF_POINTOPOINT), true},
      {"the same message again", linkMessage(RTM_NEWLINK, 7, "ppp0", IFF_POINTOPOINT), false},
      {"ppp0 comes up", linkMessage(RTM_NEWLINK, 7, "ppp0", kUp), true},
      {"statistics only", linkMessage(RTM_NEWLINK, 7, "ppp0", kUp, ARPHRD_PPP, 5000, 600), false},
      {"an Ethernet link comes and goes", linkMessage(RTM_NEWLINK, 2, "eth0", kUp, ARPHRD_ETHER), false},
      {"an Ethernet link is deleted", linkMessage(RTM_DELLINK, 2, "eth0", 0, ARPHRD_ETHER), false},
      {"ppp0 renamed", linkMessage(RTM_NEWLINK, 7, "isp", kUp), true},
      {"ppp0 goes down", linkMessage(RTM_NEWLINK, 7, "isp", IFF_POINTOPOINT), true},
      {"ppp0 is deleted", linkMessage(RTM_DELLINK, 7, "isp", IFF_POINTOPOINT), true},
      {"a deletion of a link never seen", linkMessage(RTM_DELLINK, 9, "ppp1", 0), false},
      {"the reconnect gets a new index", linkMessage(RTM_NEWLINK, 8, "ppp0", kUp), true},
  };
  PppLinkSet links;
  for (const auto& step : steps) EXPECT_EQ(links.ApplyDatagram(AsBytes(step.message)), step.event) << step.what;
  ASSERT_EQ(links.Links().size(), 1u);
  EXPECT_EQ(links.Links().at(8), (PppLinkSet::State{"ppp0", true}));

  ByteVector garbage = linkMessage(RTM_NEWLINK, 7, "ppp0", kUp);
  garbage.resize(10);
  EXPECT_TRUE(links.ApplyDatagram(AsBytes(garbage))) << "an unreadable datagram makes the watch look again";
}

TEST(DialupLinksTest, ThePppChannelDeviceIsFoundAmongTheCharacterDevicesOnly) {
  const struct {
    const char* devices;
    bool ppp;
  } rows[] = {
      {"Character devices:\n  1 mem\n108 ppp\n189 usb_device\n\nBlock devices:\n  8 sd\n", true},
      {"Character devices:\n  1 mem\n  4 tty\n\nBlock devices:\n259 blkext\n", false},
      {"Character devices:\n  1 mem\n\nBlock devices:\n108 ppp\n", false},
      {"Character devices:\n108 pppoe-thing\n", false},
      {"", false},
  };
  for (const auto& row : rows) EXPECT_EQ(ProcDevicesOfferPpp(row.devices), row.ppp) << row.devices;
}

TEST(DialupLinksTest, APidFileNamesAPidAboveOneOnItsFirstLine) {
  const struct {
    const char* contents;
    std::optional<int> pid;
  } rows[] = {{"1234\n", 1234},       {"  77\nppp0\n", 77},     {"1\n", std::nullopt}, {"0", std::nullopt},
              {"-5\n", std::nullopt}, {"12ab\n", std::nullopt}, {"", std::nullopt}};
  for (const auto& row : rows) EXPECT_EQ(ParsePppdPidFile(row.contents), row.pid) << row.contents;
}

class PppdHangUpTest : public ::testing::Test {
 protected:
  void WritePidFile(const char* interface, qint64 pid) {
    QFile file(run.filePath(QString::fromLatin1(interface) + QStringLiteral(".pid")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::number(pid) + "\n");
  }

  QTemporaryDir run;
  PppdHangUp hangUp{QFile::encodeName(run.path())};
};

TEST_F(PppdHangUpTest, AStalePidFileNamingAnotherProgramSignalsNothing) {
  WritePidFile("ppp0", QCoreApplication::applicationPid());  // this test program, not pppd
  QString error;
  EXPECT_FALSE(hangUp.HangUp("ppp0", &error));
  EXPECT_TRUE(error.contains(QStringLiteral("not pppd"))) << error.toStdString();

  EXPECT_FALSE(hangUp.HangUp("ppp9", &error)) << "no pid file";
  EXPECT_FALSE(hangUp.HangUp("../ppp0", &error)) << "not an interface name";
}

TEST_F(PppdHangUpTest, ThePppdOfTheInterfaceIsAskedToEnd) {
  // A process of this test's own, named pppd.
  const QString pppd = run.filePath(QStringLiteral("pppd"));
  const QString sleep = QStandardPaths::findExecutable(QStringLiteral("sleep"));
  ASSERT_FALSE(sleep.isEmpty());
  ASSERT_TRUE(QFile::copy(sleep, pppd));
  QProcess process;
  process.start(pppd, {QStringLiteral("60")});
  ASSERT_TRUE(process.waitForStarted());
  WritePidFile("ppp0", process.processId());

  QString error;
  EXPECT_TRUE(hangUp.HangUp("ppp0", &error)) << error.toStdString();
  ASSERT_TRUE(process.waitForFinished(10000));
  EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);
  EXPECT_EQ(process.exitCode(), SIGTERM);
}

TEST(LinuxDialupServiceTest, WithoutKernelSupportItIsUnavailableAndWatchesNothing) {
  LinuxDialupService service(false);
  EXPECT_FALSE(service.Available());
  EXPECT_EQ(service.ActiveLinks(), std::vector<DialupLink>{});
  EXPECT_FALSE(service.Statistics(1).has_value());
  EXPECT_THROW(service.WatchEvents(), DialupError);
}

}  // namespace
}  // namespace meterly::platform::netlink
