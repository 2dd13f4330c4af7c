#pragma once

#include <QByteArray>
#include <QString>

namespace meterly::platform {

enum class RegValueType { String, DWord, Binary };

// One typed value of the registry store.
struct RegValue {
  RegValueType type = RegValueType::String;
  QString string;
  quint32 dword = 0;
  QByteArray binary;

  static RegValue fromString(QString text);
  static RegValue fromDWord(quint32 value);
  static RegValue fromBinary(QByteArray bytes);

  friend bool operator==(const RegValue&, const RegValue&) = default;
};

}  // namespace meterly::platform
