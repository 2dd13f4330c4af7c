#include "tools/net_stat_form.h"
#include "fakes/fake_net_stat.h"
#include "reports/report_table.h"
#include "reports/table_export.h"
#include "tools/net_stat_resolver.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace meterly {
namespace {

using fakes::Ipv4;
using fakes::TcpRow;
using fakes::UdpRow;
namespace TcpState = platform::TcpState;

// The program's own writers, as the main form hands them over.
ListExport ReportWriters() {
  return {[](const QAbstractItemModel& list) { return TableToText(TableFromItemModel(list)); },
          QString::fromLatin1(ExportFilter),
          [](int filter, const QAbstractItemModel& list, const QString& fileName, const QString& title) {
            ExportByFilter(filter, TableFromItemModel(list), fileName, title);
          }};
}

class NetStatFormTest : public ::testing::Test {
 protected:
  NetStatFormTest() : form(sockets, processes, names, ReportWriters()) {
    processes.Add(500, 7, QStringLiteral("nginx"));
    processes.Add(1, 1, QStringLiteral("systemd"));
    sockets.table = {TcpRow(Ipv4(0, 0, 0, 0), 80, Ipv4(0, 0, 0, 0), 0, TcpState::Listen, 500),
                     TcpRow(Ipv4(10, 0, 0, 2), 80, Ipv4(198, 51, 100, 7), 50000, TcpState::Established, 500),
                     UdpRow(Ipv4(0, 0, 0, 0), 68, 1)};
    form.SetMessageSink([this](QMessageBox::Icon, const QString&, const QString& text) { messages << text; });
  }

  // Lets queued refreshes and name answers in.
  static void Settle() { QCoreApplication::processEvents(); }

  int RowOf(const QString& caption, const QString& protocol) {
    for (size_t at = 0; at < form.Rows().size(); ++at) {
      if (form.Rows()[at].Caption == caption && form.Rows()[at].Protocol == protocol) return static_cast<int>(at);
    }
    return -1;
  }

  QString Cell(int row, int column) { return form.ListView->item(row, column)->text(); }

  fakes::FakeSocketTable sockets;
  fakes::FakeProcessService processes;
  fakes::FakeNameLookup names;
  TNetStatForm form;
  QStringList messages;
};

TEST_F(NetStatFormTest, RequestsMadeBeforeARefreshAreServedByOne) {
  form.RequestRefresh();
  form.ActionRefresh->trigger();
  form.cbOnlyEstablished->click();
  Settle();
  EXPECT_EQ(sockets.reads, 1);
  ASSERT_EQ(form.ListView->rowCount(), 1) << "only-established was on for that refresh";
  EXPECT_EQ(Cell(0, 3), QStringLiteral("198.51.100.7: 50000"));
}

TEST_F(NetStatFormTest, ARefreshNeverRunsInsideItselfAndOneFollowsTheRequestsItGot) {
  int depth = 0;
  int deepest = 0;
  sockets.duringRead = [&] {
    deepest = std::max(deepest, ++depth);
    if (sockets.reads == 1) {
      form.Refresh();
      form.RequestRefresh();
    }
    --depth;
  };
  form.Refresh();
  EXPECT_EQ(sockets.reads, 1);
  Settle();
  EXPECT_EQ(sockets.reads, 2) << "the two requests made during the refresh, merged";
  EXPECT_EQ(deepest, 1);
}

TEST_F(NetStatFormTest, TheTimerRefreshesOnlyWhileAutoRefreshIsChecked) {
  form.cbAutoRefresh->click();
  Settle();
  ASSERT_TRUE(form.Timer->isActive());
  QMetaObject::invokeMethod(form.Timer, "timeout");
  Settle();
  EXPECT_EQ(sockets.reads, 2);
  form.cbAutoRefresh->click();
  Settle();
  EXPECT_FALSE(form.Timer->isActive());
  QMetaObject::invokeMethod(form.Timer, "timeout");  // one already on its way
  Settle();
  EXPECT_EQ(sockets.reads, 3) << "the click's refresh only";
}

TEST_F(NetStatFormTest, HeaderClicksSortAndTurnTheOrderRound) {
  form.Refresh();
  form.ListView->horizontalHeader()->sectionClicked(2);
  EXPECT_EQ(Cell(0, 2), QStringLiteral("0.0.0.0: 68"));
  EXPECT_EQ(Cell(2, 2), QStringLiteral("10.0.0.2: 80"));
  form.ListView->horizontalHeader()->sectionClicked(2);
  EXPECT_EQ(Cell(0, 2), QStringLiteral("10.0.0.2: 80"));
  form.Refresh();
  EXPECT_EQ(Cell(0, 2), QStringLiteral("10.0.0.2: 80")) << "the order holds across refreshes";
}

// Which rows may be ended is the rows' part; here, that the window follows it.
TEST_F(NetStatFormTest, TerminateIsOfferedForARowThatMayBeEndedAndEndsTheProcessOfTheRowTheMenuWasOpenedFor) {
  form.Refresh();
  form.ListView->selectRow(RowOf("systemd", "UDP"));
  EXPECT_FALSE(form.ActionTerminateApplication->isEnabled());
  form.ListView->selectRow(RowOf("nginx", "TCP"));
  form.PopupMenuOpen(QPoint(1, 1));
  ASSERT_TRUE(form.ActionTerminateApplication->isEnabled());
  // The list changes under the open menu: nginx has gone, another program has its place.
  sockets.table = {UdpRow(Ipv4(0, 0, 0, 0), 68, 1)};
  form.Refresh();
  form.ActionTerminateApplication->trigger();
  form.PopupMenu->hide();
  EXPECT_EQ(processes.terminated, std::vector<platform::ProcessIdentity>({{500, 7}}));
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(NetStatFormTest, AReusedProcessNumberIsNotEndedAndTheUserIsTold) {
  form.Refresh();
  form.ListView->selectRow(RowOf("nginx", "TCP"));
  processes.Add(500, 99, QStringLiteral("bash"));  // nginx ended; its number went to a new process
  form.ActionTerminateApplication->trigger();
  EXPECT_TRUE(processes.terminated.empty());
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Unable to end nginx (process 500): ")));
}

TEST_F(NetStatFormTest, RemoteNamesFillInAsTheyArriveWithoutHoldingTheWindow) {
  names.hosts[Ipv4(198, 51, 100, 7)] = QStringLiteral("client.example");
  names.Hold();
  form.cbResolveAddresses->click();
  Settle();
  const int row = RowOf("nginx", "TCP");
  const int established = form.Rows()[static_cast<size_t>(row)].State == "ESTABLISHED" ? row : row + 1;
  EXPECT_EQ(Cell(established, 3), QStringLiteral("198.51.100.7: 50000")) << "numbers while the lookup runs";
  EXPECT_EQ(Cell(established, 2), QStringLiteral("testhost: 80"));
  names.Release();
  ASSERT_TRUE(form.Resolver().WaitForLookups(5000));
  EXPECT_EQ(Cell(established, 3), QStringLiteral("client.example: 50000"));
  form.Refresh();
  EXPECT_EQ(names.HostLookups(), 1) << "an address is looked up once";
}

TEST_F(NetStatFormTest, AnAnswerForAnOlderListLeavesTheCurrentOneAlone) {
  names.hosts[Ipv4(198, 51, 100, 7)] = QStringLiteral("client.example");
  names.Hold();
  form.cbResolveAddresses->click();
  Settle();
  form.cbResolveAddresses->click();  // resolving off again before the answer
  Settle();
  names.Release();
  ASSERT_TRUE(form.Resolver().WaitForLookups(5000));
  for (int row = 0; row < form.ListView->rowCount(); ++row) {
    EXPECT_FALSE(Cell(row, 3).contains(QStringLiteral("client"))) << row;
  }
}

TEST_F(NetStatFormTest, CopyRowAndSaveGoThroughTheTableWriters) {
  form.Refresh();
  form.ListView->selectRow(RowOf("systemd", "UDP"));
  form.ActionCopyRow->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("systemd\tUDP\t0.0.0.0: 68\t*.*.*.*: *\t"));

  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("list.csv"));
  form.SetSaveChooser([&](QWidget*, const QString&) { return std::make_optional(std::make_pair(path, 5)); });
  form.ActionSave->trigger();
  QFile saved(path);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(saved.readAll()).count(QStringLiteral("\r\n")), 4);

  form.SetSaveChooser([&](QWidget*, const QString&) {
    return std::make_optional(std::make_pair(folder.filePath(QStringLiteral("missing/list.txt")), 4));
  });
  form.ActionSave->trigger();
  EXPECT_EQ(messages.size(), 1) << "a file that cannot be written is reported";
}

TEST_F(NetStatFormTest, TheSelectionStaysOnItsSocketAcrossRefreshes) {
  form.Refresh();
  form.ListView->selectRow(RowOf("systemd", "UDP"));
  sockets.table.insert(sockets.table.begin(), UdpRow(Ipv4(0, 0, 0, 0), 1, 0));
  form.Refresh();
  const QList<QTableWidgetItem*> selected = form.ListView->selectedItems();
  ASSERT_FALSE(selected.isEmpty());
  EXPECT_EQ(selected.front()->row(), RowOf("systemd", "UDP"));
}

}  // namespace
}  // namespace meterly
