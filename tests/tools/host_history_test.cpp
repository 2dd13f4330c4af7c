#include "tools/host_history.h"

#include <gtest/gtest.h>

namespace meterly {
namespace {

TEST(HostHistoryTest, NewHostsGoOnTopListedOnesKeepTheirPlaceAndTheListStaysAtTen) {
  const QStringList ten = {"h1", "h2", "h3", "h4", "h5", "h6", "h7", "h8", "h9", "h10"};
  EXPECT_EQ(AddToHostHistory(ten, "new"), (QStringList{"new", "h1", "h2", "h3", "h4", "h5", "h6", "h7", "h8", "h9"}));
  EXPECT_EQ(AddToHostHistory(ten, "H5"), ten) << "compared without regard to case";
  EXPECT_EQ(AddToHostHistory({}, "Example.org"), QStringList{"Example.org"});
}

TEST(HostHistoryTest, TheSettingIsACommaListWithoutEmptyEntries) {
  EXPECT_EQ(HostHistoryFromSetting(""), QStringList{});
  EXPECT_EQ(HostHistoryFromSetting("a.example, 127.0.0.1,,b"), (QStringList{"a.example", "127.0.0.1", "b"}));
  EXPECT_EQ(HostHistoryToSetting({"a.example", "127.0.0.1"}), QStringLiteral("a.example,127.0.0.1"));
}

}  // namespace
}  // namespace meterly
