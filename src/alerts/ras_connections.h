#pragma once

#include "alerts/ras_item_list.h"
#include "platform/dialup.h"

#include <QDateTime>

namespace meterly {

// Fills the list with the dial-up connections up now: name and handle, `since` as their start,
// zero amounts. False, with the list empty, when the connections cannot be read.
bool EnumConnections(platform::DialupService& dialup, TRasItemList* list, const QDateTime& since = QDateTime());

// Whether any dial-up connection is up at this moment.
bool IsDialupActive(platform::DialupService& dialup);

// Asks every dial-up connection to end, in list order, without waiting or looking at results.
void HangUpAllDialup(platform::DialupService& dialup);

}  // namespace meterly
