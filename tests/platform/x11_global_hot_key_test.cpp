#include "platform/linux/x11_global_hot_key.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

namespace meterly::platform {
namespace {

// The grab itself needs a real X server: tests/e2e/test_hot_key.sh drives it under Xvfb.
TEST(X11GlobalHotKey, WithoutAnX11ConnectionRegistrationSaysWhy) {
  if (QGuiApplication::platformName() == QStringLiteral("xcb")) GTEST_SKIP() << "this test needs a session without X11";
  X11GlobalHotKey hotKey;
  QString error;
  EXPECT_FALSE(hotKey.Register(QKeySequence(QStringLiteral("Ctrl+Alt+F12")), &error));
  EXPECT_EQ(error.toStdString(), "global hot keys need an X11 session");
  EXPECT_FALSE(hotKey.Register(QKeySequence(QStringLiteral("Ctrl+Alt+F12")), nullptr));
  hotKey.Unregister();
}

TEST(X11GlobalHotKey, AnEmptySequenceIsRefused) {
  X11GlobalHotKey hotKey;
  QString error;
  EXPECT_FALSE(hotKey.Register(QKeySequence(), &error));
  EXPECT_EQ(error.toStdString(), "no key combination was given");
}

}  // namespace
}  // namespace meterly::platform
