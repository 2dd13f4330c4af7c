#include "cli/indented_json.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace meterly {

namespace {

// Text that Qt writes as it stands: no quote, backslash, control character or surrogate half.
bool WrittenAsItStands(const QString& text) {
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u < 0x20 || u == u'"' || u == u'\\' || c.isSurrogate()) return false;
  }
  return true;
}

// Any other text is escaped by Qt itself, so that it comes out exactly as Qt writes it.
QByteArray EscapedByQt(const QString& text) {
  const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
  return array.mid(2, array.size() - 4);  // without ["  and  "]
}

}  // namespace

void IndentedJson::Indent(std::size_t depth) { out_.append(static_cast<qsizetype>(4 * depth), ' '); }

void IndentedJson::BeforeValue() {
  if (keyWritten_) {
    keyWritten_ = false;
    return;
  }
  if (counts_.empty()) return;
  out_ += counts_.back()++ == 0 ? "\n" : ",\n";
  Indent(counts_.size());
}

IndentedJson& IndentedJson::Key(const char* key) {
  out_ += counts_.back()++ == 0 ? "\n" : ",\n";
  Indent(counts_.size());
  out_ += '"';
  out_ += key;
  out_ += "\": ";
  keyWritten_ = true;
  return *this;
}

void IndentedJson::BeginObject() {
  BeforeValue();
  out_ += '{';
  counts_.push_back(0);
}

void IndentedJson::BeginArray() {
  BeforeValue();
  out_ += '[';
  counts_.push_back(0);
}

void IndentedJson::Close(char bracket) {
  // An empty container too has its line break: "[" and "]" on lines of their own.
  counts_.pop_back();
  out_ += '\n';
  Indent(counts_.size());
  out_ += bracket;
  if (counts_.empty()) out_ += '\n';
}

void IndentedJson::EndObject() { Close('}'); }
void IndentedJson::EndArray() { Close(']'); }

void IndentedJson::Value(qint64 number) {
  BeforeValue();
  out_ += QByteArray::number(number);
}

void IndentedJson::Value(const QString& text) {
  BeforeValue();
  out_ += '"';
  out_ += WrittenAsItStands(text) ? text.toUtf8() : EscapedByQt(text);
  out_ += '"';
}

void IndentedJson::Null() {
  BeforeValue();
  out_ += "null";
}

QByteArray IndentedJson::Take() { return std::move(out_); }

}  // namespace meterly
