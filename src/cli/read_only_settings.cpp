#include "cli/read_only_settings.h"

#include "core/settings_store.h"

namespace meterly {

namespace {

// Passes reads on and refuses every change, so that the registry's own handling of a damaged
// file (moving it aside) cannot happen here.
class ReadOnlyRegistryFile final : public platform::RegistryFile {
 public:
  explicit ReadOnlyRegistryFile(platform::RegistryFile& file) : file_(file) {}

  std::optional<QByteArray> Read() override { return file_.Read(); }
  void Write(const QByteArray&) override { Refuse(); }
  QString SetAside() override { Refuse(); }
  QString Location() const override { return file_.Location(); }

 private:
  [[noreturn]] void Refuse() const {
    throw platform::RegistryError(QStringLiteral("%1 is only read here").arg(file_.Location()));
  }

  platform::RegistryFile& file_;
};

}  // namespace

Settings ReadSettingsUnchanged(platform::RegistryFile& file, const SettingsContext& context) {
  ReadOnlyRegistryFile readOnly(file);
  platform::Registry registry(readOnly);
  try {
    registry.Load();
  } catch (const platform::RegistryError&) {
    // Unreadable: the defaults, as the monitor itself would use.
  }
  const SettingsStore store(registry);
  Settings settings;
  LoadSettings(store, settings, context, nullptr);
  return settings;
}

}  // namespace meterly
