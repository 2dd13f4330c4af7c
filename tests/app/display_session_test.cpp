#include "app/display_session.h"
#include "app/session_notice.h"
#include "core/settings.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace meterly {
namespace {

TEST(DisplaySessionTest, OnWaylandWithXWaylandTheProgramAsksForX11UnlessTheUserChose) {
  struct Case {
    SessionEnvironment Environment;
    QByteArray Expected;
  };
  const QString wayland = QStringLiteral("wayland-0");
  const QString x11 = QStringLiteral(":0");
  const Case cases[] = {
      {{QString(), wayland, x11}, "xcb"},
      {{QString(), wayland, QString()}, ""},            // no XWayland: Wayland it is
      {{QString(), QString(), x11}, ""},                // plain X11 needs nothing
      {{QStringLiteral("wayland"), wayland, x11}, ""},  // the user's choice stands
      {{QStringLiteral("offscreen"), QString(), QString()}, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseQpaPlatform(c.Environment), c.Expected)
        << c.Environment.QtQpaPlatform.toStdString() << "|" << c.Environment.WaylandDisplay.toStdString() << "|"
        << c.Environment.Display.toStdString();
  }
}

TEST(DisplaySessionTest, OnlyNativeWaylandLacksFeaturesOnlyThoseTheSettingsUseAndEachIsToldOnce) {
  QTemporaryDir runtime;
  SessionNotice notice(runtime.filePath(QStringLiteral("Meterly")));
  Settings settings;
  settings.StayOnTop = true;
  settings.ClickThruShortCut = 0;
  const QString wayland = QStringLiteral("wayland");
  EXPECT_TRUE(UnavailableWindowFeatures(QStringLiteral("xcb"), settings).isEmpty());
  EXPECT_EQ(UnavailableWindowFeatures(wayland, settings).size(), 2);
  EXPECT_TRUE(UnavailableFeaturesNotice(wayland, settings, notice).contains(QStringLiteral("on top")));
  EXPECT_EQ(UnavailableFeaturesNotice(wayland, settings, notice), QString()) << "Apply again";

  settings.ClickThruShortCut = 0x4054;
  const QString later = UnavailableFeaturesNotice(wayland, settings, notice);
  EXPECT_TRUE(later.contains(QStringLiteral("hot key")));
  EXPECT_FALSE(later.contains(QStringLiteral("on top")));
  settings.StayOnTop = false;
  EXPECT_EQ(UnavailableWindowFeatures(wayland, settings).size(), 2);

  EXPECT_EQ(UnavailableFeaturesMessage({QStringLiteral("a"), QStringLiteral("b")}),
            QStringLiteral("On this Wayland session without XWayland, Meterly cannot a, nor b."));
}

TEST(SessionNoticeTest, ANoticeIsGivenOnceASessionAcrossStartsAndOnceAProcessWithoutAFolder) {
  QTemporaryDir runtime;
  const QString folder = runtime.filePath(QStringLiteral("Meterly"));
  SessionNotice firstStart(folder);
  EXPECT_TRUE(firstStart.FirstTime(QStringLiteral("wayland")));
  EXPECT_FALSE(firstStart.FirstTime(QStringLiteral("wayland"))) << "a second Apply";
  EXPECT_TRUE(firstStart.FirstTime(QStringLiteral("hotkey")));
  SessionNotice secondStart(folder);
  EXPECT_FALSE(secondStart.FirstTime(QStringLiteral("wayland")));

  QFile blocker(runtime.filePath(QStringLiteral("file")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  SessionNotice unwritable(blocker.fileName() + QStringLiteral("/Meterly"));
  EXPECT_TRUE(unwritable.FirstTime(QStringLiteral("wayland")));
  EXPECT_FALSE(unwritable.FirstTime(QStringLiteral("wayland")));
}

}  // namespace
}  // namespace meterly
