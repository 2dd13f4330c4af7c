#include "alerts/notify_condition.h"

#include "base/assertion.h"

#include <array>

namespace meterly {

namespace {

constexpr qint64 kBytesPerMb = 1048576;

struct Condition {
  const char* text;
  const char* item;
};

constexpr std::array<Condition, NotifyConditionCount> kConditions = {{
    {"received less", "收到以下"},
    {"sent less", "发送以下"},
    {"received more", "已接收以上"},
    {"sent more", "发送以上"},
    {"received or sent more", "收到或发送以上"},
    {"received or sent less", "收到或发送以下"},
    {"received and sent more", "收到并发送以上"},
    {"received and sent less", "收到并发送以下"},
}};

void CheckCondition(int condition) {
  METERLY_ASSERT(condition >= 0 && condition < NotifyConditionCount, "Main", "Notification condition out of range");
}

}  // namespace

QString NotifyConditionText(int condition) {
  CheckCondition(condition);
  return QString::fromUtf8(kConditions[static_cast<size_t>(condition)].text);
}

const QStringList& NotifyConditionItems() {
  static const QStringList items = [] {
    QStringList list;
    for (const Condition& condition : kConditions) list << QString::fromUtf8(condition.item);
    return list;
  }();
  return items;
}

qint64 NotifyThreshold(qint64 amountMb) { return amountMb * kBytesPerMb; }

bool NotifyConditionHolds(int condition, qint64 received, qint64 sent, qint64 threshold) {
  CheckCondition(condition);
  const bool receivedLess = received < threshold;
  const bool sentLess = sent < threshold;
  const bool receivedMore = received > threshold;
  const bool sentMore = sent > threshold;
  switch (condition) {
    case 0:
      return receivedLess;
    case 1:
      return sentLess;
    case 2:
      return receivedMore;
    case 3:
      return sentMore;
    case 4:
      return receivedMore || sentMore;
    case 5:
      return receivedLess || sentLess;
    case 6:
      return receivedMore && sentMore;
    default:
      return receivedLess && sentLess;
  }
}

}  // namespace meterly
