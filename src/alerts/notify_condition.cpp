#include "alerts/notify_condition.h"

#include "base/assertion.h"

#include <QCoreApplication>

#include <array>

namespace meterly {

namespace {

constexpr qint64 kBytesPerMb = 1048576;

// The condition as a message names it, and as the settings list it.
struct Condition {
  const char* text;
  const char* item;
};

QString Shown(const char* text) { return QCoreApplication::translate("NotifyCondition", text); }

constexpr std::array<Condition, NotifyConditionCount> kConditions = {{
    {QT_TRANSLATE_NOOP("NotifyCondition", "received less"), QT_TRANSLATE_NOOP("NotifyCondition", "收到以下")},
    {QT_TRANSLATE_NOOP("NotifyCondition", "sent less"), QT_TRANSLATE_NOOP("NotifyCondition", "发送以下")},
    {QT_TRANSLATE_NOOP("NotifyCondition", "received more"), QT_TRANSLATE_NOOP("NotifyCondition", "已接收以上")},
    {QT_TRANSLATE_NOOP("NotifyCondition", "sent more"), QT_TRANSLATE_NOOP("NotifyCondition", "发送以上")},
    {QT_TRANSLATE_NOOP("NotifyCondition", "received or sent more"),
     QT_TRANSLATE_NOOP("NotifyCondition", "收到或发送以上")},
    {QT_TRANSLATE_NOOP("NotifyCondition", "received or sent less"),
     QT_TRANSLATE_NOOP("NotifyCondition", "收到或发送以下")},
    {QT_TRANSLATE_NOOP("NotifyCondition", "received and sent more"),
     QT_TRANSLATE_NOOP("NotifyCondition", "收到并发送以上")},
    {QT_TRANSLATE_NOOP("NotifyCondition", "received and sent less"),
     QT_TRANSLATE_NOOP("NotifyCondition", "收到并发送以下")},
}};

void CheckCondition(int condition) {
  METERLY_ASSERT(condition >= 0 && condition < NotifyConditionCount, "Main", "Notification condition out of range");
}

}  // namespace

QString NotifyConditionText(int condition) {
  CheckCondition(condition);
  return Shown(kConditions[static_cast<size_t>(condition)].text);
}

const QStringList& NotifyConditionItems() {
  static const QStringList items = [] {
    QStringList list;
    for (const Condition& condition : kConditions) list << Shown(condition.item);
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
