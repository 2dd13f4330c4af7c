#include "update/online_version_check.h"
#include "base/date_serial.h"
#include "core/auto_update_settings.h"
#include "fakes/fake_platform.h"
#include "store/qt_printing.h"
#include "support/dialog_script.h"
#include "support/test_http_server.h"

#include <QCoreApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>

namespace meterly {
namespace {

using testing_support::DialogScript;
using testing_support::HttpResponse;
using testing_support::TestHttpServer;

const QString kVersionPath = QStringLiteral("/products/meterly/version.txt");
const QString kNoNewVersion = QStringLiteral("无新版本");
const QString kRemoteFailure = QStringLiteral("Unable to read remote version information: ");

HttpResponse Body(const QByteArray& body) { return {200, "OK", body, {}, false}; }

// The developer's own proxy must not decide where the test's requests go.
void ClearProxyEnvironment() {
  for (const char* name :
       {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY", "no_proxy", "NO_PROXY"}) {
    unsetenv(name);
  }
}

class OnlineVersionCheckTest : public ::testing::Test {
 protected:
  OnlineVersionCheckTest() {
    ClearProxyEnvironment();
    QCoreApplication::setApplicationName(QStringLiteral("Meterly"));
    settings.LastAutoCheckDate = Today();
  }

  // A checker of program version 2.1 against the given server.
  TOnlineVersionCheck& Checker(const QString& host, int timeoutMs = 5000) {
    VersionCheckSetup setup = VersionCheckSetupForHost(host, QStringLiteral("2.1.0.7"));
    setup.TransferTimeoutMs = timeoutMs;
    if (!fileVersion.isEmpty()) setup.FileVersion = fileVersion;
    checker = std::make_unique<TOnlineVersionCheck>(settings, shell, clock, setup);
    return *checker;
  }

  qint32 Today() { return DateToDaySerial(clock.localNow.date()); }

  // Runs an interactive check that fails and returns the one message box it showed.
  DialogScript::Box FailureAt(const QString& host) {
    DialogScript script;
    EXPECT_FALSE(Checker(host).Check(&owner, false));
    EXPECT_EQ(script.boxes.size(), 1u);
    EXPECT_TRUE(script.updateMessages.isEmpty());
    return script.boxes.empty() ? DialogScript::Box{} : script.boxes.front();
  }

  AutoUpdateSettings settings;
  fakes::FakeShell shell;
  fakes::FakeClock clock;
  QWidget owner;
  QString fileVersion;
  std::unique_ptr<TOnlineVersionCheck> checker;
};

TEST_F(OnlineVersionCheckTest, SameOrOlderVersionSaysSoUnlessSilent) {
  const std::pair<QByteArray, bool> answers[] = {{"2.1", false},       {"2.1", true},    {"2.1\n", false},
                                                 {"2.1.0\r\n", false}, {"2.0.9", false}, {"1.99", true}};
  for (const auto& [body, silent] : answers) {
    SCOPED_TRACE(body.toStdString() + (silent ? " silent" : ""));
    TestHttpServer server(TestHttpServer::Always(Body(body)));
    DialogScript script;
    EXPECT_TRUE(Checker(server.Host()).Check(&owner, silent));
    EXPECT_TRUE(script.updateMessages.isEmpty());
    ASSERT_EQ(script.boxes.size(), silent ? 0u : 1u);
    if (!silent) {
      EXPECT_EQ(script.boxes[0].text, kNoNewVersion);
      EXPECT_EQ(script.boxes[0].title, QStringLiteral("Meterly"));
      EXPECT_EQ(script.boxes[0].icon, QMessageBox::Information);
    }
    ASSERT_EQ(server.requests.size(), 1);
    EXPECT_TRUE(server.requests[0].startsWith("GET " + kVersionPath.toUtf8() + " HTTP/1.1"));
  }
}

TEST_F(OnlineVersionCheckTest, NewerVersionOffersTheDownloadPageEvenWhenSilent) {
  TestHttpServer server(TestHttpServer::Always(Body("2.10\n")));
  for (bool silent : {false, true}) {
    DialogScript script;
    script.download = silent;
    shell.targets.clear();
    EXPECT_TRUE(Checker(server.Host()).Check(&owner, silent));
    EXPECT_TRUE(script.boxes.empty());
    ASSERT_EQ(script.updateMessages.size(), 1);
    EXPECT_EQ(script.updateMessages[0], QStringLiteral("新版本 Meterly 已可用!\n\n目前版本:2.1\n新版本:2.10"));
    const QString page = QStringLiteral("http://%1/products/meterly/?from=auto").arg(server.Host());
    EXPECT_EQ(shell.targets, silent ? std::vector{page} : std::vector<QString>());
  }
}

TEST_F(OnlineVersionCheckTest, AnUnreachableServerAndAnswersThatAreNoVersionAreFailures) {
  quint16 closedPort = 0;
  {
    TestHttpServer gone(TestHttpServer::Always(Body("2.1")));
    closedPort = gone.Port();
  }
  const std::pair<std::optional<HttpResponse>, QString> cases[] = {
      {std::nullopt, QStringLiteral("The attempt to connect to the server failed.")},  // nothing listens
      {HttpResponse{404, "Not Found", "<html>404 Not Found</html>", {}, false},
       QStringLiteral("The server answered with HTTP status 404 (Not Found).")},
      {Body(""), QStringLiteral("The version file on the server is empty.")},
      {Body("\r\n"), QStringLiteral("The version file on the server is empty.")},
      {Body("<html><form>Please log in to the hotel network</form></html>"),
       QStringLiteral("The server's answer is not a version number.")},
      {Body("2.2 beta"), QStringLiteral("The server's answer is not a version number.")},
      {Body(QByteArray(300, '1')), QStringLiteral("The server's answer is not a version number.")},
  };
  for (const auto& [response, message] : cases) {
    SCOPED_TRACE(message.toStdString());
    std::optional<TestHttpServer> server;
    if (response) server.emplace(TestHttpServer::Always(*response));
    const DialogScript::Box box = FailureAt(server ? server->Host() : QStringLiteral("127.0.0.1:%1").arg(closedPort));
    EXPECT_EQ(box.text, kRemoteFailure + message);
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.title, QString());
  }
}

TEST_F(OnlineVersionCheckTest, StalledServerTimesOutWhileTimersGoOnAndASecondCheckIsRefused) {
  TestHttpServer server(TestHttpServer::Always({200, "OK", "", {}, true}));
  TOnlineVersionCheck& check = Checker(server.Host(), 300);
  int ticks = 0;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&ticks] { ++ticks; });
  tick.start(20);
  DialogScript script;
  std::optional<bool> secondCheck;
  script.whileWaiting = [&] { secondCheck = check.Check(&owner, false); };

  EXPECT_FALSE(check.Check(&owner, false));
  EXPECT_GE(ticks, 5);
  EXPECT_EQ(script.waitTexts.value(0), QStringLiteral("检查更新 ..."));
  ASSERT_TRUE(secondCheck.has_value());
  EXPECT_FALSE(*secondCheck);
  EXPECT_EQ(server.requests.size(), 1);
  ASSERT_EQ(script.boxes.size(), 1u);
  EXPECT_EQ(script.boxes[0].text, kRemoteFailure + QStringLiteral("The request has timed out."));
  EXPECT_FALSE(check.Running());
}

TEST_F(OnlineVersionCheckTest, UnreadableLocalVersionIsReportedBeforeAnyRequest) {
  TestHttpServer server(TestHttpServer::Always(Body("2.1")));
  fileVersion = QStringLiteral("2.1");
  EXPECT_TRUE(FailureAt(server.Host()).text.startsWith(QStringLiteral("Unable to read local version information: ")));
  EXPECT_TRUE(server.requests.isEmpty());
}

// The proxy of the desktop's settings, which only knows the made-up host and wants a login.
class ProxyTest : public OnlineVersionCheckTest {
 protected:
  ProxyTest()
      : proxy([](const QByteArray& head) {
          if (!head.startsWith("GET http://meterly.invalid" + kVersionPath.toUtf8() + " ")) {
            return HttpResponse{502, "Bad Gateway", "", {}, false};
          }
          if (!head.contains("Proxy-Authorization: Basic " + QByteArray("alice:s3cret").toBase64())) {
            return HttpResponse{
                407, "Proxy Authentication Required", "", {{"Proxy-Authenticate", "Basic realm=\"lab\""}}, false};
          }
          return Body("2.1\n");
        }) {
    setenv("http_proxy", qPrintable(QStringLiteral("http://%1").arg(proxy.Host())), 1);
  }
  ~ProxyTest() override { ClearProxyEnvironment(); }

  TestHttpServer proxy;
};

TEST_F(ProxyTest, CancelInTheLoginDialogEndsTheCheckAndTypedCredentialsAreSent) {
  for (const bool typed : {false, true}) {
    SCOPED_TRACE(typed ? "typed" : "cancelled");
    proxy.requests.clear();
    DialogScript script;
    if (typed) script.proxyLogin = std::pair(QStringLiteral("alice"), QStringLiteral("s3cret"));
    EXPECT_EQ(Checker(QStringLiteral("meterly.invalid")).Check(&owner, false), typed);
    ASSERT_EQ(script.proxyPrompts.size(), 1);
    EXPECT_TRUE(script.proxyPrompts[0].contains(QStringLiteral("lab")));
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].text,
              typed ? kNoNewVersion : kRemoteFailure + QStringLiteral("No proxy user name and password specified"));
    EXPECT_EQ(proxy.requests.size(), typed ? 2 : 1);
  }
}

// The question answered Yes, asked once, is the main form's test.
TEST_F(OnlineVersionCheckTest, FirstStartQuestionAnsweredNoSwitchesTheAutomaticCheckOff) {
  settings.QueryForAutoCheck = true;
  settings.AutoCheckEnabled = true;
  DialogScript script;
  script.boxAnswer = QMessageBox::No;
  Checker(QStringLiteral("meterly.invalid")).QueryAutoCheck(&owner);
  ASSERT_EQ(script.boxes.size(), 1u);
  EXPECT_EQ(script.boxes[0].icon, QMessageBox::Question);
  EXPECT_FALSE(settings.AutoCheckEnabled);
  EXPECT_FALSE(settings.QueryForAutoCheck);
}

TEST_F(OnlineVersionCheckTest, AutoCheckRunsSilentlyEightDaysAfterTheLastOne) {
  struct Case {
    int daysAgo;
    bool enabled;
    QByteArray body;
    bool checked;
    bool dateMoves;
  };
  const Case cases[] = {
      // When a check is due is the rule's test.
      {8, true, "2.1", true, true},
      {30, true, "", true, false},
      {8, false, "2.1", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.daysAgo << " days ago, enabled " << c.enabled);
    TestHttpServer server(TestHttpServer::Always(Body(c.body)));
    settings.AutoCheckEnabled = c.enabled;
    settings.LastAutoCheckDate = Today() - c.daysAgo;
    DialogScript script;
    Checker(server.Host()).AutoCheck(&owner);
    EXPECT_EQ(server.requests.size(), c.checked ? 1 : 0);
    EXPECT_EQ(settings.LastAutoCheckDate, c.dateMoves ? Today() : Today() - c.daysAgo);
    EXPECT_TRUE(script.boxes.empty());
  }
}

TEST_F(OnlineVersionCheckTest, WithoutAServerNothingIsAskedOrChecked) {
  settings.AutoCheckEnabled = true;
  settings.LastAutoCheckDate = Today() - 100;
  DialogScript script;
  TOnlineVersionCheck& check = Checker(QString());
  check.QueryAutoCheck(&owner);
  check.AutoCheck(&owner);
  EXPECT_FALSE(check.Check(&owner, false));
  QCoreApplication::processEvents();
  EXPECT_TRUE(script.boxes.empty());
  EXPECT_TRUE(script.waitTexts.isEmpty());
  EXPECT_TRUE(settings.QueryForAutoCheck);
  EXPECT_EQ(settings.LastAutoCheckDate, Today() - 100);
}

}  // namespace
}  // namespace meterly
