#include "fakes/fake_icmp.h"
#include "tools/ping_run.h"
#include "tools/trace_run.h"

#include <gtest/gtest.h>

#include <thread>

namespace meterly {
namespace {

using platform::EchoReply;
namespace Status = platform::IcmpStatus;

constexpr quint32 kDestination = 0xC6336402;  // 198.51.100.2

struct RunResult {
  int returnCode = -1;
  std::vector<TToolRow> rows;
};

// A whole run of RunPing or RunTrace.
template <typename Request>
RunResult WholeRun(int (*run)(platform::IcmpService&, const Request&, EchoStop&, const RowSink&),
                   fakes::FakeIcmpService& icmp, const Request& request) {
  RunResult result;
  EchoStop stop;
  result.returnCode = run(icmp, request, stop, [&](const TToolRow& row) { result.rows.push_back(row); });
  return result;
}

TEST(PingRunTest, EachAttemptGivesItsRowAndOnlyStatusZeroCountsAsAReply) {
  fakes::FakeIcmpService icmp;
  icmp.responder = [](const fakes::FakeIcmpService::Request& request) -> std::optional<EchoReply> {
    switch (request.sequence) {
      case 1:
        return EchoReply{Status::Success, kDestination, 12, 57};
      case 2:
        return EchoReply{Status::TtlExpiredTransit, 0xC0000202, 3, 64};  // a forwarding loop
      case 3:
        return std::nullopt;
      case 4:
        return EchoReply{Status::DestinationHostUnreachable, 0xC0000202, 1, 64};
      default:
        return EchoReply{11023, 0xC0000202, 1, 64};  // a code without a text
    }
  };
  const RunResult run = WholeRun(RunPing, icmp, {"198.51.100.2", 1000, 5});
  EXPECT_EQ(run.returnCode, EchoReturnCode::Done);
  const std::vector<TToolRow> expected = {
      {"1", {"198.51.100.2", "12 ms", "64"}, RowImage::Reply},
      {"2", {"Time To Live expired in transit", "", ""}, RowImage::Failure},
      {"3", {"No reply from host", "", ""}, RowImage::Failure},
      {"4", {"Destination host is unreachable", "", ""}, RowImage::Failure},
      {"5", {"Unknown ICMP error code 11023", "", ""}, RowImage::Failure},
  };
  EXPECT_EQ(run.rows, expected);
  const auto requests = icmp.Requests();
  ASSERT_EQ(requests.size(), 5u);
  for (const auto& request : requests) {
    EXPECT_EQ(request.destination, kDestination);
    EXPECT_EQ(request.ttl, 64);
    EXPECT_EQ(request.timeoutMs, 1000);
    EXPECT_EQ(request.data, QByteArray("abcdefghijklmnopqrstuvwabcdefghi"));
  }
}

TEST(PingRunTest, SetUpFailuresEndTheRunWithoutRows) {
  fakes::FakeIcmpService icmp;
  icmp.hosts["meterly.example"] = kDestination;
  RunResult run = WholeRun(RunPing, icmp, {"no-such-host.invalid"});
  EXPECT_EQ(run.returnCode, EchoReturnCode::HostNotResolved);
  EXPECT_TRUE(run.rows.empty());
  EXPECT_EQ(icmp.ChannelsOpened(), 0) << "no channel for a host that does not resolve";

  icmp.openFails = true;
  run = WholeRun(RunPing, icmp, {"meterly.example"});
  EXPECT_EQ(run.returnCode, EchoReturnCode::NoHandle);
  EXPECT_TRUE(run.rows.empty());
}

TEST(PingRunTest, AStopWakesTheWaitAndTheCutShortRequestGivesNoRow) {
  fakes::FakeIcmpService icmp;
  icmp.waitOutTimeouts = true;
  EchoStop stop;
  std::vector<TToolRow> rows;
  std::thread stopper([&] {
    while (icmp.Requests().empty()) std::this_thread::yield();
    stop.Stop();
  });
  const int returnCode =
      RunPing(icmp, {"192.0.2.9", 10000, 100}, stop, [&](const TToolRow& row) { rows.push_back(row); });
  stopper.join();
  EXPECT_EQ(returnCode, EchoReturnCode::Stopped);
  EXPECT_TRUE(rows.empty());
  EXPECT_EQ(icmp.Requests().size(), 1u);
  EXPECT_EQ(icmp.Cancels(), 1);
}

TEST(TraceRunTest, RisingTtlUntilTheDestinationAnswersThenTraceComplete) {
  fakes::FakeIcmpService icmp;
  icmp.names[0xC0000202] = QStringLiteral("gw.example");
  icmp.responder = [](const fakes::FakeIcmpService::Request& request) -> std::optional<EchoReply> {
    switch (request.ttl) {
      case 1:
        return EchoReply{Status::TtlExpiredTransit, 0xC0000202, 1, 64};
      case 2:
        return std::nullopt;
      case 3:
        return EchoReply{Status::DestinationNetUnreachable, 0xCB007101, 2, 63};
      default:
        return EchoReply{Status::Success, kDestination, 7, 61};
    }
  };
  const RunResult run = WholeRun(RunTrace, icmp, {"198.51.100.2"});
  EXPECT_EQ(run.returnCode, EchoReturnCode::Done);
  const std::vector<TToolRow> expected = {
      {"1", {"192.0.2.2", "gw.example", "1 ms"}, RowImage::Reply},
      {"2", {"No reply from host", "", ""}, RowImage::Failure},
      {"3", {"Destination network is unreachable", "", ""}, RowImage::Failure},
      {"4", {"198.51.100.2", "", "7 ms"}, RowImage::Reply},
      {"4", {"Trace complete", "", ""}, RowImage::TraceComplete},
  };
  EXPECT_EQ(run.rows, expected);
  ASSERT_EQ(icmp.Requests().size(), 4u);
  EXPECT_EQ(icmp.Requests()[3].ttl, 4);

  EXPECT_EQ(WholeRun(RunTrace, icmp, {"198.51.100.2", 1000, false}).rows[0].Cells[1], QString())
      << "no lookup with resolving off";
}

TEST(TraceRunTest, ADestinationThatNeverAnswersEndsAfterTheLastHop) {
  fakes::FakeIcmpService icmp;
  const RunResult run = WholeRun(RunTrace, icmp, {"203.0.113.5"});
  EXPECT_EQ(run.returnCode, EchoReturnCode::Done);
  EXPECT_EQ(run.rows.size(), static_cast<size_t>(kMaxHops));
  EXPECT_EQ(icmp.Requests().back().ttl, 255);
}

}  // namespace
}  // namespace meterly
