#include "fakes/fake_icmp.h"
#include "tools/ping_form.h"
#include "tools/trace_route_form.h"

#include <qtestsupport_core.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

namespace meterly {
namespace {

using platform::EchoReply;
namespace Status = platform::IcmpStatus;
using Request = fakes::FakeIcmpService::Request;

struct Message {
  QMessageBox::Icon icon;
  QString title;
  QString text;
};

constexpr int kWaitMs = 10000;

// A window of the given kind over the fake ICMP, recording the messages it would show.
template <typename Form>
class ToolFormTest : public ::testing::Test {
 protected:
  ToolFormTest() : form(icmp) {
    form.SetMessageSink([this](QMessageBox::Icon icon, const QString& title, const QString& text) {
      messages.push_back({icon, title, text});
    });
  }

  void Start(const QString& host) {
    form.cmbHostName->setEditText(host);
    form.StartButton().click();
  }

  bool Finishes() {
    return QTest::qWaitFor([this] { return !form.Running(); }, kWaitMs);
  }

  fakes::FakeIcmpService icmp;
  Form form;
  std::vector<Message> messages;
};

using PingFormTest = ToolFormTest<TPingForm>;
using TraceRouteFormTest = ToolFormTest<TTraceRouteForm>;

TEST_F(PingFormTest, SetUpFailuresAreReportedOnceTheRunEnds) {
  struct Case {
    const char* host;
    bool openFails;
    QMessageBox::Icon icon;
    const char* text;
  };
  const Case cases[] = {
      {"", false, QMessageBox::Information, "Please enter a host name or address"},
      {"no-such-host.invalid", false, QMessageBox::Warning, "Unable to resolve the host name"},
      {"192.0.2.1", true, QMessageBox::Critical, "Unable to create a socket"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    messages.clear();
    icmp.openFails = c.openFails;
    Start(QString::fromLatin1(c.host));
    ASSERT_TRUE(Finishes());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !messages.empty(); }, kWaitMs));
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, c.icon);
    EXPECT_EQ(messages[0].text, QString::fromLatin1(c.text));
    EXPECT_EQ(messages[0].title, c.icon == QMessageBox::Information ? QStringLiteral("Meterly") : QString());
    EXPECT_EQ(form.ListView->rowCount(), 0);
  }
}

TEST_F(TraceRouteFormTest, StoppingDuringAFloodOfInstantAnswersNeitherFreezesNorShowsAnEndMessage) {
  // Every hop answers at once from a router, never the destination: 255 rows at full speed.
  icmp.responder = [](const Request&) {
    return std::optional<EchoReply>(EchoReply{Status::TtlExpiredTransit, 0xC0000202, 0, 64});
  };
  form.cbEnableResolving->setChecked(false);
  for (int round = 0; round < 3; ++round) {
    Start("203.0.113.9");
    // Rows pile up unseen; until the window has seen the run end, the button stops it.
    QThread::msleep(2);
    form.TraceButton->click();
    EXPECT_FALSE(form.Running());
    EXPECT_EQ(form.TraceButton->text(), QStringLiteral("&Start Trace"));
  }
  QCoreApplication::processEvents();
  EXPECT_TRUE(messages.empty());
  EXPECT_LE(form.ListView->rowCount(), 255);
}

TEST_F(TraceRouteFormTest, StopShowsTheWaitWindowUntilTheWorkerHasFinished) {
  icmp.holdMs = 300;  // a wait that cannot be cut short, like a name lookup
  Start("203.0.113.9");
  ASSERT_TRUE(QTest::qWaitFor([this] { return !icmp.Requests().empty(); }, kWaitMs));
  bool waitWindowShown = false;
  bool formBlocked = false;
  QTimer::singleShot(100, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    const auto* text = modal != nullptr ? modal->findChild<QLabel*>(QStringLiteral("LabelText")) : nullptr;
    waitWindowShown = text != nullptr && text->text() == QStringLiteral("正在停止,请稍候...") && modal->isVisible();
    formBlocked = !form.isEnabled() || QApplication::activeModalWidget() != &form;
  });
  form.TraceButton->click();
  EXPECT_TRUE(waitWindowShown);
  EXPECT_TRUE(formBlocked);
  EXPECT_FALSE(form.Running());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the wait window is gone";
  EXPECT_EQ(icmp.Cancels(), 1);
}

TEST_F(TraceRouteFormTest, ClosingTheWindowStopsItsWorkerFirst) {
  icmp.waitOutTimeouts = true;
  form.SpinTimeOut->setValue(10000);
  form.show();
  Start("203.0.113.9");
  ASSERT_TRUE(QTest::qWaitFor([this] { return !icmp.Requests().empty(); }, kWaitMs));
  form.close();
  EXPECT_FALSE(form.Running());
  EXPECT_FALSE(form.isVisible());
}

TEST_F(PingFormTest, ARunFillsTheListToCopyPutsItsHostFirstInTheHistoryAndGoesIdleWithoutMessage) {
  icmp.responder = [](const Request& request) -> std::optional<EchoReply> {
    if (request.sequence == 1) return EchoReply{Status::Success, 0x7F000001, 2, 64};
    return std::nullopt;
  };
  form.SpinAttempts->setValue(2);
  form.SetHostHistory({"a.example"});
  EXPECT_FALSE(form.ActionCopyAll->isEnabled());
  Start("127.0.0.1");
  EXPECT_EQ(form.PingButton->text(), QStringLiteral("停止 Ping(&P)"));
  ASSERT_TRUE(Finishes());
  EXPECT_EQ(form.PingButton->text(), QStringLiteral("开始 Ping(&P)"));
  EXPECT_EQ(form.HostHistory(), (QStringList{"127.0.0.1", "a.example"}));
  QCoreApplication::processEvents();
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(form.ActionCopyAll->isEnabled());
  form.ListView->clearSelection();
  EXPECT_FALSE(form.ActionCopyLine->isEnabled());

  form.ListView->selectRow(1);
  ASSERT_TRUE(form.ActionCopyLine->isEnabled());
  form.ActionCopyLine->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("2\tNo reply from host\t\t"));
  form.ActionCopyAll->trigger();
  EXPECT_EQ(
      QGuiApplication::clipboard()->text(),
      QStringLiteral("#\tIP地址\t响应时间\t晶体管晶体管逻辑\r\n=\t====\t====\t========\r\n1\t127.0.0.1\t2 ms\t64\r\n"
                     "2\tNo reply from host\t\t\r\n"));
}

TEST_F(PingFormTest, RowsOfAStoppedRunNeverReachTheNextRun) {
  icmp.responder = [](const Request& request) -> std::optional<EchoReply> {
    return EchoReply{Status::Success, request.destination, 0, 64};
  };
  form.SpinAttempts->setValue(100);
  Start("192.0.2.1");
  form.PingButton->click();  // stop at once; rows may still be on their way
  icmp.responder = nullptr;
  form.SpinAttempts->setValue(1);
  form.SpinTimeOut->setValue(100);
  Start("192.0.2.2");
  ASSERT_TRUE(Finishes());
  QCoreApplication::processEvents();
  ASSERT_EQ(form.ListView->rowCount(), 1);
  EXPECT_EQ(form.ListView->item(0, 1)->text(), QStringLiteral("No reply from host"));
}

}  // namespace
}  // namespace meterly
