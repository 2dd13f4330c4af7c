#include "tools/tool_row.h"

#include <gtest/gtest.h>

namespace meterly {
namespace {

TEST(ToolRowTest, ALineIsTabSeparatedWithoutLineEnd) {
  EXPECT_EQ(RowLineText({"2", {"127.0.0.1", "0 ms", "64"}, RowImage::Reply}), QStringLiteral("2\t127.0.0.1\t0 ms\t64"));
}

TEST(ToolRowTest, TheWholeListHasCaptionsUnderlinesAndCrLfLines) {
  const QStringList columns = {"#", "IP地址", "TTL"};
  const std::vector<TToolRow> rows = {{"1", {"127.0.0.1", "64"}}, {"2", {"No reply from host"}}};
  EXPECT_EQ(RowsToText(columns, rows), QStringLiteral("#\tIP地址\tTTL\r\n=\t====\t===\r\n"
                                                      "1\t127.0.0.1\t64\r\n2\tNo reply from host\r\n"));
}

}  // namespace
}  // namespace meterly
