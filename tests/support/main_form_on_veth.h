#pragma once

// The main form on the fake platform, watching one Ethernet link "veth9", with its usage record
// in a temporary folder of its own.

#include "app/main_meterly_form.h"
#include "core/settings_store.h"
#include "fakes/fake_platform.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace meterly::testing_support {

class MainFormOnVeth : public ::testing::Test {
 protected:
  MainFormOnVeth() {
    platform.session.data = folder.filePath(QStringLiteral("data"));
    platform.session.allUsersData = platform.session.data;
    platform.addInterface(2, QStringLiteral("veth9"), platform::IfType::Ethernet, 1000, 1000);
    settings.InterfaceGuid = QStringLiteral("veth9");
    store = std::make_unique<SettingsStore>(platform.registry());
    form = std::make_unique<TMainMeterlyForm>(platform, settings, *store, CommandLineSwitches{});
  }

  QTemporaryDir folder;
  fakes::FakePlatform platform;
  Settings settings;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<TMainMeterlyForm> form;
};

}  // namespace meterly::testing_support
