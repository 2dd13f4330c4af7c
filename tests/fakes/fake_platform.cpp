#include "fakes/fake_platform.h"

#include <algorithm>

namespace meterly::fakes {

std::optional<std::vector<platform::InterfaceRow>> FakeInterfaceTable::Rows() {
  if (failing) return std::nullopt;
  return table;
}

std::optional<platform::InterfaceRow> FakeInterfaceTable::RowByName(const QString& name) {
  if (failing) return std::nullopt;
  const auto it =
      std::find_if(table.begin(), table.end(), [&](const platform::InterfaceRow& row) { return row.name == name; });
  if (it == table.end()) return std::nullopt;
  return *it;
}

void FakeInterfaceTable::AddTraffic(const QString& name, quint64 received, quint64 sent) {
  for (platform::InterfaceRow& row : table) {
    if (row.name != name) continue;
    row.inOctets += received;
    row.outOctets += sent;
  }
}

std::optional<std::vector<platform::Ipv4AddressRow>> FakeAddressTable::Ipv4Addresses() {
  if (failing) return std::nullopt;
  return table;
}

bool FakeAddressChangeWatch::TakeChange() {
  const bool changed = pendingChanges > 0;
  pendingChanges = 0;
  return changed;
}

void FakeClock::AdvanceMs(qint64 ms) {
  ticks += static_cast<quint32>(ms);
  localNow = localNow.addMSecs(ms);
}

int FakeShell::ShellExecute(const QString& target) {
  targets.push_back(target);
  return result;
}

void FakeShell::OpenProgram(const QString& target, std::function<void(int result)> done) {
  programs.push_back(target);
  done(programResult);
}

namespace {

class FakeSharedSection : public platform::SharedSection {
 public:
  explicit FakeSharedSection(std::shared_ptr<std::vector<quint8>> bytes) : bytes_(std::move(bytes)) {}
  quint8* data() override { return bytes_->data(); }
  int size() const override { return static_cast<int>(bytes_->size()); }

 private:
  std::shared_ptr<std::vector<quint8>> bytes_;
};

}  // namespace

std::unique_ptr<platform::SharedSection> FakeSharedMemory::Open(const QString& name, int size) {
  if (failing) throw platform::SharedMemoryError(QStringLiteral("fake failure opening ") + name);
  auto& bytes = sections[name];
  if (!bytes) bytes = std::make_shared<std::vector<quint8>>(static_cast<size_t>(size));
  if (static_cast<int>(bytes->size()) != size) {
    throw platform::SharedMemoryError(QStringLiteral("fake section %1 has another size").arg(name));
  }
  return std::make_unique<FakeSharedSection>(bytes);
}

std::optional<bool> FakeShellTrayState::HidesInactiveIcons() {
  ++questions;
  return hidesInactiveIcons;
}

bool FakeShellTrayState::ShowNotification(const QString& title, const QString& text) {
  notifications.emplace_back(title, text);
  return true;
}

bool FakePowerService::PowerOff(QString* error) {
  ++powerOffCalls;
  if (!refusing) return true;
  if (error != nullptr) *error = QStringLiteral("Access denied (fake)");
  return false;
}

bool FakeGlobalHotKey::Register(const QKeySequence& keys, QString* error) {
  registrations.push_back(keys);
  held = QKeySequence();
  if (failure.isEmpty()) {
    held = keys;
    return true;
  }
  if (error != nullptr) *error = failure;
  return false;
}

void FakeGlobalHotKey::Unregister() {
  ++unregisterCalls;
  held = QKeySequence();
}

platform::InterfaceRow& FakePlatform::AddInterface(quint32 index, const QString& name, quint32 type, quint64 in,
                                                   quint64 out) {
  platform::InterfaceRow row;
  row.index = index;
  row.name = name;
  row.description = name;
  row.type = type;
  row.physAddr = QByteArray::fromHex("020000000000");
  row.physAddr[5] = static_cast<char>(index);
  row.inOctets = in;
  row.outOctets = out;
  interfaces.table.push_back(row);
  return interfaces.table.back();
}

}  // namespace meterly::fakes
