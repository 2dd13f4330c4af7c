#include "support/dialog_script.h"
#include "support/main_form_on_veth.h"
#include "support/test_http_server.h"
#include "support/windows.h"
#include "ui/about_window.h"

#include <QAction>
#include <QPushButton>
#include <QThread>

#include <gtest/gtest.h>

namespace meterly {
namespace {

using testing_support::DialogScript;
using testing_support::HttpResponse;
using testing_support::TestHttpServer;

const QString kSection = QStringLiteral("AutoUpdate");

class MainFormVersionCheckTest : public testing_support::MainFormOnVethLater {
 protected:
  MainFormVersionCheckTest() : server(TestHttpServer::Always(HttpResponse{200, "OK", "0.0.1", {}, false})) {
    QCoreApplication::setApplicationName(QStringLiteral("Meterly"));
  }
  ~MainFormVersionCheckTest() override { form.reset(); }  // before the server

  // Lets queued calls run, long enough for a check against the local server to finish.
  static void RunEvents() {
    for (int i = 0; i < 20; ++i) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
      QThread::msleep(5);
    }
  }

  TAboutWindow* OpenAbout() {
    form->findChild<QAction*>(QStringLiteral("ActionAbout"))->trigger();
    const std::vector<TAboutWindow*> about = testing_support::VisibleTopLevel<TAboutWindow>();
    return about.empty() ? nullptr : about.front();
  }

  TestHttpServer server;
};

TEST_F(MainFormVersionCheckTest, WithAServerTheQuestionComesOnceAfterCreationAndIsKept) {
  store->WriteString(kSection, QStringLiteral("VersionHost"), server.Host());
  DialogScript script;
  script.boxAnswer = QMessageBox::Yes;
  Create();
  EXPECT_TRUE(script.boxes.empty());  // not during creation
  RunEvents();
  ASSERT_EQ(script.boxes.size(), 1u);
  EXPECT_EQ(script.boxes[0].text, QStringLiteral("是否让 Meterly 自动检查新版本?"));
  EXPECT_FALSE(store->ReadBool(kSection, QStringLiteral("QueryForAutoCheck"), true));
  EXPECT_TRUE(store->ReadBool(kSection, QStringLiteral("AutoCheckEnabled"), false));
  EXPECT_TRUE(server.requests.isEmpty());  // the first automatic check comes eight days later

  form.reset();
  Create();
  RunEvents();
  EXPECT_EQ(script.boxes.size(), 1u);
}

TEST_F(MainFormVersionCheckTest, AboutWindowButtonRunsTheInteractiveCheck) {
  store->WriteString(kSection, QStringLiteral("VersionHost"), server.Host());
  store->WriteBool(kSection, QStringLiteral("QueryForAutoCheck"), false);
  Create();
  RunEvents();
  TAboutWindow* about = OpenAbout();
  ASSERT_NE(about, nullptr);
  ASSERT_TRUE(about->bbCheckUpdates->isVisible());
  DialogScript script;
  about->bbCheckUpdates->click();
  RunEvents();
  EXPECT_EQ(server.requests.size(), 1);
  ASSERT_EQ(script.boxes.size(), 1u);
  EXPECT_EQ(script.boxes[0].text, QStringLiteral("无新版本"));
}

TEST_F(MainFormVersionCheckTest, WithoutAServerNothingIsAskedAndNoButtonIsOffered) {
  DialogScript script;
  Create();
  RunEvents();
  EXPECT_TRUE(script.boxes.empty());
  TAboutWindow* about = OpenAbout();
  ASSERT_NE(about, nullptr);
  EXPECT_FALSE(about->bbCheckUpdates->isVisible());
}

}  // namespace
}  // namespace meterly
