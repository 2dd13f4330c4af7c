#include "ui/about_window.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace meterly {
namespace {

TEST(AboutWindowTest, CheckIsRequestedOnlyAfterTheWindowHasClosed) {
  TAboutWindow window(QIcon(), QStringLiteral("Meterly"), QStringLiteral("1.2.0.3"));
  window.SetUpdateCheckOffered(true);
  window.show();
  int requests = 0;
  bool visibleWhenRequested = true;
  QObject::connect(&window, &TAboutWindow::checkUpdatesRequested, [&] {
    ++requests;
    visibleWhenRequested = window.isVisible();
  });

  window.bbCheckUpdates->click();
  EXPECT_EQ(requests, 0);  // posted, not called from inside the click
  QCoreApplication::processEvents();
  EXPECT_EQ(requests, 1);
  EXPECT_FALSE(visibleWhenRequested);
}

TEST(AboutWindowTest, NoteLineShowsOnlyWithText) {
  TAboutWindow window(QIcon(), QStringLiteral("Meterly"), QStringLiteral("1.2.0.3"));
  window.show();
  EXPECT_FALSE(window.LabelNote->isVisible());
  window.SetNote(QStringLiteral("Ping is unavailable: no ICMP socket."));
  EXPECT_TRUE(window.LabelNote->isVisible());
  window.SetNote(QString());
  EXPECT_FALSE(window.LabelNote->isVisible());
}

}  // namespace
}  // namespace meterly
