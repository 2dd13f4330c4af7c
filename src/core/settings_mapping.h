#pragma once

#include "core/adapter_entry.h"

#include <QString>

namespace meterly {

// The settings window's controls and the stored values they edit, mapped both ways. A stored
// value the window cannot show is an internal consistency error naming "Main".

// Where a stored "TrayIconMode" sits in the radio group rgTrayIconMode, whose items are in
// another order than the stored values.
int TrayIconModeToRadioIndex(quint8 stored);
quint8 RadioIndexToTrayIconMode(int index);

// "VolumeUnit" is also its item index in cmbVolumeUnit; both directions check the range.
int VolumeUnitIndexChecked(int value);

// An item of ComboBoxMonthStarts: the day with its English ordinal suffix ("1st", "22nd").
QString MonthStartItemText(int day);

// The information line under the interface list: the entry's IPv4 address and its eight
// physical-address bytes, or "Not Available" when no entry is selected.
QString InterfaceInfoText(const TAdapterEntry* entry);

// The message for a failed open of a document, program or page (a code of 32 or below).
QString ShellErrorText(int code);

}  // namespace meterly
