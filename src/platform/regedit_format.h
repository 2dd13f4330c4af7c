#pragma once

#include "platform/registry_hive.h"

#include <QByteArray>
#include <QString>

#include <variant>

namespace meterly::platform {

// The registry store's file: UTF-8 text in REGEDIT4 syntax.
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Corvane\Meterly\Main]
//   "InterfaceGuid"="{4FC25329-DAFD-49A9-9B80-8F203252ADE0}"
//   "TrayIconMode"=dword:00000000
//   "QuotaNextNotify"=hex:00,00,00,00,00,00,e0,3f
//
// Inside quotes a backslash escapes '\\' and '"'; "\n" and "\r" stand for line breaks
// (REGEDIT4 itself has no way to write them).
QByteArray FormatRegedit(const RegistryHive& hive);

struct RegeditParseError {
  int line = 0;  // 1-based
  QString reason;
};

// Parses a whole file. Any line that does not follow the syntax rejects the file:
// a half-understood settings file must not be written back with pieces missing.
std::variant<RegistryHive, RegeditParseError> ParseRegedit(const QByteArray& text);

}  // namespace meterly::platform
