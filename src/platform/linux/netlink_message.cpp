#include "platform/linux/netlink_message.h"

#include "base/assertion.h"

#include <algorithm>

namespace meterly::platform::netlink {

namespace {

constexpr std::size_t kMessageHeaderSize = NLMSG_ALIGN(sizeof(nlmsghdr));
constexpr std::size_t kAttributeHeaderSize = NLA_ALIGN(sizeof(nlattr));

// Skips `length` bytes rounded up to `alignedLength`, stopping at the end of the buffer
// (the padding after the last item may be missing).
Bytes Skip(Bytes bytes, std::size_t alignedLength) { return bytes.subspan(std::min(alignedLength, bytes.size())); }

}  // namespace

std::optional<Message> MessageCursor::Next() {
  if (malformed_ || rest_.empty()) return std::nullopt;
  const auto header = ReadStruct<nlmsghdr>(rest_);
  if (!header || header->nlmsg_len < kMessageHeaderSize || header->nlmsg_len > rest_.size()) {
    malformed_ = true;
    return std::nullopt;
  }
  Message message{*header, rest_.subspan(kMessageHeaderSize, header->nlmsg_len - kMessageHeaderSize)};
  rest_ = Skip(rest_, NLMSG_ALIGN(header->nlmsg_len));
  return message;
}

std::optional<Attribute> AttributeCursor::Next() {
  if (malformed_ || rest_.empty()) return std::nullopt;
  const auto header = ReadStruct<nlattr>(rest_);
  if (!header || header->nla_len < kAttributeHeaderSize || header->nla_len > rest_.size()) {
    malformed_ = true;
    return std::nullopt;
  }
  Attribute attribute{static_cast<quint16>(header->nla_type & NLA_TYPE_MASK),
                      rest_.subspan(kAttributeHeaderSize, header->nla_len - kAttributeHeaderSize)};
  rest_ = Skip(rest_, NLA_ALIGN(header->nla_len));
  return attribute;
}

QByteArray AttributeText(Bytes payload) {
  const auto end = std::find(payload.begin(), payload.end(), std::byte{0});
  return QByteArray(reinterpret_cast<const char*>(payload.data()), static_cast<qsizetype>(end - payload.begin()));
}

MessageBuilder::MessageBuilder(quint16 type, quint16 flags) {
  nlmsghdr header{};
  header.nlmsg_type = type;
  header.nlmsg_flags = flags;
  AppendStruct(header);
}

MessageBuilder& MessageBuilder::AppendAttribute(quint16 type, Bytes payload) {
  const auto encoded = EncodeAttribute(type, payload);
  buffer_.insert(buffer_.end(), encoded.begin(), encoded.end());
  return *this;
}

MessageBuilder& MessageBuilder::AppendTextAttribute(quint16 type, const QByteArray& text) {
  // QByteArray keeps a NUL after its last byte; take it along.
  return AppendAttribute(
      type, Bytes(reinterpret_cast<const std::byte*>(text.constData()), static_cast<std::size_t>(text.size()) + 1));
}

std::vector<std::byte> MessageBuilder::bytes() const {
  std::vector<std::byte> message = buffer_;
  WriteValueAt(message, offsetof(nlmsghdr, nlmsg_len), static_cast<quint32>(message.size()));
  return message;
}

void MessageBuilder::AppendAligned(Bytes data) {
  buffer_.insert(buffer_.end(), data.begin(), data.end());
  buffer_.resize(NLMSG_ALIGN(buffer_.size()));
}

std::vector<std::byte> EncodeAttribute(quint16 type, Bytes payload) {
  METERLY_ASSERT(kAttributeHeaderSize + payload.size() <= 0xFFFF, "NetlinkMessage", "attribute too long");
  nlattr header{};
  header.nla_len = static_cast<quint16>(kAttributeHeaderSize + payload.size());
  header.nla_type = type;
  std::vector<std::byte> encoded(NLA_ALIGN(kAttributeHeaderSize + payload.size()));
  WriteValueAt(encoded, 0, header);
  std::copy(payload.begin(), payload.end(), encoded.begin() + kAttributeHeaderSize);
  return encoded;
}

}  // namespace meterly::platform::netlink
