#include "core/settings_mapping.h"
#include "base/assertion.h"

#include "support/expect_assertion.h"

#include <gtest/gtest.h>

#include <functional>

namespace meterly {
namespace {

using testing_support::ExpectAssertion;

TEST(SettingsMappingTest, TrayIconModeRadioItemsAreInTheirOwnOrder) {
  // Dial-up time and weekly traffic change places in the settings window's test.
  EXPECT_EQ(TrayIconModeToRadioIndex(0), 0);
  EXPECT_EQ(TrayIconModeToRadioIndex(3), 5);  // usage chart
  for (quint8 stored = 0; stored < 6; ++stored) {
    EXPECT_EQ(RadioIndexToTrayIconMode(TrayIconModeToRadioIndex(stored)), stored) << int(stored);
  }
}

TEST(SettingsMappingTest, ValuesTheControlsCannotShowAreConsistencyErrorsOfMain) {
  ExpectAssertion("Main", [] { TrayIconModeToRadioIndex(6); });
  ExpectAssertion("Main", [] { TrayIconModeToRadioIndex(255); });
  ExpectAssertion("Main", [] { RadioIndexToTrayIconMode(-1); });  // no item chosen
  ExpectAssertion("Main", [] { RadioIndexToTrayIconMode(6); });
  ExpectAssertion("Main", [] { VolumeUnitIndexChecked(5); });
  ExpectAssertion("Main", [] { VolumeUnitIndexChecked(-1); });
  EXPECT_EQ(VolumeUnitIndexChecked(0), 0);
  EXPECT_EQ(VolumeUnitIndexChecked(4), 4);
}

TEST(SettingsMappingTest, MonthStartItemsCarryTheirOrdinalSuffix) {
  const std::pair<int, const char*> expected[] = {{1, "1st"},   {2, "2nd"},   {3, "3rd"},   {4, "4th"},
                                                  {11, "11th"}, {12, "12th"}, {13, "13th"}, {21, "21st"},
                                                  {22, "22nd"}, {23, "23rd"}, {24, "24th"}, {31, "31st"}};
  for (const auto& [day, text] : expected) EXPECT_EQ(MonthStartItemText(day), QLatin1String(text)) << day;
}

TEST(SettingsMappingTest, InterfaceInfoShowsAddressAndEightUppercaseBytes) {
  TAdapterEntry aggregate{QStringLiteral("All Connections"), 0, akAllConnections, {}, 0, AllConnectionsGuid};
  EXPECT_EQ(InterfaceInfoText(&aggregate), QStringLiteral("IP地址: 0.0.0.0    MAC: 00-00-00-00-00-00-00-00"));

  TAdapterEntry ethernet{QStringLiteral("enp3s0"), 2, akInterface, {0x00, 0x1a, 0x2b, 0xcd, 0xef, 0xf0}, 0xC0000201,
                         QStringLiteral("enp3s0")};
  EXPECT_EQ(InterfaceInfoText(&ethernet), QStringLiteral("IP地址: 192.0.2.1    MAC: 00-1A-2B-CD-EF-F0-00-00"));

  TAdapterEntry highBytes = ethernet;
  highBytes.IpAddress = 0xFFFEFD0A;
  highBytes.PhysAddr = {0xff, 0xee, 0xdd, 0xcc, 0xbb, 0xaa, 0x99, 0x88};
  EXPECT_EQ(InterfaceInfoText(&highBytes), QStringLiteral("IP地址: 255.254.253.10    MAC: FF-EE-DD-CC-BB-AA-99-88"));

  EXPECT_EQ(InterfaceInfoText(nullptr), QStringLiteral("Not Available"));
}

TEST(SettingsMappingTest, ShellErrorsWithoutATextShowTheirNumber) {
  EXPECT_EQ(ShellErrorText(0), QStringLiteral("The operating system is out of memory or resources."));
  EXPECT_EQ(ShellErrorText(1), QStringLiteral("Unknown error (1)"));
}

}  // namespace
}  // namespace meterly
