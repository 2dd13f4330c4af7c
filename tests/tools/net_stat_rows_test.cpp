#include "tools/net_stat_rows.h"
#include "fakes/fake_net_stat.h"
#include "tools/net_stat_sort.h"
#include "tools/net_stat_texts.h"

#include <gtest/gtest.h>

namespace meterly {
namespace {

using fakes::Ipv4;
using fakes::Ipv6;
using fakes::TcpRow;
using fakes::UdpRow;
namespace TcpState = platform::TcpState;

// Names known at once, as a finished lookup gives them.
class KnownNames : public TNetStatNames {
 public:
  QString LocalHostName() override { return QStringLiteral("desk"); }
  QString ServiceName(quint16 port, platform::SocketProtocol) override { return port == 80 ? "http" : QString(); }
  QString RemoteHostName(const QByteArray& address) override {
    asked.push_back(address);
    return address == Ipv4(93, 184, 216, 34) ? QStringLiteral("example.org") : QString();
  }
  std::vector<QByteArray> asked;
};

class NetStatRowsTest : public ::testing::Test {
 protected:
  std::vector<TNetStatRow> Build(TNetStatOptions options = {}) {
    return BuildNetStatRows(sockets, processes, options, names);
  }

  static QStringList Texts(const TNetStatRow& row) { return QStringList{row.Caption} + row.Cells(); }

  std::vector<platform::SocketRow> sockets;
  fakes::FakeProcessService processes;
  KnownNames names;
};

// The names between are the table's; the rows test shows two of them.
TEST(TcpStateName, NamesTheKernelsStatesToTheLastAndShowsOthersAsNumbers) {
  EXPECT_EQ(TcpStateName(13), QStringLiteral("BOUND_INACTIVE"));
  for (const int state : {0, 14, -3}) EXPECT_EQ(TcpStateName(state), QString::number(state));
}

TEST_F(NetStatRowsTest, RowsShowProgramProtocolAddressesAndState) {
  processes.Add(700, 11, QStringLiteral("sshd"));
  sockets = {TcpRow(Ipv4(0, 0, 0, 0), 22, Ipv4(0, 0, 0, 0), 0, TcpState::Listen, 700),
             TcpRow(Ipv4(10, 0, 0, 2), 22, Ipv4(10, 0, 0, 9), 51000, TcpState::Established, 700),
             TcpRow(Ipv6("::"), 22, Ipv6("::"), 0, TcpState::Listen, 700),
             TcpRow(Ipv6("::ffff:10.0.0.2"), 22, Ipv6("2001:db8::9"), 51001, 77, 0),
             UdpRow(Ipv4(127, 0, 0, 1), 53, 0),
             UdpRow(Ipv6("::1"), 53, 0)};
  const std::vector<TNetStatRow> rows = Build();
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(Texts(rows[0]), QStringList({"sshd", "TCP", "0.0.0.0: 22", "0.0.0.0: 0", "LISTENING"}));
  EXPECT_EQ(Texts(rows[1]), QStringList({"sshd", "TCP", "10.0.0.2: 22", "10.0.0.9: 51000", "ESTABLISHED"}));
  EXPECT_EQ(Texts(rows[2]), QStringList({"sshd", "TCP", "[::]: 22", "[::]: 0", "LISTENING"}));
  EXPECT_EQ(Texts(rows[3]), QStringList({"System", "TCP", "[::ffff:10.0.0.2]: 22", "[2001:db8::9]: 51001", "77"}));
  EXPECT_EQ(Texts(rows[4]), QStringList({"System", "UDP", "127.0.0.1: 53", "*.*.*.*: *", ""}));
  EXPECT_EQ(Texts(rows[5]), QStringList({"System", "UDP", "[::1]: 53", "*.*.*.*: *", ""}));
  EXPECT_EQ(rows[0].Process, (platform::ProcessIdentity{700, 11}));
  EXPECT_EQ(processes.infoCalls, 1) << "one look at a process, however many sockets it holds";
}

TEST_F(NetStatRowsTest, OnlyEstablishedKeepsEstablishedTcpAlone) {
  sockets = {TcpRow(Ipv4(0, 0, 0, 0), 80, Ipv4(0, 0, 0, 0), 0, TcpState::Listen),
             TcpRow(Ipv4(10, 0, 0, 2), 80, Ipv4(10, 0, 0, 9), 51000, TcpState::Established),
             TcpRow(Ipv4(10, 0, 0, 2), 80, Ipv4(10, 0, 0, 9), 51001, TcpState::TimeWait),
             TcpRow(Ipv6("::1"), 80, Ipv6("::1"), 51002, TcpState::Established), UdpRow(Ipv4(0, 0, 0, 0), 53)};
  const std::vector<TNetStatRow> rows = Build({.OnlyEstablished = true});
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].RemoteAddress, QStringLiteral("10.0.0.9: 51000"));
  EXPECT_EQ(rows[1].RemoteAddress, QStringLiteral("[::1]: 51002"));
  EXPECT_EQ(Build().size(), 5u);
}

TEST_F(NetStatRowsTest, OnlyProcessesThisUserMayEndAreTerminable) {
  processes.Add(1, 1, QStringLiteral("systemd"));
  processes.Add(500, 2, QStringLiteral("mine"));
  processes.Add(600, 3, QStringLiteral("theirs"), false);
  sockets = {UdpRow(Ipv4(0, 0, 0, 1), 1, 1), UdpRow(Ipv4(0, 0, 0, 1), 2, 500), UdpRow(Ipv4(0, 0, 0, 1), 3, 600),
             UdpRow(Ipv4(0, 0, 0, 1), 4, 0), UdpRow(Ipv4(0, 0, 0, 1), 5, 900)};
  const std::vector<TNetStatRow> rows = Build();
  const std::vector<bool> terminable = {rows[0].Terminable, rows[1].Terminable, rows[2].Terminable, rows[3].Terminable,
                                        rows[4].Terminable};
  EXPECT_EQ(terminable, std::vector<bool>({false, true, false, false, false}));
  EXPECT_EQ(rows[4].Caption, QStringLiteral("System")) << "a process gone since the table was read";
}

TEST_F(NetStatRowsTest, ResolvingNamesHostsPortsAndLoopback) {
  sockets = {TcpRow(Ipv4(10, 0, 0, 2), 51000, Ipv4(93, 184, 216, 34), 80, TcpState::Established),
             TcpRow(Ipv4(0, 0, 0, 0), 80, Ipv4(0, 0, 0, 0), 0, TcpState::Listen),
             TcpRow(Ipv4(127, 0, 0, 1), 51001, Ipv4(127, 0, 0, 1), 631, TcpState::Established),
             TcpRow(Ipv6("::1"), 51002, Ipv6("::1"), 631, TcpState::Established),
             TcpRow(Ipv4(10, 0, 0, 2), 51003, Ipv4(10, 0, 0, 7), 22, TcpState::Established)};
  const std::vector<TNetStatRow> rows = Build({.ResolveAddresses = true});
  const std::vector<std::pair<QString, QString>> expected = {{"desk: 51000", "example.org: http"},
                                                             {"desk: http", "0.0.0.0: 0"},
                                                             {"desk: 51001", "localhost: 631"},
                                                             {"desk: 51002", "localhost: 631"},
                                                             {"desk: 51003", "10.0.0.7: 22"}};
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(std::make_pair(rows[i].LocalAddress, rows[i].RemoteAddress), expected[i]) << i;
  }
  EXPECT_EQ(names.asked, std::vector<QByteArray>({Ipv4(93, 184, 216, 34), Ipv4(10, 0, 0, 7)}))
      << "no lookups for the unspecified or the loopback address";
}

class NetStatSortTest : public NetStatRowsTest {
 protected:
  QStringList SortedColumn(TNetStatSort sort, bool local) {
    std::vector<TNetStatRow> rows = Build();
    SortNetStatRows(rows, sort, false);
    QStringList texts;
    for (const TNetStatRow& row : rows) texts << (local ? row.LocalAddress : row.RemoteAddress);
    return texts;
  }
};

TEST_F(NetStatSortTest, AddressesSortByTheirNumbersWithIpv6AfterIpv4) {
  sockets = {TcpRow(Ipv6("::1"), 80, Ipv4(0, 0, 0, 0), 0, TcpState::Listen),
             TcpRow(Ipv4(192, 168, 0, 1), 443, Ipv4(0, 0, 0, 0), 0, TcpState::Listen),
             TcpRow(Ipv6("2001:db8::1"), 22, Ipv4(0, 0, 0, 0), 0, TcpState::Listen),
             TcpRow(Ipv4(10, 0, 0, 2), 443, Ipv4(0, 0, 0, 0), 0, TcpState::Listen),
             TcpRow(Ipv4(192, 168, 0, 1), 80, Ipv4(0, 0, 0, 0), 0, TcpState::Listen),
             TcpRow(Ipv4(9, 0, 0, 1), 8080, Ipv4(0, 0, 0, 0), 0, TcpState::Listen)};
  const QStringList ascending = {"9.0.0.1: 8080",    "10.0.0.2: 443", "192.168.0.1: 80",
                                 "192.168.0.1: 443", "[::1]: 80",     "[2001:db8::1]: 22"};
  EXPECT_EQ(SortedColumn({2, true}, true), ascending);
  QStringList descending(ascending.rbegin(), ascending.rend());
  EXPECT_EQ(SortedColumn({2, false}, true), descending);
}

TEST_F(NetStatSortTest, TextColumnsSortIgnoringCaseAndKeepTiesInOrder) {
  processes.Add(10, 1, QStringLiteral("zebra"));
  processes.Add(11, 1, QStringLiteral("Apache"));
  processes.Add(12, 1, QStringLiteral("bind"));
  sockets = {UdpRow(Ipv4(0, 0, 0, 0), 1, 10), UdpRow(Ipv4(0, 0, 0, 0), 2, 11), UdpRow(Ipv4(0, 0, 0, 0), 3, 12),
             UdpRow(Ipv4(0, 0, 0, 0), 4, 11)};
  std::vector<TNetStatRow> rows = Build();
  SortNetStatRows(rows, {0, true}, false);
  QStringList order;
  for (const TNetStatRow& row : rows) order << row.Caption + QLatin1Char('/') + QString::number(row.Socket.local.port);
  EXPECT_EQ(order, QStringList({"Apache/2", "Apache/4", "bind/3", "zebra/1"}));
}

}  // namespace
}  // namespace meterly
