#pragma once

// Reading and writing netlink messages and their attributes. Every read is bounds-checked
// against the buffer it was given: a length field that points outside the buffer marks the
// buffer malformed and ends the walk, it never moves the read past the end.

#include <QByteArray>
#include <QtGlobal>

#include <linux/netlink.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <optional>
#include <span>
#include <type_traits>
#include <vector>

namespace meterly::platform::netlink {

using Bytes = std::span<const std::byte>;

struct Message {
  nlmsghdr header{};
  Bytes payload;  // everything after the header, up to nlmsg_len
};

// Walks the messages of one received datagram.
class MessageCursor {
 public:
  explicit MessageCursor(Bytes datagram) : rest_(datagram) {}

  // The next message; nullopt at the end or when the rest is malformed (see malformed()).
  std::optional<Message> Next();
  bool Malformed() const { return malformed_; }

 private:
  Bytes rest_;
  bool malformed_ = false;
};

struct Attribute {
  quint16 type = 0;  // without the nested and byte-order flag bits
  Bytes payload;
};

// Walks the attributes of a message (or of a nested attribute).
class AttributeCursor {
 public:
  explicit AttributeCursor(Bytes area) : rest_(area) {}

  std::optional<Attribute> Next();
  bool Malformed() const { return malformed_; }

 private:
  Bytes rest_;
  bool malformed_ = false;
};

// A copy of the fixed-size structure at the start of `bytes`; nullopt when it is too short.
template <typename T>
std::optional<T> ReadStruct(Bytes bytes) {
  static_assert(std::is_trivially_copyable_v<T>);
  if (bytes.size() < sizeof(T)) return std::nullopt;
  T value;
  std::memcpy(&value, bytes.data(), sizeof(T));
  return value;
}

// The attribute area that follows a message's fixed header of type T (empty when there is none).
template <typename T>
Bytes AttributesAfter(Bytes payload) {
  const std::size_t offset = NLMSG_ALIGN(sizeof(T));
  return offset < payload.size() ? payload.subspan(offset) : Bytes{};
}

// The bytes of a plain value, for a fixed structure or a numeric attribute.
template <typename T>
Bytes ValueBytes(const T& value) {
  static_assert(std::is_trivially_copyable_v<T>);
  return Bytes(reinterpret_cast<const std::byte*>(&value), sizeof(T));
}

// Overwrites the bytes at `offset` with a plain value (a header field of a built message).
template <typename T>
void WriteValueAt(std::vector<std::byte>& buffer, std::size_t offset, const T& value) {
  const Bytes bytes = ValueBytes(value);
  if (offset + bytes.size() <= buffer.size()) std::copy(bytes.begin(), bytes.end(), buffer.begin() + offset);
}

// A string attribute's text: its bytes up to the first NUL, or all of them when there is none.
QByteArray AttributeText(Bytes payload);

// Builds one request message: header, then a fixed structure, then attributes.
class MessageBuilder {
 public:
  MessageBuilder(quint16 type, quint16 flags);

  template <typename T>
  MessageBuilder& AppendStruct(const T& value) {
    AppendAligned(ValueBytes(value));
    return *this;
  }
  MessageBuilder& AppendAttribute(quint16 type, Bytes payload);
  // Appends the text with its terminating NUL, as the kernel expects for names.
  MessageBuilder& AppendTextAttribute(quint16 type, const QByteArray& text);

  // The finished message with nlmsg_len filled in; the builder can go on being used.
  std::vector<std::byte> bytes() const;

 private:
  void AppendAligned(Bytes data);

  std::vector<std::byte> buffer_;
};

// One attribute encoded on its own, padded to the attribute alignment (for nesting).
std::vector<std::byte> EncodeAttribute(quint16 type, Bytes payload);

inline Bytes AsBytes(const std::vector<std::byte>& data) { return Bytes(data.data(), data.size()); }

}  // namespace meterly::platform::netlink
