#include "platform/linux/proc_text.h"

#include <gtest/gtest.h>

namespace meterly::platform {
namespace {

QByteArray Bytes(const char* hex) { return QByteArray::fromHex(hex); }

// IPv4 lines are read by the kernel test of the connections list.
TEST(ParseProcNetLine, ReadsIpv6AddressesStateAndOwner) {
  const auto v6 = ParseProcNetLine(
      "   3: 00000000000000000000000001000000:A5E4 0000000000000000FFFF00000A00A8C0:01BB 01 00000000:00000000 "
      "02:000A7B2D 00000000  1000        0 4456 2 0000000000000000 20 4 30 10 -1",
      SocketProtocol::Tcp);
  ASSERT_TRUE(v6);
  EXPECT_EQ(v6->local, (SocketEndpoint{Bytes("00000000000000000000000000000001"), 0xA5E4}));
  EXPECT_EQ(v6->remote, (SocketEndpoint{Bytes("00000000000000000000ffffc0a8000a"), 443})) << "::ffff:192.168.0.10";
  EXPECT_EQ(v6->state, TcpState::Established);
  EXPECT_EQ(v6->uid, 1000u);
}

TEST(ParseProcNetLine, RefusesHeadingsAndDamagedLines) {
  for (const char* line :
       {"  sl  local_address rem_address   st tx_queue rx_queue tr tm->when retrnsmt   uid  timeout inode", "",
        "   0: 0100007F:0277 00000000:0000 0A 00000000:00000000 00:00000000 00000000     0        0",
        "   0: 0100007:0277 00000000:0000 0A 00000000:00000000 00:00000000 00000000     0        0 1 1",
        "   0: 0100007F:0277 00000000000000000000000000000000:0000 0A 0:0 00:0 0 0 0 1 1",
        "   0: 0100007F:XY77 00000000:0000 0A 00000000:00000000 00:00000000 00000000     0        0 1 1"}) {
    EXPECT_FALSE(ParseProcNetLine(line, SocketProtocol::Tcp)) << line;
  }
}

TEST(ParseStatStartTime, SkipsNamesWithSpacesAndParentheses) {
  EXPECT_EQ(ParseStatStartTime("4242 (a) b (c) S 1 4242 4242 0 -1 4194560 100 0 0 0 5 3 0 0 20 0 1 0 987654 1 2"),
            987654u);
  for (const char* stat : {"4242 (cut off) S 1 4242", ""}) EXPECT_FALSE(ParseStatStartTime(stat)) << stat;
}

TEST(ParseSocketLink, TakesOnlySocketLinks) {
  EXPECT_EQ(ParseSocketLink("socket:[12345]"), 12345u);
  for (const char* link : {"pipe:[12345]", "/dev/null", "socket:[]", "socket:[12a]"}) {
    EXPECT_FALSE(ParseSocketLink(link)) << link;
  }
}

}  // namespace
}  // namespace meterly::platform
