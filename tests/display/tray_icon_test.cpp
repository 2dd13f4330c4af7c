#include "display/tray_icon.h"

#include "core/settings.h"
#include "display/tray_host_choice.h"
#include "fakes/fake_platform.h"
#include "store/qt_printing.h"
#include "support/tray_test_actions.h"

#include <QPixmap>

#include <gtest/gtest.h>

#include <memory>

namespace meterly {
namespace {

const QString Product = QStringLiteral("Meterly");

QIcon PlainIcon(const QColor& colour) {
  QPixmap pixmap(16, 16);
  pixmap.fill(colour);
  return QIcon(pixmap);
}

QImage ImageOf(const QIcon& icon) { return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_RGB32); }

class TrayIconTest : public ::testing::Test {
 protected:
  TTrayIcon& Tray() {
    tray = std::make_unique<TTrayIcon>(
        shell, settings, owned.actions, appIcon,
        [this] {
          ++textsBuilt;
          return text;
        },
        [] { return TrayMenuConditions{}; });
    return *tray;
  }

  QString Tooltip() const { return tray->ToolTip(); }

  testing_support::OwnedTrayActions owned;
  fakes::FakeShellTrayState shell;
  Settings settings;
  QIcon appIcon = PlainIcon(Qt::red);
  TrayTextResult text{QStringLiteral("Transfer Rate"), QStringLiteral("DL: 1\r\nUL: 2")};
  int textsBuilt = 0;
  std::unique_ptr<TTrayIcon> tray;
};

TEST_F(TrayIconTest, TheGraphToggleModeLeavesTheTooltipAsItWasWithoutBuildingAText) {
  TTrayIcon& icon = Tray();
  icon.RefreshTooltip();
  settings.TrayIconMode = 3;
  text.Text = QStringLiteral("changed");
  const int builtBefore = textsBuilt;
  icon.RefreshTooltip();
  EXPECT_EQ(Tooltip(), QStringLiteral("Transfer Rate\nDL: 1\nUL: 2"));
  EXPECT_EQ(textsBuilt, builtBefore);

  // A change of the desktop's hiding still sets the product name, and it stays.
  shell.hidesInactiveIcons = true;
  icon.RefreshTooltip();
  shell.hidesInactiveIcons = false;
  icon.RefreshTooltip();
  EXPECT_EQ(Tooltip(), Product);
}

TEST_F(TrayIconTest, TheTooltipIsTheProductNameUntilTheFirstRefreshAndWhileTheDesktopHidesInactiveIcons) {
  TTrayIcon& icon = Tray();
  EXPECT_EQ(Tooltip(), Product);
  icon.RefreshTooltip();
  shell.hidesInactiveIcons = true;
  icon.RefreshTooltip();
  EXPECT_EQ(Tooltip(), Product);
  EXPECT_TRUE(icon.HidesInactiveIcons());

  // A desktop that cannot tell changes nothing: still hidden.
  shell.hidesInactiveIcons = std::nullopt;
  icon.RefreshTooltip();
  EXPECT_EQ(Tooltip(), Product);

  // Switched off while running: refreshed again from this tick on, even with the text unchanged.
  shell.hidesInactiveIcons = false;
  icon.RefreshTooltip();
  EXPECT_FALSE(icon.HidesInactiveIcons());
  EXPECT_EQ(Tooltip(), QStringLiteral("Transfer Rate\nDL: 1\nUL: 2"));
  EXPECT_EQ(shell.questions, 4) << "asked once per tick";
}

TEST(TrayTooltipTest, ALongTooltipIsCutAtTheLimitButNeverInsideACharacter) {
  const QString title = QStringLiteral("Daily Traffic");
  const TrayTextResult fits{title, QString(TrayTooltipLimit - title.size() - 1, u'x')};
  EXPECT_EQ(TrayTooltip(fits).size(), TrayTooltipLimit);
  const TrayTextResult tooLong{title, QString(500, u'x')};
  EXPECT_EQ(TrayTooltip(tooLong), (title + u'\n' + QString(500, u'x')).left(TrayTooltipLimit));

  // U+1F4F6 takes two UTF-16 units; the limit falls between them.
  const QString antenna = QString::fromUcs4(U"\U0001F4F6");
  const TrayTextResult surrogates{title, QString(TrayTooltipLimit - title.size() - 2, u'x') + antenna};
  const QString cut = TrayTooltip(surrogates);
  EXPECT_EQ(cut.size(), TrayTooltipLimit - 1);
  EXPECT_FALSE(cut.back().isHighSurrogate());
}

TEST_F(TrayIconTest, AClickShowsTheTrayTextInTheBalloonOrTogglesTheGraphWindow) {
  TTrayIcon& icon = Tray();
  int toggles = 0;
  QObject::connect(owned.actions.ActionToggleGraph, &QAction::triggered, [&toggles] { ++toggles; });

  Q_EMIT icon.TrayIcon().activated(QSystemTrayIcon::Trigger);
  EXPECT_EQ(icon.BalloonTitle(), QStringLiteral("Transfer Rate"));
  EXPECT_EQ(icon.BalloonHint(), QStringLiteral("DL: 1\r\nUL: 2"));
  EXPECT_EQ(toggles, 0);

  settings.TrayIconMode = 3;
  text.Title = QStringLiteral("not shown");
  Q_EMIT icon.TrayIcon().activated(QSystemTrayIcon::Trigger);
  EXPECT_EQ(toggles, 1);
  EXPECT_EQ(icon.BalloonTitle(), QStringLiteral("Transfer Rate"));

  settings.TrayIconMode = 17;  // read as the transfer rate
  Q_EMIT icon.TrayIcon().activated(QSystemTrayIcon::Trigger);
  EXPECT_EQ(toggles, 1);
  EXPECT_EQ(icon.BalloonTitle(), QStringLiteral("not shown"));
}

TEST_F(TrayIconTest, TheGraphReplacesTheApplicationIconOnlyWhileItIsToBeDrawn) {
  settings.ShowInTray = true;
  settings.ColorBack = 0x00FF00;  // green, unlike the red application icon
  settings.EnableGradient = false;
  TTrayIcon& icon = Tray();
  EXPECT_EQ(ImageOf(icon.TrayIcon().icon()), ImageOf(appIcon));

  icon.IconGraphStep(1000, 1000);
  const QImage graph = ImageOf(icon.TrayIcon().icon());
  EXPECT_EQ(graph.pixel(8, 8), qRgb(0, 255, 0));

  settings.LineType = 2;
  icon.ApplySettings();
  EXPECT_EQ(ImageOf(icon.TrayIcon().icon()), ImageOf(appIcon));

  settings.LineType = 0;
  icon.ApplySettings();
  icon.IconGraphStep(0, 0);
  settings.ShowInTray = false;
  icon.ApplySettings();
  EXPECT_EQ(ImageOf(icon.TrayIcon().icon()), ImageOf(appIcon));
}

TEST_F(TrayIconTest, TheIconIsMadeOnlyOnceATrayExistsAndTakesTheTooltipAndImageKeptTillThen) {
  settings.ShowInTray = true;
  TTrayIcon& icon = Tray();
  icon.SetToolTip(QStringLiteral("kept"));
  icon.IconGraphStep(10, 10);
  EXPECT_FALSE(icon.TryShow());
  EXPECT_FALSE(icon.IsShown());
  EXPECT_FALSE(icon.TrayIconMade()) << "made without a tray, it would never reach a panel that comes later";

  shell.hosts.StatusNotifierHost = true;
  EXPECT_TRUE(icon.TryShow());
  ASSERT_TRUE(icon.TrayIconMade());
  EXPECT_TRUE(icon.IsShown());
  EXPECT_EQ(icon.TrayIcon().contextMenu(), &icon.TrayMenu());
  EXPECT_EQ(icon.TrayIcon().toolTip(), QStringLiteral("kept"));
  EXPECT_EQ(ImageOf(icon.TrayIcon().icon()), ImageOf(icon.Icon()));
  EXPECT_NE(ImageOf(icon.Icon()), ImageOf(appIcon));

  shell.hosts.StatusNotifierHost = false;  // the panel restarts
  EXPECT_FALSE(icon.IsShown());
}

TEST_F(TrayIconTest, TheTrayHostDecidesTheMenuDefaultAndWhetherClicksNotifyInPlaceOfBalloons) {
  shell.hosts.XEmbedTray = true;
  ASSERT_TRUE(Tray().TryShow());
  EXPECT_EQ(tray->TrayMenu().defaultAction(), tray->TrayMenu().Item(QStringLiteral("pmiGraph")));
  Q_EMIT tray->TrayIcon().activated(QSystemTrayIcon::Trigger);
  EXPECT_TRUE(shell.notifications.empty());

  shell.hosts.StatusNotifierHost = true;  // preferred; a new icon is made for it
  ASSERT_TRUE(Tray().TryShow());
  EXPECT_EQ(tray->TrayMenu().defaultAction(), tray->TrayMenu().Item(QStringLiteral("pmiTotals")));
  Q_EMIT tray->TrayIcon().activated(QSystemTrayIcon::Trigger);
  ASSERT_EQ(shell.notifications.size(), 1u);
  EXPECT_EQ(shell.notifications.back(),
            std::make_pair(QStringLiteral("Transfer Rate"), QStringLiteral("DL: 1\nUL: 2")));
}

TEST(TrayHostChoiceTest, AStatusNotifierHostIsPreferredAndOnlyXEmbedPassesADoubleClickOn) {
  struct Case {
    platform::TrayHosts Hosts;
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
