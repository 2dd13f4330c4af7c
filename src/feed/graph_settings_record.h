#pragma once

#include "core/settings.h"
#include "meterly/graph_feed.h"

#include <array>

namespace meterly {

using GraphSettingsBytes = std::array<quint8, METERLY_SETTINGS_RECORD_SIZE>;

// The graph's look as external viewers receive it: colours, flags and line settings at their
// fixed offsets, little-endian, padding zeroed.
GraphSettingsBytes GraphSettingsRecord(const Settings& settings);

}  // namespace meterly
