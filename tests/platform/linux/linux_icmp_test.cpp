#include "platform/linux/linux_icmp.h"
#include "icmp_network.h"
#include "platform/linux/linux_icmp_packet.h"

#include <QElapsedTimer>

#include <linux/capability.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/syscall.h>

#include <thread>

namespace meterly::platform::kerneltest {
namespace {

constexpr quint32 kLoopback = 0x7F000001;
const QByteArray kData = QByteArrayLiteral("abcdefghijklmnopqrstuvwabcdefghi");

using Socket = LinuxIcmpService::Socket;

// Every test runs over each of the two sockets.
class LinuxIcmpTest : public IcmpNamespaceTest, public ::testing::WithParamInterface<Socket> {
 protected:
  void SetUp() override {
    IcmpNamespaceTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    ASSERT_EQ(GetParam() == Socket::DatagramOnly ? AdmitAllToPingSockets() : AdmitNobodyToPingSockets(), QString());
    service = std::make_unique<LinuxIcmpService>(GetParam());
    ASSERT_TRUE(service->Available()) << service->UnavailableReason().toStdString();
    ASSERT_EQ(service->UsesDatagramSocket(), GetParam() == Socket::DatagramOnly);
    handle = service->Open();
    ASSERT_TRUE(handle);
  }

  void TearDown() override { WriteNetSetting(QStringLiteral("ipv4/icmp_echo_ignore_all"), "0"); }

  std::unique_ptr<LinuxIcmpService> service;
  std::unique_ptr<IcmpHandle> handle;
};

TEST_P(LinuxIcmpTest, LoopbackAnswersWithTtl64AndAnAddressWithoutRouteIsNetworkUnreachable) {
  const auto reply = handle->SendEcho(kLoopback, 64, 1000, kData);
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->status, IcmpStatus::Success);
  EXPECT_EQ(reply->address, kLoopback);
  EXPECT_EQ(reply->ttl, 64);
  EXPECT_LT(reply->roundTripMs, 1000u);

  const auto unreachable = handle->SendEcho(0xC0000263, 64, 1000, kData);  // 192.0.2.99, no route here
  ASSERT_TRUE(unreachable);
  EXPECT_EQ(unreachable->status, IcmpStatus::DestinationNetUnreachable);
}

// Our own echo replies from a raw socket, while the kernel answers no echo request here.
class ReplyForger {
 public:
  ReplyForger() : fd_(::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP)) {}
  ~ReplyForger() { ::close(fd_); }

  // The identifier and sequence of the next echo request seen on loopback.
  std::optional<std::pair<quint16, quint16>> NextRequest() {
    char buffer[2048];
    for (int tries = 0; tries < 100; ++tries) {
      pollfd watched{fd_, POLLIN, 0};
      if (::poll(&watched, 1, 3000) <= 0) return std::nullopt;
      const ssize_t length = ::recv(fd_, buffer, sizeof buffer, 0);
      if (length < 28) continue;
      const QByteArray icmp(buffer + 20, static_cast<qsizetype>(length - 20));
      const auto sequence = EchoSequence(icmp, 8);
      if (!sequence) continue;
      const quint16 identifier =
          static_cast<quint16>((static_cast<quint8>(icmp[4]) << 8) | static_cast<quint8>(icmp[5]));
      return std::make_pair(identifier, *sequence);
    }
    return std::nullopt;
  }

  void Reply(quint16 identifier, quint16 sequence) {
    QByteArray message = BuildEchoRequest(identifier, sequence, kData);
    message[0] = 0;
    message[2] = message[3] = 0;
    const quint16 checksum = InternetChecksum(message);
    message[2] = static_cast<char>(checksum >> 8);
    message[3] = static_cast<char>(checksum & 0xFF);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(kLoopback);
    ::sendto(fd_, message.constData(), static_cast<size_t>(message.size()), 0, reinterpret_cast<sockaddr*>(&to),
             sizeof to);
  }

 private:
  int fd_;
};

TEST_P(LinuxIcmpTest, ALateReplyIsNeverTakenForTheAnswerToTheNextRequest) {
  ASSERT_EQ(WriteNetSetting(QStringLiteral("ipv4/icmp_echo_ignore_all"), "1"), QString());
  ReplyForger forger;
  std::optional<std::pair<quint16, quint16>> first;
  std::thread watcher([&] { first = forger.NextRequest(); });
  EXPECT_FALSE(handle->SendEcho(kLoopback, 64, 200, kData)) << "nobody answers here";
  watcher.join();
  ASSERT_TRUE(first);

  // The answer to the first request arrives while the second one waits.
  std::thread lateAnswer([&] {
    if (forger.NextRequest()) forger.Reply(first->first, first->second);
  });
  EXPECT_FALSE(handle->SendEcho(kLoopback, 64, 500, kData));
  lateAnswer.join();

  // The forged answer itself is good: given to the request it belongs to, it is taken.
  std::thread rightAnswer([&] {
    if (const auto third = forger.NextRequest()) forger.Reply(third->first, third->second);
  });
  const auto reply = handle->SendEcho(kLoopback, 64, 2000, kData);
  rightAnswer.join();
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->status, IcmpStatus::Success);
}

TEST_P(LinuxIcmpTest, CancelEndsTheWaitAtOnce) {
  ASSERT_EQ(WriteNetSetting(QStringLiteral("ipv4/icmp_echo_ignore_all"), "1"), QString());
  QElapsedTimer timer;
  timer.start();
  std::thread canceller([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    handle->Cancel();
  });
  EXPECT_FALSE(handle->SendEcho(kLoopback, 64, 10000, kData));
  canceller.join();
  EXPECT_LT(timer.elapsed(), 5000) << "the 10 s wait was not woken";
  EXPECT_FALSE(handle->SendEcho(kLoopback, 64, 10000, kData)) << "a cancelled channel sends nothing more";
}

INSTANTIATE_TEST_SUITE_P(BothSockets, LinuxIcmpTest, ::testing::Values(Socket::DatagramOnly, Socket::RawOnly),
                         [](const auto& test) { return test.param == Socket::DatagramOnly ? "Datagram" : "Raw"; });

// The capability sets of this process, for taking CAP_NET_RAW away for a while.
class EffectiveCapabilities {
 public:
  EffectiveCapabilities() { ::syscall(SYS_capget, &header_, saved_); }
  ~EffectiveCapabilities() { ::syscall(SYS_capset, &header_, saved_); }

  bool Drop(int capability) {
    __user_cap_data_struct changed[2] = {saved_[0], saved_[1]};
    changed[capability / 32].effective &= ~(1u << (capability % 32));
    return ::syscall(SYS_capset, &header_, changed) == 0;
  }

 private:
  __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct saved_[2]{};
};

TEST_F(IcmpNamespaceTest, TheDatagramSocketFollowsPingGroupRangeAndTheRawOneNeedsCapNetRaw) {
  ASSERT_EQ(AdmitNobodyToPingSockets(), QString());
  const LinuxIcmpService refused(Socket::DatagramOnly);
  EXPECT_FALSE(refused.Available());
  EXPECT_TRUE(refused.UnavailableReason().contains(QStringLiteral("ping_group_range")));

  {
    EffectiveCapabilities capabilities;
    ASSERT_TRUE(capabilities.Drop(CAP_NET_RAW));
    LinuxIcmpService neither;
    EXPECT_FALSE(neither.Available());
    EXPECT_TRUE(neither.UnavailableReason().contains(QStringLiteral("CAP_NET_RAW")));
    EXPECT_FALSE(neither.Open()) << "no channel without a socket";

    ASSERT_EQ(AdmitAllToPingSockets(), QString());
    const LinuxIcmpService unprivileged;
    EXPECT_TRUE(unprivileged.Available()) << unprivileged.UnavailableReason().toStdString();
    EXPECT_TRUE(unprivileged.UsesDatagramSocket());
  }
  ASSERT_EQ(AdmitNobodyToPingSockets(), QString());
  const LinuxIcmpService root;
  EXPECT_TRUE(root.Available());
  EXPECT_FALSE(root.UsesDatagramSocket()) << "root falls back to the raw socket";
}

TEST_F(IcmpNamespaceTest, HostNamesResolveToIpv4) {
  LinuxIcmpService service;
  EXPECT_EQ(service.ResolveHost(QStringLiteral("127.0.0.1")), kLoopback);
  EXPECT_EQ(service.ResolveHost(QStringLiteral(" 192.0.2.7 ")), 0xC0000207u);
  EXPECT_EQ(service.ResolveHost(QStringLiteral("localhost")), kLoopback);
  EXPECT_EQ(service.ResolveHost(QStringLiteral("no-such-host.invalid")), std::nullopt);
  EXPECT_EQ(service.ResolveHost(QString()), std::nullopt);
}

}  // namespace
}  // namespace meterly::platform::kerneltest
