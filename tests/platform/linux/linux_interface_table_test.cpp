#include "platform/linux/linux_interface_table.h"
#include "platform/linux/link_type.h"
#include "platform/linux/netlink_socket.h"
#include "private_network.h"

#include <linux/rtnetlink.h>

#include <iostream>

namespace meterly::platform::kerneltest {
namespace {

const InterfaceRow* FindRow(const std::vector<InterfaceRow>& rows, const QString& name) {
  const auto it = std::find_if(rows.begin(), rows.end(), [&](const InterfaceRow& row) { return row.name == name; });
  return it == rows.end() ? nullptr : &*it;
}

class LinuxInterfaceTableTest : public PrivateNetworkTest {
 protected:
  void SetUp() override {
    PrivateNetworkTest::SetUp();
    // A netlink socket belongs to the namespace it was opened in: open it in ours.
    if (!IsSkipped() && !HasFatalFailure()) table.emplace();
  }

  // Every row of the table; fails the test when it cannot be read.
  std::vector<InterfaceRow> ReadRows() {
    auto rows = table->Rows();
    EXPECT_TRUE(rows) << table->Failure().toStdString();
    return rows ? *rows : std::vector<InterfaceRow>{};
  }

  InterfaceRow ReadRow(const QString& name) {
    const auto rows = ReadRows();
    const InterfaceRow* row = FindRow(rows, name);
    EXPECT_TRUE(row) << name.toStdString() << " missing from the table";
    return row ? *row : InterfaceRow{};
  }

  // Virtual links of every kind this kernel can make here are tunnels (131); loopback is 24.
  void ExpectVirtualLinksAreTunnels() {
    const std::pair<QString, QString> kinds[] = {
        {QStringLiteral("tap0"), QStringLiteral("tuntap add dev tap0 mode tap")},
        {QStringLiteral("br9"), QStringLiteral("link add br9 type bridge")},
        {QStringLiteral("dummy9"), QStringLiteral("link add dummy9 type dummy")},
        {QStringLiteral("macvlan9"), QStringLiteral("link add macvlan9 link veth0 type macvlan")},
    };
    std::vector<QString> checked = {QStringLiteral("veth0"), QStringLiteral("veth1"), spare};
    for (const auto& [name, command] : kinds) {
      const QString failure = RunIp(command);
      if (failure.isEmpty()) {
        Remember(name);
        checked.push_back(name);
      } else {
        std::cerr << "not checked, this kernel cannot make it: " << failure.toStdString() << '\n';
      }
    }

    const auto rows = ReadRows();
    for (const QString& name : checked) {
      const InterfaceRow* row = FindRow(rows, name);
      ASSERT_TRUE(row) << name.toStdString();
      EXPECT_EQ(row->type, IfType::Tunnel) << name.toStdString();
    }
    const InterfaceRow* loopback = FindRow(rows, QStringLiteral("lo"));
    ASSERT_TRUE(loopback);
    EXPECT_EQ(loopback->type, IfType::SoftwareLoopback);
    EXPECT_EQ(loopback->physAddr, QByteArray(6, '\0')) << "every byte of the link-layer address";
  }

  std::optional<LinuxInterfaceTable> table;
};

constexpr int kFrames = 100;
constexpr int kFrameBytes = 1000;
constexpr quint64 kSentBytes = quint64{kFrames} * kFrameBytes;

TEST_F(LinuxInterfaceTableTest, CountersRiseByTheFramesSentThroughVethInTheTableAndByName) {
  ASSERT_TRUE(table->Available()) << table->Failure().toStdString();
  const InterfaceRow sender = ReadRow(QStringLiteral("veth0"));
  const InterfaceRow receiver = ReadRow(QStringLiteral("veth1"));

  const QString failure = SendFrames(QStringLiteral("veth0"), kFrames, kFrameBytes);
  ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();

  InterfaceRow sent, received;
  const bool counted = WaitUntil([&] {
    sent = ReadRow(QStringLiteral("veth0"));
    received = ReadRow(QStringLiteral("veth1"));
    return sent.outOctets - sender.outOctets >= kSentBytes && received.inOctets - receiver.inOctets >= kSentBytes;
  });
  EXPECT_TRUE(counted) << "veth0 sent " << sent.outOctets - sender.outOctets << ", veth1 received "
                       << received.inOctets - receiver.inOctets << " of " << kSentBytes;
  EXPECT_LT(sent.inOctets - sender.inOctets, kSentBytes) << "the sender's counters are the wrong way round";
  EXPECT_LT(received.outOctets - receiver.outOctets, kSentBytes) << "the receiver's counters are the wrong way round";

  const auto single = table->RowByName(QStringLiteral("veth0"));
  const InterfaceRow after = ReadRow(QStringLiteral("veth0"));
  ASSERT_TRUE(single);
  EXPECT_EQ(single->index, sent.index);
  EXPECT_GE(single->outOctets, sent.outOctets);
  EXPECT_LE(single->outOctets, after.outOctets);
  EXPECT_GE(single->inOctets, sent.inOctets);
  EXPECT_LE(single->inOctets, after.inOctets);
}

TEST_F(LinuxInterfaceTableTest, VirtualLinksAreTunnelsWhereSysfsShowsAnotherNamespace) {
  // This process's /sys still shows the namespace it was mounted in: only the kernel's link
  // kind can tell the virtual links apart here.
  if (sysfsLinkFacts("veth0").listed) GTEST_SKIP() << "this sysfs lists a veth0 of another namespace";
  ExpectVirtualLinksAreTunnels();
}

TEST_F(LinuxInterfaceTableTest, VirtualLinksAreTunnelsWhereSysfsShowsThisNamespace) {
  const QString failure = MountOwnSysfs();
  if (!failure.isEmpty()) GTEST_SKIP() << failure.toStdString();
  const SysfsLinkFacts veth = sysfsLinkFacts("veth0");
  ASSERT_TRUE(veth.listed) << "the sysfs mounted here should show this namespace's links";
  EXPECT_FALSE(veth.hasDevice);
  ExpectVirtualLinksAreTunnels();
}

TEST_F(LinuxInterfaceTableTest, RowByNameFindsNoOtherName) {
  const QString oddNames[] = {QString(),
                              QStringLiteral("nosuchlink0"),
                              QStringLiteral("../x"),
                              QString(40, QLatin1Char('a')),
                              QStringLiteral("veth 0"),
                              QStringLiteral("B\u00fcro"),
                              QStringLiteral("veth0\n"),
                              QStringLiteral(".."),
                              QStringLiteral("veth0:1")};
  for (const QString& name : oddNames) EXPECT_FALSE(table->RowByName(name)) << name.toStdString();

  const auto again = table->RowByName(QStringLiteral("veth1"));
  ASSERT_TRUE(again) << "a refused request must leave the socket usable";
  EXPECT_EQ(again->index, IndexOf(QStringLiteral("veth1")));
}

TEST_F(LinuxInterfaceTableTest, DescriptionIsTheAliasInUtf8AndHardwareAddressIsTheLinks) {
  const QString alias = QStringLiteral("B\u00fcro link");
  Ip({QStringLiteral("link"), QStringLiteral("set"), spare, QStringLiteral("alias"), alias});
  Ip(QStringLiteral("link set veth0 address 02:12:34:56:78:9a"));

  EXPECT_EQ(ReadRow(spare).description, alias);
  EXPECT_EQ(table->RowByName(spare)->description, alias);
  const InterfaceRow veth = ReadRow(QStringLiteral("veth0"));
  EXPECT_EQ(veth.description, QStringLiteral("veth0"));
  EXPECT_EQ(veth.physAddr, QByteArray::fromHex("02123456789a"));

  Ip({QStringLiteral("link"), QStringLiteral("set"), spare, QStringLiteral("alias"), QString()});
  EXPECT_EQ(ReadRow(spare).description, spare);
}

TEST_F(LinuxInterfaceTableTest, HundredsOfLinksArriveCompleteOrderedAndWithTheirKernelIndex) {
  constexpr int kPairs = 100;
  QStringList batch;
  for (int i = 0; i < kPairs; ++i) {
    batch << QStringLiteral("link add many%1a type veth peer name many%1b").arg(i);
    Remember(QStringLiteral("many%1a").arg(i));
  }
  Ip({QStringLiteral("-batch"), QStringLiteral("-")}, batch);

  const auto rows = ReadRows();
  for (int i = 0; i < kPairs; ++i) {
    for (const QString& name : {QStringLiteral("many%1a").arg(i), QStringLiteral("many%1b").arg(i)}) {
      EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [&](const InterfaceRow& row) { return row.name == name; }), 1)
          << name.toStdString();
    }
  }
  for (std::size_t i = 1; i < rows.size(); ++i) EXPECT_LT(rows[i - 1].index, rows[i].index);
  for (const InterfaceRow& row : rows) EXPECT_EQ(row.index, IndexOf(row.name)) << row.name.toStdString();
}

// The size of the kernel's answer about one link, read straight from the socket.
std::size_t LinkMessageSize(const QString& name) {
  netlink::Socket socket = netlink::Socket::Open({});
  ifinfomsg header{};
  std::size_t size = 0;
  socket.request(netlink::MessageBuilder(RTM_GETLINK, NLM_F_REQUEST)
                     .AppendStruct(header)
                     .AppendTextAttribute(IFLA_IFNAME, name.toUtf8())
                     .bytes(),
                 [&](const netlink::Message& message) { size = message.payload.size(); });
  return size;
}

TEST_F(LinuxInterfaceTableTest, LinkWhoseMessageOutgrowsTheReceiveBufferIsRead) {
  // Alternative names make the link's message larger than the 32 KiB a dump part normally holds.
  QStringList batch;
  for (int i = 0; i < 400; ++i) {
    batch << QStringLiteral("link property add dev veth0 altname %1")
                 .arg(QStringLiteral("alt%1-").arg(i).leftJustified(120, QLatin1Char('x')));
  }
  batch << QStringLiteral("link property add dev veth0 altname shortalt");
  Ip({QStringLiteral("-batch"), QStringLiteral("-")}, batch);
  ASSERT_GT(LinkMessageSize(QStringLiteral("veth0")), 40'000u);

  const QString failure = SendFrames(QStringLiteral("veth0"), kFrames, kFrameBytes);
  ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
  const InterfaceRow fromDump = ReadRow(QStringLiteral("veth0"));
  EXPECT_EQ(fromDump.index, IndexOf(QStringLiteral("veth0")));
  EXPECT_GE(fromDump.outOctets, kSentBytes);
  EXPECT_TRUE(FindRow(ReadRows(), QStringLiteral("veth1")));

  const auto single = table->RowByName(QStringLiteral("veth0"));
  ASSERT_TRUE(single);
  EXPECT_GE(single->outOctets, kSentBytes);
  EXPECT_FALSE(table->RowByName(QStringLiteral("shortalt"))) << "an alternative name is not the link's name";
}

}  // namespace
}  // namespace meterly::platform::kerneltest
