#include "display/tray_host_choice.h"

#include <gtest/gtest.h>

namespace meterly {
namespace {

using platform::TrayHosts;

TEST(TrayHostChoiceTest, AStatusNotifierHostIsPreferredAndOnlyXEmbedPassesADoubleClickOn) {
  struct Case {
    TrayHosts Hosts;
    TrayHostKind Kind;
    bool DoubleClick;
    bool Notifications;
  };
  const Case cases[] = {
      {{false, false}, TrayHostKind::None, false, false},
      {{false, true}, TrayHostKind::XEmbed, true, false},
      {{true, false}, TrayHostKind::StatusNotifier, false, true},
      {{true, true}, TrayHostKind::StatusNotifier, false, true},
  };
  for (const Case& c : cases) {
    TrayHostChoice choice;
    choice.Update(c.Hosts);
    EXPECT_EQ(choice.Kind(), c.Kind);
    EXPECT_EQ(choice.HostPresent(), c.Kind != TrayHostKind::None);
    EXPECT_EQ(choice.DoubleClickOffered(), c.DoubleClick);
    EXPECT_EQ(choice.BalloonsAsNotifications(), c.Notifications);
  }
}

TEST(TrayHostChoiceTest, TheKindFollowsTheDesktopUntilTheIconIsShownThenStays) {
  TrayHostChoice choice;
  choice.Update({false, false});
  choice.Fix();  // nothing to show on: not fixed
  choice.Update({true, false});
  EXPECT_EQ(choice.Kind(), TrayHostKind::StatusNotifier);
  choice.Fix();

  choice.Update({false, true});  // the panel went, an XEmbed tray came
  EXPECT_EQ(choice.Kind(), TrayHostKind::StatusNotifier);
  EXPECT_FALSE(choice.HostPresent()) << "the icon cannot move to another kind of tray";
  choice.Update({true, true});
  EXPECT_TRUE(choice.HostPresent());
}

}  // namespace
}  // namespace meterly
