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

  static RegValue FromString(QString text);
  static RegValue FromDWord(quint32 value);
  static RegValue FromBinary(QByteArray bytes);

  friend bool operator==(const RegValue&, const RegValue&) = default;
};

}  // namespace meterly::platform
