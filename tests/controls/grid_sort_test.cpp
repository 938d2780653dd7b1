// Sorting a grid: the cell comparison, the key tie-break, the direction rules
// of header clicks, the selection following its row, and groups kept together.
#include <gtest/gtest.h>

#include "controls/grid_model.h"
#include "grid_test_tables.h"

namespace cw {
namespace {

using testing::AmountTable;
using testing::KeyOrder;

struct SortCase {
  const char* name;
  std::vector<testing::NamedAmount> rows;
  int column;
  bool ascending;
  std::string expected;
};

class SortOrderTest : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortOrderTest, OrdersRows) {
  const SortCase& c = GetParam();
  GridModel model = AmountTable(c.rows);
  model.EnableSort(c.column, c.ascending);
  model.Sort();
  EXPECT_EQ(c.expected, KeyOrder(model));
  EXPECT_TRUE(model.IsSorted());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SortOrderTest,
    ::testing::Values(
        // Numbers compare by value, not as text ("9" < "10").
        SortCase{"NumberByValue", {{1, "a", "10.00"}, {2, "b", "9.50"}, {3, "c", "-2"}}, 1, true, "3 2 1"},
        SortCase{"NumberDescending", {{1, "a", "10.00"}, {2, "b", "9.50"}, {3, "c", "-2"}}, 1, false, "1 2 3"},
        // Equal amounts are ordered by their keys, compared as numbers too; a
        // descending sort reverses the tie-break as well.
        SortCase{"EqualNumbersByKey", {{"200809012", "x", "5"}, {"9", "y", "5"}, {"200809003", "z", "5"}}, 1, true,
                 "9 200809003 200809012"},
        SortCase{"EqualNumbersByKeyDescending", {{"12", "x", "5"}, {"9", "y", "5"}, {"30", "z", "1"}}, 1, false,
                 "12 9 30"},
        // Text compares in the GBK order, which puts Chinese in pinyin order
        // (a plain UTF-8 comparison would give 张 李 王 阿).
        SortCase{"ChineseInPinyinOrder", {{1, "张三", ""}, {2, "李四", ""}, {3, "王五", ""}, {4, "阿姨", ""}}, 0,
                 true, "4 2 3 1"},
        SortCase{"TextBytesAsciiFirst", {{1, "b", ""}, {2, "B", ""}, {3, "工资", ""}, {4, "a", ""}}, 0, true,
                 "2 4 1 3"},
        // On a text column equal cells compare their keys as text: "10" < "9".
        SortCase{"EqualTextsByKeyAsText", {{9, "同", ""}, {10, "同", ""}, {1, "早", ""}}, 0, true, "10 9 1"},
        // A sort column out of range becomes column 0.
        SortCase{"ColumnOutOfRange", {{1, "乙", "1"}, {2, "甲", "2"}}, 7, true, "2 1"}),
    [](const ::testing::TestParamInfo<SortCase>& info) { return info.param.name; });

TEST(GridSortTest, SelectionFollowsItsRow) {
  GridModel model = AmountTable({{1, "c", "3"}, {2, "a", "1"}, {3, "b", "2"}});
  model.SelectRow(0);
  model.EnableSort(1, true);
  EXPECT_TRUE(model.Sort()) << "the selected row moved";
  EXPECT_EQ("2 3 1", KeyOrder(model));
  EXPECT_EQ(2, model.SelectedRow());
  EXPECT_EQ(RowKey(1), model.SelectedKey());

  // Descending puts key 1 first: the selection moves to 0.
  EXPECT_TRUE(model.ClickSortHeader(1));
  EXPECT_EQ(0, model.SelectedRow());
  EXPECT_EQ(RowKey(1), model.SelectedKey());

  // A row that keeps its place reports no move.
  GridModel still = AmountTable({{1, "a", "1"}, {2, "b", "2"}});
  still.SelectRow(1);
  still.EnableSort(1, true);
  EXPECT_FALSE(still.Sort());
  EXPECT_EQ(1, still.SelectedRow());
}

TEST(GridSortTest, HeaderClicksFlipOrSwitchColumn) {
  GridModel model = AmountTable({{1, "乙", "2"}, {2, "甲", "1"}, {3, "丙", "3"}});
  EXPECT_FALSE(model.ClickSortHeader(1)) << "sorting disabled: a header click does nothing";
  EXPECT_EQ("1 2 3", KeyOrder(model));

  model.EnableSort(1, true);
  model.ClickSortHeader(1);  // same column: flips to descending
  EXPECT_FALSE(model.Ascending());
  EXPECT_EQ("3 1 2", KeyOrder(model));
  model.ClickSortHeader(0);  // another column: ascending on it
  EXPECT_EQ(0, model.SortColumn());
  EXPECT_TRUE(model.Ascending());
  EXPECT_EQ("3 2 1", KeyOrder(model));  // 丙 bing, 甲 jia, 乙 yi
}

TEST(GridSortTest, SortsOnlyAfterAChange) {
  GridModel model = AmountTable({{1, "a", "2"}, {2, "b", "1"}});
  model.EnableSort(1, true);
  model.Sort();
  EXPECT_EQ("2 1", KeyOrder(model));
  model.AddRow({.key = 3, .cells = {"c", "0"}});
  EXPECT_FALSE(model.IsSorted()) << "a new row clears the sorted mark";
  model.Sort();
  EXPECT_EQ("3 2 1", KeyOrder(model));
  model.SetCell(0, 1, "9");
  EXPECT_FALSE(model.IsSorted()) << "so does a changed cell";
  model.Sort();
  EXPECT_EQ("2 1 3", KeyOrder(model));
}

TEST(GridSortTest, GroupsKeepTheirSubordinateRows) {
  // 收入 (1) with 工资 (2) and 奖金 (3); 支出 (4) with 餐饮 (5), 房租 (6).
  GridModel model;
  model.SetColumns({{.title = "科目"}, {.title = "金额", .sort = SortKind::Number}});
  model.AddRow({.key = 1, .cells = {"收入", "300"}, .level = 0});
  model.AddRow({.key = 2, .cells = {"工资", "100"}, .level = 1});
  model.AddRow({.key = 3, .cells = {"奖金", "200"}, .level = 1});
  model.AddRow({.key = 4, .cells = {"支出", "50"}, .level = 0});
  model.AddRow({.key = 5, .cells = {"餐饮", "40"}, .level = 1});
  model.AddRow({.key = 6, .cells = {"房租", "10"}, .level = 1});
  model.EnableSort(1, false);
  model.Sort();
  EXPECT_EQ("1 3 2 4 5 6", KeyOrder(model));
  model.ClickSortHeader(1);
  EXPECT_EQ("4 6 5 1 2 3", KeyOrder(model));
  EXPECT_EQ(2, model.GroupCount(0));
}

}  // namespace
}  // namespace cw
