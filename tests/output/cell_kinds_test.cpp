#include "output/cell_kinds.h"

#include <gtest/gtest.h>

#include "output/export_progress.h"

namespace cw {
namespace {

GridModel TableOf(std::vector<GridColumn> columns, std::vector<std::vector<std::string>> rows) {
  GridModel grid;
  grid.SetColumns(std::move(columns));
  for (auto& cells : rows) grid.AddRow({.cells = std::move(cells)});
  return grid;
}

TEST(ColumnKindTest, IsInferredFromSortAndAlignmentUnlessGiven) {
  const GridModel grid = TableOf(
      {{.title = "凭证号", .align = Align::Left, .sort = SortKind::Number},
       {.title = "金额", .align = Align::Right, .sort = SortKind::Number},
       {.title = "比例", .align = Align::Right, .sort = SortKind::Number},
       {.title = "科目", .align = Align::Right},
       {.title = "代码", .align = Align::Right, .sort = SortKind::Number, .kind = CellKind::Text},
       {.title = "份额", .sort = SortKind::Text, .kind = CellKind::Percent}},
      {{"202603001", "12.50", "12.5%", "1001", "0012", "5%"}, {"202603002", "", "", "", "", ""},
       {"202603003", "-3.00", "100.0%", "", "", ""}});
  const CellKind expected[] = {CellKind::Text, CellKind::Amount, CellKind::Percent,
                               CellKind::Text, CellKind::Text,   CellKind::Percent};
  for (int column = 0; column < grid.ColumnCount(); ++column)
    EXPECT_EQ(ColumnKind(grid, column), expected[column]) << grid.Column(column).title;
}

TEST(CellNumberTest, ReadsFiguresAndLeavesTheRestText) {
  struct Case {
    CellKind kind;
    std::string text;
    std::optional<double> number;
  };
  const Case cases[] = {
      {CellKind::Amount, "1,234.50", 1234.5}, {CellKind::Amount, "-0.01", -0.01},
      {CellKind::Amount, "", std::nullopt},   {CellKind::Amount, "合计", std::nullopt},
      {CellKind::Amount, "12abc", std::nullopt}, {CellKind::Percent, "12.5%", 0.125},
      {CellKind::Percent, "12.5", std::nullopt}, {CellKind::Percent, "%", std::nullopt},
      {CellKind::Text, "0012", std::nullopt},
  };
  for (const Case& c : cases) {
    const auto number = CellNumber(c.kind, c.text);
    ASSERT_EQ(number.has_value(), c.number.has_value()) << c.text;
    if (number) {
      EXPECT_DOUBLE_EQ(*number, *c.number) << c.text;
    }
  }
}

TEST(ExportProgressTest, UpdatesAboutAHundredTimes) {
  struct Case {
    int rows, updates;
  };
  for (const Case c : {Case{7, 7}, Case{100, 100}, Case{250, 125}, Case{1000, 100}}) {
    std::vector<int> states;
    const ExportProgress progress = [&](int state) { states.push_back(state); };
    for (int done = 1; done <= c.rows; ++done) ReportRowDone(progress, done, c.rows);
    EXPECT_EQ(static_cast<int>(states.size()), c.updates) << c.rows;
    EXPECT_EQ(states.back(), 100) << c.rows;
    EXPECT_TRUE(std::is_sorted(states.begin(), states.end())) << c.rows;
  }
}

}  // namespace
}  // namespace cw
