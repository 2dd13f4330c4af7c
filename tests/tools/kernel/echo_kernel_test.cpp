// Ping and trace runs over the real ICMP service, with each of its two sockets, in the test's own
// network namespaces.

#include "platform/linux/icmp_network.h"
#include "platform/linux/linux_icmp.h"
#include "tools/ping_run.h"
#include "tools/trace_run.h"

#include <QElapsedTimer>

namespace meterly::platform::kerneltest {
namespace {

using Socket = LinuxIcmpService::Socket;

class EchoKernelTest : public IcmpNamespaceTest, public ::testing::WithParamInterface<Socket> {
 protected:
  void SetUp() override {
    IcmpNamespaceTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    ASSERT_EQ(GetParam() == Socket::DatagramOnly ? AdmitAllToPingSockets() : AdmitNobodyToPingSockets(), QString());
    // Created here, so that it looks at the sockets of this namespace.
    icmp.emplace(GetParam());
    ASSERT_TRUE(icmp->Available()) << icmp->UnavailableReason().toStdString();
  }

  void TearDown() override { WriteNetSetting(QStringLiteral("ipv4/icmp_echo_ignore_all"), "0"); }

  // The rows of a whole run of RunPing or RunTrace.
  template <typename Request>
  std::vector<TToolRow> WholeRun(int (*run)(IcmpService&, const Request&, EchoStop&, const RowSink&),
                                 const Request& request) {
    std::vector<TToolRow> rows;
    EchoStop stop;
    EXPECT_EQ(run(*icmp, request, stop, [&](const TToolRow& row) { rows.push_back(row); }), EchoReturnCode::Done);
    return rows;
  }

  // Rows without their round-trip times, which vary.
  static std::vector<TToolRow> WithoutTimes(std::vector<TToolRow> rows, int timeColumn) {
    for (TToolRow& row : rows) {
      if (row.Cells.size() > timeColumn && row.Cells[timeColumn].endsWith(QStringLiteral(" ms"))) {
        row.Cells[timeColumn] = QStringLiteral("ms");
      }
    }
    return rows;
  }

  std::optional<LinuxIcmpService> icmp;
};

TEST_P(EchoKernelTest, ThreeUnansweredAttemptsTakeTheirThreeTimeouts) {
  ASSERT_EQ(WriteNetSetting(QStringLiteral("ipv4/icmp_echo_ignore_all"), "1"), QString());
  QElapsedTimer timer;
  timer.start();
  const std::vector<TToolRow> rows = WholeRun(RunPing, {QStringLiteral("127.0.0.1"), 1000, 3});
  const qint64 elapsed = timer.elapsed();
  ASSERT_EQ(rows.size(), 3u);
  for (const TToolRow& row : rows) EXPECT_EQ(row.Cells[0], QStringLiteral("No reply from host"));
  EXPECT_GE(elapsed, 2900);
  EXPECT_LT(elapsed, 10000);
}

TEST_P(EchoKernelTest, TraceListsEveryHopOfAThreeHopPathAndTheOwnAddressInOne) {
  ASSERT_EQ(BuildThreeHopPath(), QString());
  const std::vector<TToolRow> expected = {
      {"1", {"192.0.2.2", "", "ms"}, RowImage::Reply},
      {"2", {"198.51.100.2", "", "ms"}, RowImage::Reply},
      {"3", {"203.0.113.2", "", "ms"}, RowImage::Reply},
      {"3", {"Trace complete", "", ""}, RowImage::TraceComplete},
  };
  EXPECT_EQ(WithoutTimes(WholeRun(RunTrace, {QStringLiteral("203.0.113.2"), 2000, false}), 2), expected);

  const std::vector<TToolRow> own = {
      {"1", {"192.0.2.1", "", "ms"}, RowImage::Reply},
      {"1", {"Trace complete", "", ""}, RowImage::TraceComplete},
  };
  EXPECT_EQ(WithoutTimes(WholeRun(RunTrace, {QStringLiteral("192.0.2.1"), 2000, false}), 2), own);
}

INSTANTIATE_TEST_SUITE_P(BothSockets, EchoKernelTest, ::testing::Values(Socket::DatagramOnly, Socket::RawOnly),
                         [](const auto& test) { return test.param == Socket::DatagramOnly ? "Datagram" : "Raw"; });

}  // namespace
}  // namespace meterly::platform::kerneltest
