#pragma once

#include "platform/linux/netlink_message.h"
#include "platform/linux/netlink_reply.h"

#include <QString>
#include <QtGlobal>

#include <vector>

namespace meterly::platform::netlink {

struct SocketOptions {
  quint32 multicastGroups = 0;  // RTMGRP_* bits to listen to
  bool nonBlocking = false;
};

// One datagram taken from the socket.
struct Datagram {
  enum class Status { Data, WouldBlock, Overrun, Failed };
  Status status = Status::Failed;
  Bytes bytes;    // valid until the next receive
  int error = 0;  // errno when not Data
};

// An AF_NETLINK / NETLINK_ROUTE socket. Only datagrams sent by the kernel are ever handed out.
class Socket {
 public:
  static Socket Open(const SocketOptions& options);

  Socket(Socket&& other) noexcept;
  Socket& operator=(Socket&& other) noexcept;
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  ~Socket();

  bool IsOpen() const { return fd_ >= 0; }
  int OpenError() const { return openError_; }  // errno of a failed open()
  int Fd() const { return fd_; }                // for poll(); -1 while closed

  // The next datagram, whatever its size (the receive buffer grows to fit it).
  Datagram Receive(int flags);

  // Sends a request (its sequence number is filled in here) and hands each message of its reply
  // to onMessage (see ReplyReader).
  ReplyStatus request(std::vector<std::byte> message, const MessageHandler& onMessage);

 private:
  Socket(int fd, int openError);
  bool Send(const std::vector<std::byte>& message);
  ReplyStatus ReadReply(quint32 sequence, const MessageHandler& onMessage);
  void Close();

  int fd_ = -1;
  int openError_ = 0;
  quint32 nextSequence_ = 1;
  std::vector<std::byte> buffer_;
};

// The text of an errno value, for failure() accessors.
QString ErrorText(int error);

}  // namespace meterly::platform::netlink
