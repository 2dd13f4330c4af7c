#pragma once

#include "fakes/fake_dialup.h"
#include "fakes/fake_icmp.h"
#include "fakes/fake_net_stat.h"
#include "fakes/fake_registry_file.h"
#include "platform/platform.h"

#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace meterly::fakes {

class FakeInterfaceTable : public platform::InterfaceTable {
 public:
  std::optional<std::vector<platform::InterfaceRow>> Rows() override;
  std::optional<platform::InterfaceRow> RowByName(const QString& name) override;

  // Adds traffic to the named interface's counters.
  void AddTraffic(const QString& name, quint64 received, quint64 sent);

  std::vector<platform::InterfaceRow> table;
  bool failing = false;  // every call answers "cannot be read"
};

class FakeAddressTable : public platform::AddressTable {
 public:
  std::optional<std::vector<platform::Ipv4AddressRow>> Ipv4Addresses() override;

  std::vector<platform::Ipv4AddressRow> table;
  bool failing = false;
};

class FakeAddressChangeWatch : public platform::AddressChangeWatch {
 public:
  bool TakeChange() override;

  int pendingChanges = 0;  // a test raises this to signal changes
};

class FakeUserSession : public platform::UserSession {
 public:
  QString UserName() override { return user; }
  QString ExecutablePath() override { return executable; }
  QString ConfigDir() override { return QStringLiteral("/tmp/fake-config/Corvane/Meterly"); }
  QString DataDir() override { return data; }
  QString RuntimeDir() override { return QStringLiteral("/tmp/fake-runtime/Meterly"); }
  QString AllUsersDataDir() override { return allUsersData; }

  QString user = QStringLiteral("tester");
  QString executable = QStringLiteral("/opt/meterly/meterly");
  QString data = QStringLiteral("/tmp/fake-data/Corvane/Meterly");
  QString allUsersData = QStringLiteral("/tmp/fake-data/Corvane/Meterly");
};

class FakeInstanceLock : public platform::InstanceLock {
 public:
  bool AcquireSingleInstance() override { return true; }
  void HoldMarkers() override {}
};

class FakeClock : public platform::Clock {
 public:
  quint32 TickCount() override { return ticks; }
  QDateTime Now() override { return localNow; }

  // Moves both clocks on.
  void AdvanceMs(qint64 ms);

  quint32 ticks = 1000;
  QDateTime localNow = QDateTime(QDate(2026, 3, 31), QTime(12, 0, 0));
};

// Records what is opened and answers with a scripted result.
class FakeShell : public platform::Shell {
 public:
  int ShellExecute(const QString& target) override;

  void OpenProgram(const QString& target, std::function<void(int result)> done) override;

  std::vector<QString> targets;
  int result = platform::ShellResult::Started;
  std::vector<QString> programs;  // what OpenProgram was given, answered at once with programResult
  int programResult = platform::ShellResult::Started;
};

// Records the files it is asked to play; plays nothing.
class FakeSoundService : public platform::SoundService {
 public:
  bool PlaySoundFile(const QString& fileName) override {
    played.push_back(fileName);
    return true;
  }

  std::vector<QString> played;
};

// Sections in memory: the same name gives the same bytes, as long as the fake lives.
class FakeSharedMemory : public platform::SharedMemory {
 public:
  std::unique_ptr<platform::SharedSection> Open(const QString& name, int size) override;

  // The bytes of a section opened before; throws std::out_of_range for an unknown name.
  std::vector<quint8>& bytes(const QString& name) { return *sections.at(name); }

  std::map<QString, std::shared_ptr<std::vector<quint8>>> sections;
  bool failing = false;  // every open throws SharedMemoryError
};

// Answers what the test sets, counting the questions.
class FakeShellTrayState : public platform::ShellTrayState {
 public:
  std::optional<bool> HidesInactiveIcons() override;
  platform::TrayHosts PresentTrayHosts() override { return hosts; }
  bool ShowNotification(const QString& title, const QString& text) override;

  std::optional<bool> hidesInactiveIcons = false;  // nullopt: the desktop cannot tell
  int questions = 0;
  platform::TrayHosts hosts;                               // no tray at all unless a test adds one
  std::vector<std::pair<QString, QString>> notifications;  // title and text, newest last
};

// Counts the requests to power off and answers them as told; never turns anything off.
class FakePowerService : public platform::PowerService {
 public:
  bool PowerOff(QString* error) override;

  int powerOffCalls = 0;
  bool refusing = false;  // every request fails, as logind does for a user without the right
};

// Records what is registered and answers as told; EmitActivated() plays the key being pressed.
class FakeGlobalHotKey : public platform::GlobalHotKey {
 public:
  bool Register(const QKeySequence& keys, QString* error) override;
  void Unregister() override;

  void EmitActivated() { Q_EMIT activated(); }

  std::vector<QKeySequence> registrations;  // every request, in order, failed ones too
  QKeySequence held;                        // empty while nothing is registered
  int unregisterCalls = 0;
  QString failure;  // when set, every registration fails with this reason
};

// A platform that tests script: interface rows and counters, address changes, the
// registry's contents, the user name and the clock.
class FakePlatform : public platform::Platform {
 public:
  FakePlatform() : registry_(registryFile) {}

  QString UnsupportedReason() override { return {}; }
  platform::InterfaceTable& interfaceTable() override { return interfaces; }
  platform::AddressTable& addressTable() override { return addresses; }
  platform::AddressChangeWatch& addressChangeWatch() override { return addressWatch; }
  platform::Registry& registry() override { return registry_; }
  platform::UserSession& userSession() override { return session; }
  platform::InstanceLock& instanceLock() override { return lock; }
  platform::Clock& clock() override { return clockFake; }
  platform::Shell& shell() override { return shellFake; }
  platform::SharedMemory& sharedMemory() override { return sharedMemoryFake; }
  platform::GlobalHotKey& globalHotKey() override { return hotKeyFake; }
  platform::PowerService& Power() override { return powerFake; }
  platform::ShellTrayState& TrayState() override { return trayStateFake; }
  platform::IcmpService& Icmp() override { return icmpFake; }
  platform::DialupService& dialup() override { return dialupFake; }
  platform::SocketTable& socketTable() override { return socketsFake; }
  platform::ProcessService& Processes() override { return processesFake; }
  platform::NameLookup& nameLookup() override { return namesFake; }
  platform::SoundService& Sound() override { return soundFake; }

  // Adds an interface row with the given counters and returns it for further scripting.
  platform::InterfaceRow& AddInterface(quint32 index, const QString& name, quint32 type, quint64 in = 0,
                                       quint64 out = 0);

  FakeInterfaceTable interfaces;
  FakeAddressTable addresses;
  FakeAddressChangeWatch addressWatch;
  FakeRegistryFile registryFile;
  FakeUserSession session;
  FakeInstanceLock lock;
  FakeClock clockFake;
  FakeShell shellFake;
  FakeSharedMemory sharedMemoryFake;
  FakeGlobalHotKey hotKeyFake;
  FakePowerService powerFake;
  FakeShellTrayState trayStateFake;
  FakeIcmpService icmpFake;
  FakeDialupService dialupFake;
  FakeSocketTable socketsFake;
  FakeProcessService processesFake;
  FakeNameLookup namesFake;
  FakeSoundService soundFake;

 private:
  platform::Registry registry_;
};

}  // namespace meterly::fakes
