#include "tools/net_stat_resolver.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace meterly {
namespace {

// Few at a time: a burst of reverse lookups must not flood the name server.
constexpr int kLookupThreads = 4;

}  // namespace

TNetStatResolver::TNetStatResolver(platform::NameLookup& lookup, QObject* parent)
    : QObject(parent), lookup_(lookup), localHostName_(lookup.LocalHostName()) {
  pool_.setMaxThreadCount(kLookupThreads);
}

TNetStatResolver::~TNetStatResolver() {
  pool_.clear();
  pool_.waitForDone();
}

QString TNetStatResolver::ServiceName(quint16 port, platform::SocketProtocol protocol) {
  const auto key = std::make_pair(port, protocol);
  auto found = services_.find(key);
  if (found == services_.end()) found = services_.emplace(key, lookup_.ServiceName(port, protocol)).first;
  return found->second;
}

QString TNetStatResolver::RemoteHostName(const QByteArray& address) {
  auto [entry, fresh] = hosts_.try_emplace(address);
  entry->second.Generation = generation_;
  if (fresh) {
    pool_.start([this, address] {
      const QString name = lookup_.HostName(address);
      // The window's thread takes the answer; this object outlives every task (see the destructor).
      QMetaObject::invokeMethod(
          this, [this, address, name] { HostFound(address, name); }, Qt::QueuedConnection);
    });
  }
  return entry->second.Name;
}

void TNetStatResolver::HostFound(const QByteArray& address, const QString& name) {
  HostEntry& entry = hosts_[address];
  entry.Known = true;
  entry.Name = name;
  Q_EMIT resolved(address, entry.Generation);
}

bool TNetStatResolver::WaitForLookups(int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  for (;;) {
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    const bool allKnown = std::all_of(hosts_.begin(), hosts_.end(), [](const auto& host) { return host.second.Known; });
    if (allKnown) return true;
    if (deadline.hasExpired()) return false;
    pool_.waitForDone(10);
  }
}

}  // namespace meterly
