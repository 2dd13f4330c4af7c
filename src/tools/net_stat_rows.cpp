#include "tools/net_stat_rows.h"

#include "tools/net_stat_texts.h"

#include <QCoreApplication>

#include <unordered_map>

namespace meterly {
namespace {

using platform::SocketProtocol;
using platform::SocketRow;

QString PortText(quint16 port, SocketProtocol protocol, bool resolve, TNetStatNames& names) {
  if (resolve) {
    const QString service = names.ServiceName(port, protocol);
    if (!service.isEmpty()) return service;
  }
  return QString::number(port);
}

QString LocalAddressText(const SocketRow& socket, bool resolve, TNetStatNames& names) {
  const QString address = resolve ? names.LocalHostName() : NumericAddressText(socket.local.address);
  return EndpointText(address, PortText(socket.local.port, socket.protocol, resolve, names));
}

QString RemoteHostText(const QByteArray& address, bool resolve, TNetStatNames& names) {
  if (!resolve || IsAnyAddress(address)) return NumericAddressText(address);
  if (IsLoopbackAddress(address)) return QStringLiteral("localhost");
  const QString name = names.RemoteHostName(address);
  return name.isEmpty() ? NumericAddressText(address) : name;
}

bool Admitted(const SocketRow& socket, const TNetStatOptions& options) {
  if (!options.OnlyEstablished) return true;
  return socket.protocol == SocketProtocol::Tcp && socket.state == platform::TcpState::Established;
}

}  // namespace

QStringList NetStatColumns() {
  return {QCoreApplication::translate("NetStatRows", "应用程序"), QCoreApplication::translate("NetStatRows", "协议"),
          QCoreApplication::translate("NetStatRows", "本地地址"),
          QCoreApplication::translate("NetStatRows", "远程地址"), QCoreApplication::translate("NetStatRows", "状态")};
}

QString RemoteAddressText(const SocketRow& socket, bool resolve, TNetStatNames& names) {
  if (socket.protocol == SocketProtocol::Udp) return UdpRemoteText();
  const QByteArray& address = socket.remote.address;
  const QString port =
      IsAnyAddress(address) ? QStringLiteral("0") : PortText(socket.remote.port, socket.protocol, resolve, names);
  return EndpointText(RemoteHostText(address, resolve, names), port);
}

std::vector<TNetStatRow> BuildNetStatRows(const std::vector<SocketRow>& sockets, platform::ProcessService& processes,
                                          const TNetStatOptions& options, TNetStatNames& names) {
  std::unordered_map<qint64, std::optional<platform::ProcessInfo>> seen;
  const bool resolve = options.ResolveAddresses;
  std::vector<TNetStatRow> rows;
  rows.reserve(sockets.size());
  for (const SocketRow& socket : sockets) {
    if (!Admitted(socket, options)) continue;
    TNetStatRow row;
    row.Socket = socket;
    row.Protocol = socket.protocol == SocketProtocol::Tcp ? QStringLiteral("TCP") : QStringLiteral("UDP");
    row.LocalAddress = LocalAddressText(socket, resolve, names);
    row.RemoteAddress = RemoteAddressText(socket, resolve, names);
    if (socket.protocol == SocketProtocol::Tcp) row.State = TcpStateName(socket.state);
    row.Caption = QCoreApplication::translate("NetStatRows", "System");
    if (socket.pid > 0) {
      auto [known, fresh] = seen.try_emplace(socket.pid);
      if (fresh) known->second = processes.Info(socket.pid);
      if (const auto& process = known->second) {
        row.Caption = process->name.isEmpty() ? row.Caption : process->name;
        row.Process = process->identity;
        row.Terminable = process->mayTerminate && process->identity.pid > 1;
      }
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace meterly
