#include "reports/row_sorting.h"
#include "reports/hourly_report.h"
#include "reports/usage_panel.h"

#include "core/settings.h"

#include "store/qt_printing.h"

#include <gtest/gtest.h>

namespace meterly {
namespace {

constexpr qint64 k5GB = 5LL << 30;
constexpr qint64 k900MB = 900LL << 20;

TEST(SortState, FirstColumnCountsUntilTheFirstClickAndAClickTurnsTheDirection) {
  TSortState state;
  EXPECT_FALSE(state.Sorted());
  EXPECT_EQ(state.Column(), 1);
  state.HeaderClicked(1);
  EXPECT_EQ(state.Value(), -1);
  state.HeaderClicked(3);
  EXPECT_EQ(state.Value(), 3);
  state.HeaderClicked(3);
  EXPECT_EQ(state.Value(), -3);
  state.HeaderClicked(2);
  EXPECT_EQ(state.Value(), 2);
}

class PanelSortingTest : public ::testing::Test {
 protected:
  PanelSortingTest() {
    panel.ShowTotal = true;
    panel.BeginReport();
    // Key, received, sent, dial-up: each column orders the three rows differently, and the
    // amounts lie beyond 32 bits where a truncated comparison would go wrong.
    Add(QStringLiteral("a"), 3, k900MB, k5GB + 1, 7);
    Add(QStringLiteral("b"), 1, k5GB, 1, 4000000000u);
    Add(QStringLiteral("c"), 2, (1LL << 32) + 5, k5GB, 0);
    panel.EndReport();
  }

  void Add(const QString& caption, qint32 key, qint64 in, qint64 out, quint32 dialup) {
    panel.AddRow(caption, {}, {key, in, out, dialup}, dialup, out, in);
  }

  QString Order() const {
    QString result;
    for (const TUsagePanelRow& row : panel.Rows()) result += row.Caption.left(1);
    return result;
  }

  // Sorts ascending by the column, whatever the state before.
  void SortBy(int column) {
    panel.HeaderClicked(column);
    if (panel.SortState().Value() != column) panel.HeaderClicked(column);
  }

  Settings settings;
  TUsagePanel panel{settings, QLocale::c()};
};

TEST_F(PanelSortingTest, EveryColumnBothDirectionsWithTheTotalRowAfterEveryRowAscending) {
  EXPECT_EQ(Order(), QStringLiteral("abcT"));
  const std::pair<int, const char*> orders[] = {{1, "bcaT"}, {2, "acbT"}, {3, "bcaT"}, {4, "bacT"}, {5, "cabT"}};
  for (const auto& [column, ascending] : orders) {
    SortBy(column);
    EXPECT_EQ(Order(), QString::fromLatin1(ascending)) << "column " << column;
    panel.HeaderClicked(column);
    QString descending = QString::fromLatin1(ascending);
    std::reverse(descending.begin(), descending.end());
    EXPECT_EQ(Order(), descending) << "column " << column << " descending";
  }
}

TEST_F(PanelSortingTest, ARebuiltReportKeepsTheChosenOrder) {
  SortBy(2);
  panel.BeginReport();
  Add(QStringLiteral("x"), 1, 10, 0, 0);
  Add(QStringLiteral("y"), 2, 5, 0, 0);
  panel.EndReport();
  EXPECT_EQ(Order(), QStringLiteral("yxT"));
}

TEST(HourlyListSorting, EveryColumnOrdersByItsNumber) {
  Settings settings;
  THourlyList list(settings, QLocale::c());
  list.Fill({{9, 1, k5GB, 3, 100, 5}, {2, 3, 1, k5GB, 101, 23}, {5, 2, k900MB, 1, 99, 0}});
  const auto days = [&] {
    QString result;
    for (const THourlyRow& row : list.Rows()) result += QString::number(row.Record.Day);
    return result;
  };
  // The records' days in ascending order of each column.
  const std::pair<int, const char*> orders[] = {{1, "99100101"}, {2, "99100101"}, {3, "10199100"},
                                                {4, "10099101"}, {5, "10199100"}, {6, "99100101"}};
  for (const auto& [column, ascending] : orders) {
    list.HeaderClicked(column);
    if (list.SortState().Value() != column) list.HeaderClicked(column);
    EXPECT_EQ(days(), QString::fromLatin1(ascending)) << "column " << column;
  }
}

}  // namespace
}  // namespace meterly
