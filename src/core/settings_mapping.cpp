#include "core/settings_mapping.h"

#include "base/assertion.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <array>
#include <iterator>

namespace meterly {

namespace {

// Indexed by the stored value.
constexpr std::array<int, 6> RadioIndexOfTrayIconMode = {0, 1, 4, 5, 2, 3};

constexpr int VolumeUnitCount = 5;

struct ShellError {
  int code;
  const char* text;
};

constexpr ShellError ShellErrors[] = {
    {0, QT_TRANSLATE_NOOP("ShellError", "The operating system is out of memory or resources.")},
    {2, QT_TRANSLATE_NOOP("ShellError", "The specified file was not found.")},
    {3, QT_TRANSLATE_NOOP("ShellError", "The specified path was not found.")},
    {5, QT_TRANSLATE_NOOP("ShellError", "The operating system denied access to the specified file.")},
    {8, QT_TRANSLATE_NOOP("ShellError", "There was not enough memory to complete the operation.")},
    {11, QT_TRANSLATE_NOOP("ShellError", "The .exe file is invalid (non-Win32 .exe or error in .exe image).")},
    {26, QT_TRANSLATE_NOOP("ShellError", "A sharing violation occurred.")},
    {27, QT_TRANSLATE_NOOP("ShellError", "The file name association is incomplete or invalid.")},
    {28, QT_TRANSLATE_NOOP("ShellError", "The DDE transaction could not be completed because the request timed out.")},
    {29, QT_TRANSLATE_NOOP("ShellError", "The DDE transaction failed.")},
    {30, QT_TRANSLATE_NOOP(
             "ShellError",
             "The DDE transaction could not be completed because other DDE transactions were being processed.")},
    {31, QT_TRANSLATE_NOOP("ShellError", "No program is associated to open this.")},
    {32, QT_TRANSLATE_NOOP("ShellError", "The specified dynamic-link library was not found.")},
};

QString DottedQuad(quint32 address) {
  return QStringLiteral("%1.%2.%3.%4")
      .arg(address >> 24)
      .arg((address >> 16) & 0xFF)
      .arg((address >> 8) & 0xFF)
      .arg(address & 0xFF);
}

QString HexBytes(const std::array<quint8, 8>& bytes) {
  QStringList parts;
  for (quint8 byte : bytes) parts << QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
  return parts.join(QLatin1Char('-'));
}

}  // namespace

int TrayIconModeToRadioIndex(quint8 stored) {
  METERLY_ASSERT(stored < RadioIndexOfTrayIconMode.size(), "Main", "Tray icon mode out of range");
  return RadioIndexOfTrayIconMode[stored];
}

quint8 RadioIndexToTrayIconMode(int index) {
  const auto found = std::find(RadioIndexOfTrayIconMode.begin(), RadioIndexOfTrayIconMode.end(), index);
  METERLY_ASSERT(found != RadioIndexOfTrayIconMode.end(), "Main", "Tray icon radio index out of range");
  return static_cast<quint8>(std::distance(RadioIndexOfTrayIconMode.begin(), found));
}

int VolumeUnitIndexChecked(int value) {
  METERLY_ASSERT(value >= 0 && value < VolumeUnitCount, "Main", "Volume unit out of range");
  return value;
}

QString MonthStartItemText(int day) {
  const char* ordinal = QT_TRANSLATE_NOOP("MonthStart", "%1th");
  switch (day) {
    case 1:
    case 21:
    case 31:
      ordinal = QT_TRANSLATE_NOOP("MonthStart", "%1st");
      break;
    case 2:
    case 22:
      ordinal = QT_TRANSLATE_NOOP("MonthStart", "%1nd");
      break;
    case 3:
    case 23:
      ordinal = QT_TRANSLATE_NOOP("MonthStart", "%1rd");
      break;
    default:
      break;
  }
  return QCoreApplication::translate("MonthStart", ordinal).arg(day);
}

QString InterfaceInfoText(const TAdapterEntry* entry) {
  if (entry == nullptr) return QCoreApplication::translate("InterfaceInfo", "Not Available");
  return QCoreApplication::translate("InterfaceInfo", "IP地址: %1    MAC: %2")
      .arg(DottedQuad(entry->IpAddress), HexBytes(entry->PhysAddr));
}

QString ShellErrorText(int code) {
  for (const ShellError& error : ShellErrors) {
    if (error.code == code) return QCoreApplication::translate("ShellError", error.text);
  }
  return QCoreApplication::translate("ShellError", "Unknown error (%1)").arg(static_cast<unsigned>(code));
}

}  // namespace meterly
