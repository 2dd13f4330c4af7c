#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>
#include <optional>

namespace meterly::platform {

// Status codes of an echo answer: 0 is a reply from the destination, the 11xxx codes are the
// ICMP errors and local failures that came back instead.
namespace IcmpStatus {
constexpr quint32 Success = 0;
constexpr quint32 BufferTooSmall = 11001;
constexpr quint32 DestinationNetUnreachable = 11002;
constexpr quint32 DestinationHostUnreachable = 11003;
constexpr quint32 DestinationProtocolUnreachable = 11004;
constexpr quint32 DestinationPortUnreachable = 11005;
constexpr quint32 NoResources = 11006;
constexpr quint32 BadOption = 11007;
constexpr quint32 HardwareError = 11008;
constexpr quint32 PacketTooBig = 11009;
constexpr quint32 RequestTimedOut = 11010;
constexpr quint32 BadRequest = 11011;
constexpr quint32 BadRoute = 11012;
constexpr quint32 TtlExpiredTransit = 11013;
constexpr quint32 TtlExpiredReassembly = 11014;
constexpr quint32 ParameterProblem = 11015;
constexpr quint32 SourceQuench = 11016;
constexpr quint32 GeneralFailure = 11050;
}  // namespace IcmpStatus

// What came back for one echo request.
struct EchoReply {
  quint32 status = IcmpStatus::Success;
  quint32 address = 0;      // IPv4, host order: the destination, or the router that answered instead
  quint32 roundTripMs = 0;  // from sending to the answer
  int ttl = -1;             // time-to-live of the answer as it arrived; -1 when unknown

  friend bool operator==(const EchoReply&, const EchoReply&) = default;
};

// One open ICMP echo channel, used by one thread at a time; cancel() may come from any thread.
class IcmpHandle {
 public:
  virtual ~IcmpHandle() = default;

  // Sends one echo request with the given time-to-live and `data` as its payload and waits up
  // to timeoutMs for its answer. Answers to other requests (earlier ones arriving late, other
  // programs' pings) are passed over. nullopt when nothing answered in time or the wait was
  // cancelled. A failure to send is an answer with its status (no route: network unreachable).
  virtual std::optional<EchoReply> SendEcho(quint32 destination, int ttl, int timeoutMs, const QByteArray& data) = 0;

  // Ends the current wait at once and every later one: safe from any thread.
  virtual void Cancel() = 0;
};

// ICMP echo and the host-name lookups its tools need.
class IcmpService {
 public:
  virtual ~IcmpService() = default;

  // Empty when echo requests can be sent; otherwise why they cannot, for the user to read.
  // Decided once, when the service is created.
  virtual QString UnavailableReason() const = 0;
  bool Available() const { return UnavailableReason().isEmpty(); }

  // A new channel, or nullptr (with the reason in *error when given) when none can be opened.
  virtual std::unique_ptr<IcmpHandle> Open(QString* error = nullptr) = 0;

  // The first IPv4 address of a host name or dotted address, host order; nullopt when it does
  // not resolve. May block on the name service: call it off the user-interface thread.
  virtual std::optional<quint32> ResolveHost(const QString& host) = 0;

  // The host name of an address, empty when it has none. May block like resolveHost.
  virtual QString HostNameOf(quint32 address) = 0;
};

}  // namespace meterly::platform
