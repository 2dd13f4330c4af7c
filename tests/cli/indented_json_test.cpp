#include "cli/indented_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace meterly {
namespace {

// Scripts may compare the output with what Qt's own writer made before: the same bytes.
TEST(IndentedJsonTest, WritesWhatQtsIndentedWriterWrites) {
  const QString odd = QStringLiteral("a\"b\\c\td\x01\x1f 张三 \U0001F600 \x7f/");
  const QJsonObject expected{
      {QStringLiteral("empty"), QJsonArray{}},
      {QStringLiteral("nested"), QJsonArray{QJsonObject{}, QJsonObject{{QStringLiteral("n"), -9007199254740993LL}}}},
      {QStringLiteral("none"), QJsonValue()},
      {QStringLiteral("texts"), QJsonArray{odd, QString(), QStringLiteral("plain")}}};

  IndentedJson json;
  json.BeginObject();
  json.Key("empty").BeginArray();
  json.EndArray();
  json.Key("nested").BeginArray();
  json.BeginObject();
  json.EndObject();
  json.BeginObject();
  json.Key("n").Value(-9007199254740993LL);
  json.EndObject();
  json.EndArray();
  json.Key("none").Null();
  json.Key("texts").BeginArray();
  for (const QString& text : {odd, QString(), QStringLiteral("plain")}) json.Value(text);
  json.EndArray();
  json.EndObject();

  EXPECT_EQ(json.Take(), QJsonDocument(expected).toJson(QJsonDocument::Indented));
}

}  // namespace
}  // namespace meterly
