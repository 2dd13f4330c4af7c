#include "cli/read_only_settings.h"

#include "core/settings_store.h"

namespace meterly {

namespace {

// Passes reads on and refuses every change, so that the registry's own handling of a damaged
// file (moving it aside) cannot happen here.
class ReadOnlyRegistryFile final : public platform::RegistryFile {
 public:
  explicit ReadOnlyRegistryFile(platform::RegistryFile& file) : file_(file) {}

  std::optional<QByteArray> read() override { return file_.read(); }
  void write(const QByteArray&) override { refuse(); }
  QString setAside() override { refuse(); }
  QString location() const override { return file_.location(); }

 private:
  [[noreturn]] void refuse() const {
    throw platform::RegistryError(QStringLiteral("%1 is only read here").arg(file_.location()));
  }

  platform::RegistryFile& file_;
};

}  // namespace

Settings ReadSettingsUnchanged(platform::RegistryFile& file, const SettingsContext& context) {
  ReadOnlyRegistryFile readOnly(file);
  platform::Registry registry(readOnly);
  try {
    registry.load();
  } catch (const platform::RegistryError&) {
    // Unreadable: the defaults, as the monitor itself would use.
  }
  const SettingsStore store(registry);
  Settings settings;
  LoadSettings(store, settings, context, nullptr);
  return settings;
}

}  // namespace meterly
