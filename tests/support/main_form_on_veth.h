#pragma once

// The main form on the fake platform, watching one Ethernet link "veth9", with its usage record
// in a temporary folder of its own; MainFormOnVethLater for tests that set more up before they
// Create() it.

#include "app/main_meterly_form.h"
#include "core/settings_store.h"
#include "fakes/fake_platform.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace meterly::testing_support {

class MainFormOnVeth : public ::testing::Test {
 protected:
  explicit MainFormOnVeth(bool createNow = true) {
    platform.session.data = folder.filePath(QStringLiteral("data"));
    platform.session.allUsersData = platform.session.data;
    platform.AddInterface(2, QStringLiteral("veth9"), platform::IfType::Ethernet, 1000, 1000);
    settings.InterfaceGuid = QStringLiteral("veth9");
    store = std::make_unique<SettingsStore>(platform.registry());
    if (createNow) Create();
  }

  void Create(const CommandLineSwitches& switches = {}) {
    form = std::make_unique<TMainMeterlyForm>(platform, settings, *store, switches);
  }

  // Runs count ticks, the given traffic coming before each.
  void Ticks(int count, quint64 in = 10, quint64 out = 1) {
    for (int i = 0; i < count; ++i) {
      platform.interfaces.AddTraffic(QStringLiteral("veth9"), in, out);
      form->Tick().TimerTimer();
    }
  }

  QTemporaryDir folder;
  fakes::FakePlatform platform;
  Settings settings;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<TMainMeterlyForm> form;
};

class MainFormOnVethLater : public MainFormOnVeth {
 protected:
  MainFormOnVethLater() : MainFormOnVeth(false) {}
};

}  // namespace meterly::testing_support
