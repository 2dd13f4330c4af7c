#include "app/settings_window.h"
#include "core/shortcut.h"
#include "display/graph_form.h"
#include "display/graph_window_rules.h"
#include "display/histogram.h"
#include "support/main_form_on_veth.h"
#include "support/windows.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

#include <memory>

namespace meterly {
namespace {

constexpr quint16 CtrlAltT = ShortCutModifier::Ctrl | ShortCutModifier::Alt | 'T';

using testing_support::Child;
using testing_support::MessageBoxAnswerer;

class MainFormGraphTest : public testing_support::MainFormOnVethLater {
 protected:
  MainFormGraphTest() { platform.interfaces.table.front().description = QStringLiteral("Lab link"); }

  void Create() {
    MainFormOnVethLater::Create();
    graph = std::make_unique<TGraphForm>(settings);
    form->AttachGraphForm(*graph);
    form->ApplySettings();
  }

  QAction* Action(const char* name) {
    auto* action = form->findChild<QAction*>(QLatin1String(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
  }

  // The setting, the action, the window and the settings page's box agree.
  void ExpectClickThrough(bool on) {
    EXPECT_EQ(settings.EnableClickThrough, on);
    EXPECT_EQ(Action("ActionToggleClickThrough")->isChecked(), on);
    EXPECT_EQ(graph->ClickThrough(), on);
    EXPECT_EQ(Child<QCheckBox>(form->SettingsWindow(), "cbEnableClickThrough").isChecked(), on);
  }

  qint32 Saved(const char* name) { return store->ReadInteger(QStringLiteral("Graph"), QLatin1String(name), -1); }

  void PopUpTrayMenu() { Q_EMIT form->TrayMenu().aboutToShow(); }

  std::unique_ptr<TGraphForm> graph;
};

TEST_F(MainFormGraphTest, ApplySettingsReachesTheWindowAndItsGraph) {
  settings.StayOnTop = false;
  settings.EnableCaption = false;
  settings.EnableTransparent = true;
  settings.TransparentValue = 40;
  settings.EnableClickThrough = true;
  settings.FixedScale = true;
  settings.FixedScaleValue = 64000;
  settings.EnableMinuteTicks = true;
  settings.LineType = 2;
  settings.Sticky = true;
  Create();

  EXPECT_FALSE(graph->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(graph->windowFlags().testFlag(Qt::WindowTitleHint));
  EXPECT_NEAR(graph->windowOpacity(), 102 / 255.0, 1 / 255.0);
  EXPECT_TRUE(graph->ClickThrough());
  EXPECT_TRUE(Action("ActionToggleClickThrough")->isChecked());
  EXPECT_EQ(graph->Graph().MaxValue(), 64000u);
  EXPECT_EQ(graph->Graph().VertTickPeriod(), 60);
  EXPECT_EQ(graph->Graph().LineType(), TLineType::ltNumeric);
  EXPECT_EQ(graph->minimumSize(), QSize(80, 25));
  EXPECT_EQ(graph->windowTitle(), QStringLiteral("Meterly (Lab link)"));
  EXPECT_TRUE(graph->Sticky());

  settings.EnableTransparent = false;
  settings.LineType = 0;
  settings.InterfaceGuid = QStringLiteral("gone0");
  form->ApplySettings();
  EXPECT_FALSE(graph->AlphaBlend());
  EXPECT_EQ(graph->minimumSize(), QSize(80, 50));
  EXPECT_EQ(graph->windowTitle(), QStringLiteral("Meterly (Not Available)"));
}

TEST_F(MainFormGraphTest, EachCountedSecondReachesTheWindowGraphWhileHidden) {
  Create();
  Ticks(2, 4096, 512);  // a baseline and a counted second
  EXPECT_FALSE(graph->isVisible());
  EXPECT_EQ(graph->Graph().SeriesIn()[0], 4096u);
  EXPECT_EQ(graph->Graph().SeriesOut()[0], 512u);

  form->ActionResetGraph();
  EXPECT_EQ(graph->Graph().SeriesIn()[0], 0u);
}

TEST_F(MainFormGraphTest, TheToggleShowsAndClosingHidesAndSavesAsExitDoesWithTheLiveBounds) {
  settings.GraphWindow = {30, 40, 290, 114};
  Create();
  QAction* toggle = Action("ActionToggleGraph");

  form->ActionToggleGraph();
  EXPECT_TRUE(toggle->isChecked());
  EXPECT_TRUE(graph->isVisible());

  graph->SetBounds({70, 80, 300, 100});
  const int writesBefore = platform.registryFile.writeCount;
  graph->close();  // the window's own close box
  EXPECT_FALSE(graph->isVisible());
  EXPECT_FALSE(toggle->isChecked());
  EXPECT_EQ(platform.registryFile.writeCount, writesBefore + 1);
  EXPECT_EQ(Saved("Left"), 70);
  EXPECT_EQ(Saved("Height"), 100);

  // Shown by a notification, then by the user: the user's showing stays.
  graph->ShowNoActivate();
  form->ActionToggleGraph();
  graph->HideNotificationWindow();
  EXPECT_TRUE(graph->isVisible());

  graph->SetBounds({11, 22, 333, 144});
  form->ExitApplication();
  EXPECT_FALSE(graph->isVisible());
  EXPECT_EQ(Saved("Width"), 333);
  EXPECT_EQ(settings.GraphWindow, (GraphBounds{11, 22, 333, 144}));
}

TEST_F(MainFormGraphTest, ClickThroughIsRefusedWhileOpacityIsOff) {
  Create();
  Action("ActionToggleClickThrough")->trigger();
  ExpectClickThrough(false);
  settings.EnableTransparent = true;
  form->ApplySettings();
  Action("ActionToggleClickThrough")->trigger();
  ExpectClickThrough(true);
  platform.hotKeyFake.EmitActivated();
  ExpectClickThrough(false);
}

TEST_F(MainFormGraphTest, TheHotKeyIsRegisteredAgainOnEveryApplyAndEachRefusalIsReported) {
  settings.ClickThruShortCut = CtrlAltT;
  Create();
  ASSERT_EQ(platform.hotKeyFake.registrations.size(), 1u);
  EXPECT_EQ(platform.hotKeyFake.held, QKeySequence(QStringLiteral("Ctrl+Alt+T")));

  platform.hotKeyFake.failure = QStringLiteral("the key combination is already taken by another program");
  {
    MessageBoxAnswerer answerer(QMessageBox::Ok);
    form->ApplySettings();
    form->ApplySettings();
    const QString refusal =
        QStringLiteral("Cannot use Ctrl+Alt+T as a hotkey: the key combination is already taken by another program");
    EXPECT_EQ(answerer.texts, QStringList({refusal, refusal}));
  }
  EXPECT_TRUE(platform.hotKeyFake.held.isEmpty());
  EXPECT_EQ(platform.hotKeyFake.registrations.size(), 3u);

  const int released = platform.hotKeyFake.unregisterCalls;
  settings.ClickThruShortCut = 0;
  form->ApplySettings();
  EXPECT_EQ(platform.hotKeyFake.unregisterCalls, released + 1);
  EXPECT_EQ(platform.hotKeyFake.registrations.size(), 3u);
}

TEST_F(MainFormGraphTest, ResetButtonAsksThenRestoresTheFirstStartPlace) {
  settings.GraphWindow = {-5000, -5000, 120, 60};
  Create();
  QPushButton* reset = &Child<QPushButton>(form->SettingsWindow(), "ButtonResetGraph");
  {
    MessageBoxAnswerer answerer(QMessageBox::Cancel);
    reset->click();
    EXPECT_EQ(answerer.texts, QStringList{QStringLiteral("If you do not see the graph because it is shown off-screen, "
                                                         "click OK to restore its original position and size")});
    EXPECT_EQ(answerer.titles, QStringList{QStringLiteral("Meterly")});
    EXPECT_EQ(answerer.icons, std::vector{QMessageBox::Question});
  }
  EXPECT_FALSE(graph->isVisible());
  EXPECT_EQ(graph->Bounds(), (GraphBounds{-5000, -5000, 120, 60}));

  MessageBoxAnswerer answerer(QMessageBox::Ok);
  reset->click();
  EXPECT_TRUE(graph->isVisible());
  EXPECT_EQ(graph->Bounds(), CentredGraphBounds(QGuiApplication::primaryScreen()->geometry().size()));
  EXPECT_TRUE(Action("ActionToggleGraph")->isChecked());
}

// Which items show is the menu's rule; here, that the form tells it what it needs.
TEST_F(MainFormGraphTest, TrayMenuItemsFollowTheGraphWindow) {
  Create();
  QAction* reset = form->TrayMenu().Item(QStringLiteral("pmiResetGraph"));
  QAction* clickThrough = form->TrayMenu().Item(QStringLiteral("pmiEnableClickThrough"));
  PopUpTrayMenu();
  EXPECT_FALSE(reset->isVisible());

  form->ActionToggleGraph();
  settings.EnableTransparent = true;
  PopUpTrayMenu();
  EXPECT_TRUE(reset->isVisible());
  EXPECT_TRUE(clickThrough->isVisible());

  form->ActionToggleGraph();
  settings.ShowInTray = true;
  PopUpTrayMenu();
  EXPECT_TRUE(reset->isVisible());
  EXPECT_FALSE(clickThrough->isVisible());
}

}  // namespace
}  // namespace meterly
