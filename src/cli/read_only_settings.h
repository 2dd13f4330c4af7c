#pragma once

#include "core/settings.h"
#include "platform/registry.h"

namespace meterly {

// The settings as the monitor last saved them in the file, read without changing anything: a
// file that cannot be read or parsed stays where it is, and the defaults apply.
Settings ReadSettingsUnchanged(platform::RegistryFile& file, const SettingsContext& context);

}  // namespace meterly
