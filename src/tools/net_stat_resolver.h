#pragma once

#include "platform/name_lookup.h"
#include "tools/net_stat_rows.h"

#include <QObject>
#include <QThreadPool>

#include <map>

namespace meterly {

// Names for the connections list. Host names of remote addresses are looked up on worker
// threads, each address once for the window's life; the rows show the numbers until the name
// arrives. Service names come from the local lookup and are kept too.
class TNetStatResolver : public QObject, public TNetStatNames {
  Q_OBJECT

 public:
  // Reads the local host name once, now.
  explicit TNetStatResolver(platform::NameLookup& lookup, QObject* parent = nullptr);
  // Drops the lookups that have not started and waits for those under way.
  ~TNetStatResolver() override;

  // The rows built from now on belong to this refresh.
  void BeginGeneration(int generation) { generation_ = generation; }

  QString LocalHostName() override { return localHostName_; }
  QString ServiceName(quint16 port, platform::SocketProtocol protocol) override;
  // Starts a lookup the first time an address is asked for.
  QString RemoteHostName(const QByteArray& address) override;

  // Waits until every lookup started has answered; false when the time ran out.
  bool WaitForLookups(int timeoutMs);

 Q_SIGNALS:
  // The host name of an address is known now (empty: it has none); `generation` is the latest
  // refresh whose rows asked for it.
  void resolved(const QByteArray& address, int generation);

 private:
  struct HostEntry {
    bool Known = false;
    QString Name;
    int Generation = 0;
  };

  void HostFound(const QByteArray& address, const QString& name);

  platform::NameLookup& lookup_;
  const QString localHostName_;
  int generation_ = 0;
  std::map<QByteArray, HostEntry> hosts_;
  std::map<std::pair<quint16, platform::SocketProtocol>, QString> services_;
  QThreadPool pool_;
};

}  // namespace meterly
