#pragma once

// Shows hives and values in test failures as the file text they are saved as.

#include "platform/regedit_format.h"

#include <ostream>

namespace meterly::platform {

inline void PrintTo(const RegistryHive& hive, std::ostream* out) { *out << '\n' << FormatRegedit(hive).toStdString(); }

inline void PrintTo(const RegValue& value, std::ostream* out) {
  switch (value.type) {
    case RegValueType::String:
      *out << "text \"" << value.string.toStdString() << '"';
      return;
    case RegValueType::DWord:
      *out << "dword " << value.dword;
      return;
    case RegValueType::Binary:
      *out << "hex " << value.binary.toHex(',').toStdString();
      return;
  }
}

}  // namespace meterly::platform
