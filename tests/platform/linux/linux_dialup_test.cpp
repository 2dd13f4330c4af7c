#include "platform/linux/linux_dialup.h"
#include "private_network.h"

#include <chrono>

namespace meterly::platform::kerneltest {
namespace {

// The service as on a kernel with PPP, made in each test so that it watches this test's namespace.
using LinuxDialupServiceTest = PrivateNetworkTest;

TEST_F(LinuxDialupServiceTest, OtherLinksAreNeitherConnectionsNorEvents) {
  LinuxDialupService service(true);
  const auto links = service.ActiveLinks();
  ASSERT_TRUE(links.has_value()) << "the links can be read";
  EXPECT_TRUE(links->empty());
  EXPECT_FALSE(service.Statistics(1).has_value()) << "loopback is no dial-up link";

  auto watch = service.WatchEvents();
  ASSERT_NO_FATAL_FAILURE(CreateLink(QStringLiteral("veth2 type veth peer name veth3")));
  RunIp(QStringLiteral("link set %1 down").arg(spare));
  EXPECT_EQ(watch->Wait(300), DialupEventWatch::WaitResult::TimedOut);
}

TEST_F(LinuxDialupServiceTest, WakeEndsTheWaitAtOnceAndIsKeptUntilTheNextWait) {
  LinuxDialupService service(true);
  auto watch = service.WatchEvents();
  watch->Wake();
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(watch->Wait(60000), DialupEventWatch::WaitResult::Woken);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
  EXPECT_EQ(watch->Wait(10), DialupEventWatch::WaitResult::TimedOut) << "one wake, one woken wait";
}

}  // namespace
}  // namespace meterly::platform::kerneltest
