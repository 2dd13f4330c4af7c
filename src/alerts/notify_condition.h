#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace meterly {

// The conditions a traffic notification can watch, indexed by "NotifyCondition". An index
// outside them fails the consistency check of "Main".
constexpr int NotifyConditionCount = 8;

// What the message says of a condition: "received less" ... "received and sent less".
QString NotifyConditionText(int condition);

// The items of the settings page's condition list, in index order.
const QStringList& NotifyConditionItems();

// The threshold in bytes for "NotifyConditionAmountMb", in 64 bits (5000 MB must stay 5000 MB).
qint64 NotifyThreshold(qint64 amountMb);

// Whether the condition holds for the bytes received and sent in a block; every comparison
// is strict.
bool NotifyConditionHolds(int condition, qint64 received, qint64 sent, qint64 threshold);

}  // namespace meterly
