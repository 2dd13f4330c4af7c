#include "platform/registry_value.h"

#include <utility>

namespace meterly::platform {

RegValue RegValue::FromString(QString text) {
  RegValue value;
  value.type = RegValueType::String;
  value.string = std::move(text);
  return value;
}

RegValue RegValue::FromDWord(quint32 number) {
  RegValue value;
  value.type = RegValueType::DWord;
  value.dword = number;
  return value;
}

RegValue RegValue::FromBinary(QByteArray bytes) {
  RegValue value;
  value.type = RegValueType::Binary;
  value.binary = std::move(bytes);
  return value;
}

}  // namespace meterly::platform
