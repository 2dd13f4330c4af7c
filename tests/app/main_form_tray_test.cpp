#include "display/graph_form.h"
#include "store/disk_db.h"
#include "support/main_form_on_veth.h"
#include "support/windows.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <memory>

namespace meterly {
namespace {

size_t OpenMessageBoxes() { return testing_support::VisibleTopLevel<QMessageBox>().size(); }

// A desktop without any notification area, on which one appears later.
class MainFormNoTrayTest : public testing_support::MainFormOnVeth {
 protected:
  MainFormNoTrayTest() {
    graph = std::make_unique<TGraphForm>(settings);
    form->AttachGraphForm(*graph);
    form->ApplySettings();
  }

  ~MainFormNoTrayTest() override {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (qobject_cast<QMessageBox*>(widget) != nullptr) widget->deleteLater();
    }
  }

  std::unique_ptr<TGraphForm> graph;
};

TEST_F(MainFormNoTrayTest, TheGraphWindowStandsInForTheIconTheUserIsToldOnceAndTheIconComesWithATray) {
  const size_t boxesBefore = OpenMessageBoxes();  // left open by tests before this one
  Ticks(119);
  EXPECT_FALSE(graph->isVisible());
  EXPECT_EQ(OpenMessageBoxes(), boxesBefore);

  Ticks(1);
  EXPECT_TRUE(graph->isVisible());
  EXPECT_TRUE(form->findChild<QAction*>(QStringLiteral("ActionToggleGraph"))->isChecked());
  EXPECT_EQ(OpenMessageBoxes(), boxesBefore + 1);
  EXPECT_FALSE(form->Terminating());

  Ticks(200);
  EXPECT_EQ(OpenMessageBoxes(), boxesBefore + 1) << "told once, not every second";
  {
    TDiskDB& db = *form->UsageDatabase();
    TSQLiteDB::LockGuard lock(db);
    EXPECT_EQ(db.GetTotals(0, 9999999, std::nullopt).DataIn, 319 * 10) << "every second after the baseline";
  }
  EXPECT_FALSE(form->TrayIcon().TrayIconMade());

  platform.trayStateFake.hosts.XEmbedTray = true;
  Ticks(1);
  EXPECT_TRUE(form->TrayIcon().IsShown());
}

}  // namespace
}  // namespace meterly
