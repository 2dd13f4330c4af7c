#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace meterly {

// Writes JSON as QJsonDocument::toJson(QJsonDocument::Indented) lays it out, byte for byte, without
// building the document first (for ten years of rows that cost more than the rest of the report).
// Members must be given in the order QJsonObject keeps them: their keys sorted.
class IndentedJson {
 public:
  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  // The key of the next value, inside an object.
  IndentedJson& Key(const char* key);
  void Value(qint64 number);
  void Value(const QString& text);
  void Null();
  // The finished document.
  QByteArray Take();

 private:
  void BeforeValue();
  void Close(char bracket);
  void Indent(std::size_t depth);

  std::vector<int> counts_;  // values written so far at each open level
  QByteArray out_;
  bool keyWritten_ = false;
};

}  // namespace meterly
