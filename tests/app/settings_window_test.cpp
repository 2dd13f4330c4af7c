#include "app/settings_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>

#include "support/windows.h"

#include <gtest/gtest.h>

namespace meterly {
namespace {

using testing_support::Child;

TAdapterEntry Entry(const char* description, TAdapterKind kind, const QString& guid, quint32 address = 0,
                    std::array<quint8, 8> mac = {}) {
  return {QString::fromUtf8(description), kind == akInterface ? 2u : 0u, kind, mac, address, guid};
}

const AdapterList Adapters = {
    Entry("All Connections", akAllConnections, AllConnectionsGuid),
    Entry("All Ethernet Connections", akAllEthernet, AllEthernetGuid),
    Entry("All Dial-up Connections", akAllDialup, AllDialupGuid),
    Entry("Büro", akInterface, QStringLiteral("enp3s0"), 0xC0000201, {0x52, 0x54, 0x00, 0xab, 0xcd, 0xef}),
    Entry("wlan0", akInterface, QStringLiteral("wlan0"), 0xC6336401, {0x0a, 0x0b, 0x0c, 0x0d, 0x0e, 0x0f}),
};

// The values the general and advanced pages edit, every one away from its default.
Settings EditedSettings() {
  Settings s;
  s.PeakHourFrom = 23;  // both ends of the range
  s.PeakHourTo = 0;
  s.WeekStartsOn = 3;
  s.MonthStartsOn = 15;
  s.EnableAutoRun = false;
  s.EnableGridLines = false;
  s.AutoUpdate.AutoCheckEnabled = true;
  s.Unit = 1;
  s.VolumeUnit = 4;
  s.TrayIconMode = 5;
  s.InterfaceGuid = QStringLiteral("wlan0");
  s.DisplayOnStartup = true;
  return s;
}

class SettingsWindowTest : public ::testing::Test {
 protected:
  SettingsWindowTest() {
    window.FillInterfaceCombo(Adapters);
    window.SelectCurrentInterface(AllConnectionsGuid);
    window.SettingsToControls(Settings());
  }

  // What the owner does on every showing.
  void ShowAsTheOwnerDoes(const Settings& settings) {
    window.SelectCurrentInterface(settings.InterfaceGuid);
    window.SetAutoCheck(settings.AutoUpdate.AutoCheckEnabled);
    window.show();
  }

  QButtonGroup& TrayRadios() { return Child<QButtonGroup>(window, "rgTrayIconModeItems"); }

  TSettingsWindow window;
  QComboBox& cmbVolumeUnit = Child<QComboBox>(window, "cmbVolumeUnit");
  QComboBox& ComboBoxWeekStarts = Child<QComboBox>(window, "ComboBoxWeekStarts");
  QComboBox& cmbInterfaces = Child<QComboBox>(window, "cmbInterfaces");
  QLabel& lblIfInfo = Child<QLabel>(window, "lblIfInfo");
  QCheckBox& cbEnableAutorun = Child<QCheckBox>(window, "cbEnableAutorun");
  QSpinBox& SpinPeakTo = Child<QSpinBox>(window, "SpinPeakTo");
};

TEST_F(SettingsWindowTest, SettingsComeBackAsTheyWentIn) {
  const Settings edited = EditedSettings();
  ShowAsTheOwnerDoes(edited);
  window.SettingsToControls(edited);
  Settings readBack;
  EXPECT_TRUE(window.ControlsToSettings(readBack));
  EXPECT_EQ(readBack, edited);  // and nothing else touched
}

// A stored value the controls cannot show (an unreadable locale stored week start 0, an unknown
// speed unit) leaves no week selected and the unit as it was; accepting stores those again. A
// volume unit out of range is the mapping's check.
TEST_F(SettingsWindowTest, ListsAndRadiosStandForTheirStoredValues) {
  // By stored mode: the radios stand in another order.
  const char* const trayItems[] = {"当前传送率",   "每日通信量", "拨号持续时间",
                                   "图表使用情况", "每周通信量", "每月通信量"};
  Settings s;
  for (quint8 mode = 0; mode < 6; ++mode) {
    s.TrayIconMode = mode;
    window.SettingsToControls(s);
    ASSERT_NE(TrayRadios().checkedButton(), nullptr) << int(mode);
    EXPECT_EQ(TrayRadios().checkedButton()->text(), QString::fromUtf8(trayItems[mode])) << int(mode);
  }
  EXPECT_EQ(cmbVolumeUnit.itemText(1), QStringLiteral("十亿字节"));
  EXPECT_EQ(cmbVolumeUnit.itemText(4), QStringLiteral("字节"));

  s.MonthStartsOn = 31;
  s.WeekStartsOn = 7;
  s.Unit = 1;
  window.SettingsToControls(s);
  EXPECT_EQ(Child<QComboBox>(window, "ComboBoxMonthStarts").currentText(), QStringLiteral("31st"));
  EXPECT_EQ(ComboBoxWeekStarts.currentText(), QStringLiteral("周日"));

  s.WeekStartsOn = 0;
  s.Unit = 7;
  window.SettingsToControls(s);
  EXPECT_EQ(ComboBoxWeekStarts.currentIndex(), -1);
  EXPECT_EQ(Child<QButtonGroup>(window, "rgUnitItems").checkedId(), 1);

  TrayRadios().button(2)->click();  // weekly traffic
  Settings back;
  back.WeekStartsOn = 5;
  window.ControlsToSettings(back);
  EXPECT_EQ(back.WeekStartsOn, 0);
  EXPECT_EQ(back.TrayIconMode, 4);
  EXPECT_EQ(back.Unit, 1);
}

TEST_F(SettingsWindowTest, ChoosingAnotherInterfaceRestartsSampling) {
  Settings s;
  cmbInterfaces.setCurrentIndex(3);
  EXPECT_TRUE(window.ControlsToSettings(s));
  EXPECT_EQ(s.InterfaceGuid, QStringLiteral("enp3s0"));
  EXPECT_FALSE(window.ControlsToSettings(s));  // the same choice again

  // A monitored source that is not listed changes nothing.
  s.InterfaceGuid = QStringLiteral("ppp0");
  window.SelectCurrentInterface(s.InterfaceGuid);
  EXPECT_FALSE(window.ControlsToSettings(s));
  EXPECT_EQ(s.InterfaceGuid, QStringLiteral("ppp0"));
}

// The interfaces change while the window is open: a source picked and not applied yet stays
// picked while it is listed.
TEST_F(SettingsWindowTest, ARefillKeepsTheUnappliedPick) {
  cmbInterfaces.setCurrentIndex(3);
  AdapterList more = Adapters;
  more.insert(more.begin() + 3, Entry("new link", akInterface, QStringLiteral("veth7")));
  window.RefillInterfaceCombo(more, AllConnectionsGuid);
  EXPECT_EQ(window.ChosenInterface()->Guid, QStringLiteral("enp3s0"));

  more.erase(more.begin() + 4);  // the picked one is gone: the applied one again
  window.RefillInterfaceCombo(more, AllConnectionsGuid);
  EXPECT_EQ(window.ChosenInterface()->Guid, AllConnectionsGuid);
}

TEST_F(SettingsWindowTest, TheFirstOfEqualIdentifiersIsSelected) {
  AdapterList twice = Adapters;
  twice.push_back(Entry("Büro again", akInterface, QStringLiteral("enp3s0")));
  window.FillInterfaceCombo(twice);
  window.SelectCurrentInterface(QStringLiteral("enp3s0"));
  EXPECT_EQ(cmbInterfaces.currentIndex(), 3);
  window.SelectCurrentInterface(QStringLiteral("ENP3S0"));  // exact comparison
  EXPECT_EQ(cmbInterfaces.currentIndex(), -1);
}

TEST_F(SettingsWindowTest, InterfaceInformationFollowsTheList) {
  window.SelectCurrentInterface(QStringLiteral("enp3s0"));
  EXPECT_EQ(lblIfInfo.text(), QStringLiteral("IP地址: 192.0.2.1    MAC: 52-54-00-AB-CD-EF-00-00"));
  cmbInterfaces.setCurrentIndex(4);
  EXPECT_EQ(lblIfInfo.text(), QStringLiteral("IP地址: 198.51.100.1    MAC: 0A-0B-0C-0D-0E-0F-00-00"));

  // A rebuilt list with fewer entries never shows a stale entry.
  window.FillInterfaceCombo(AdapterList(Adapters.begin(), Adapters.begin() + 3));
  EXPECT_EQ(lblIfInfo.text(), QStringLiteral("Not Available"));
  window.SelectCurrentInterface(AllDialupGuid);
  EXPECT_EQ(cmbInterfaces.currentText(), QStringLiteral("All Dial-up Connections"));
}

TEST_F(SettingsWindowTest, CancelKeepsTheEditsInTheControlsOnly) {
  const Settings settings = EditedSettings();
  window.SettingsToControls(settings);
  int accepted = 0;
  QObject::connect(&window, &TSettingsWindow::okClicked, [&] { ++accepted; });
  QObject::connect(&window, &TSettingsWindow::applyClicked, [&] { ++accepted; });
  ShowAsTheOwnerDoes(settings);

  cbEnableAutorun.click();
  SpinPeakTo.setValue(20);
  cmbInterfaces.setCurrentIndex(0);
  Child<QPushButton>(window, "bbCancel").click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(accepted, 0);

  // Shown again: the edits are still there, the interface follows the settings again.
  ShowAsTheOwnerDoes(settings);
  EXPECT_TRUE(cbEnableAutorun.isChecked());
  EXPECT_EQ(SpinPeakTo.value(), 20);
  EXPECT_EQ(cmbInterfaces.currentText(), QStringLiteral("wlan0"));
}

// Apply and the showing reach the owner in the main form's tests.
TEST_F(SettingsWindowTest, OkAndHelpTellTheOwnerAndOnlyOkHides) {
  int ok = 0, help = 0;
  QObject::connect(&window, &TSettingsWindow::okClicked, [&] { ++ok; });
  QObject::connect(&window, &TSettingsWindow::helpClicked, [&] { ++help; });
  window.show();
  Child<QPushButton>(window, "ButtonApply").click();
  Child<QPushButton>(window, "bbHelp").click();
  EXPECT_TRUE(window.isVisible());
  Child<QPushButton>(window, "bbOk").click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(ok, 1);
  EXPECT_EQ(help, 1);
}

// That closing only hides it while the program runs, the end-to-end test shows.
TEST(SettingsWindowLifetimeTest, ClosingFreesTheWindowOnceTheProgramEnds) {
  QPointer<TSettingsWindow> window = new TSettingsWindow;
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  window->SetTerminating(true);
  EXPECT_TRUE(window->close());
  testing_support::RunDeferredDeletes();
  EXPECT_TRUE(window.isNull());
}

TEST(SettingsWindowLifetimeTest, ShowingCentresTheWindowOnItsScreen) {
  TSettingsWindow window;
  window.move(0, 0);
  window.show();
  const QRect available = window.screen()->availableGeometry();
  EXPECT_LE((window.frameGeometry().center() - available.center()).manhattanLength(), 2);
}

}  // namespace
}  // namespace meterly
