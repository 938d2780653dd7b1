// The grid table: check boxes with Shift ranges, group rows, row and column
// changes and what they do to the selection.
#include <gtest/gtest.h>

#include "controls/grid_model.h"
#include "grid_test_tables.h"

namespace cw {
namespace {

using testing::KeyOrder;
using testing::TreeTable;

// Ticks rendered as "x.x-" (x ticked, . clear, - no box).
std::string Ticks(const GridModel& model) {
  std::string ticks;
  for (const GridRow& row : model.Rows()) ticks += !row.checkable ? '-' : row.checked ? 'x' : '.';
  return ticks;
}

// Builds a table from a tick rendering.
GridModel CheckTable(const std::string& ticks) {
  GridModel model;
  model.SetColumns({{.title = "计划"}});
  model.ShowCheckColumn(true);
  for (std::size_t i = 0; i < ticks.size(); ++i) {
    model.AddRow({.key = static_cast<int>(i), .cells = {"p"}, .checkable = ticks[i] != '-', .checked = ticks[i] == 'x'});
  }
  return model;
}

struct ClickCase {
  const char* name;
  std::string before;
  std::vector<std::pair<int, bool>> clicks;  // (row, shift)
  std::string after;
};

class CheckClickTest : public ::testing::TestWithParam<ClickCase> {};

TEST_P(CheckClickTest, FlipsTheRightBoxes) {
  GridModel model = CheckTable(GetParam().before);
  for (auto [row, shift] : GetParam().clicks) model.ClickCheckBox(row, shift);
  EXPECT_EQ(GetParam().after, Ticks(model));
  EXPECT_EQ(std::count(GetParam().after.begin(), GetParam().after.end(), 'x'),
            static_cast<long>(model.CheckedRows().size()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckClickTest,
    ::testing::Values(
        ClickCase{"PlainClickFlipsOne", "......", {{2, false}}, "..x..."},
        ClickCase{"ShiftWithoutEarlierClickFlipsOne", "......", {{2, true}}, "..x..."},
        // Downwards: from the row after the anchor up to the clicked row.
        ClickCase{"ShiftDownwards", "......", {{1, false}, {4, true}}, ".xxxx."},
        // Upwards: from the clicked row up to the row before the anchor.
        ClickCase{"ShiftUpwards", "......", {{4, false}, {1, true}}, ".xxxx."},
        // Each box flips on its own; rows without a box are passed over.
        ClickCase{"ShiftFlipsEachOwnBox", ".x-x..", {{0, false}, {4, true}}, "x.-.x."},
        // The clicked row becomes the anchor of the next range.
        ClickCase{"AnchorMoves", "......", {{0, false}, {2, true}, {4, true}}, "xxxxx."},
        ClickCase{"ShiftOnAnchorFlipsIt", "......", {{3, false}, {3, true}}, "......"}),
    [](const ::testing::TestParamInfo<ClickCase>& info) { return info.param.name; });

TEST(GridChecksTest, ShiftRangeLeavesRowsOfClosedGroupsAlone) {
  GridModel model = TreeTable({0, 1, 1, 0, 0});
  for (int row = 0; row < model.RowCount(); ++row) model.SetCheckable(row, true);
  model.SetExpanded(0, false);
  model.ClickCheckBox(0, false);
  model.ClickCheckBox(4, true);
  EXPECT_EQ((std::vector<int>{0, 3, 4}), model.CheckedRows());
}

TEST(GridChecksTest, HeaderBoxTicksAndClearsEveryCheckableRow) {
  GridModel model = CheckTable(".x-.");
  model.ClickHeaderCheck();
  EXPECT_TRUE(model.AllChecked());
  EXPECT_EQ("xx-x", Ticks(model));
  EXPECT_EQ((std::vector<RowKey>{0, 1, 3}), model.CheckedKeys());
  model.ClickCheckBox(1, false);
  model.ClickHeaderCheck();
  EXPECT_FALSE(model.AllChecked());
  EXPECT_EQ("..-.", Ticks(model));
}

TEST(GridGroupsTest, SubordinateRowsFollowTheLevels) {
  //        r0 r1 r2 r3 r4 r5
  GridModel model = TreeTable({0, 1, 2, 1, 0, 1});
  EXPECT_EQ((std::vector<int>{3, 1, 0, 0, 1, 0}),
            (std::vector<int>{model.GroupCount(0), model.GroupCount(1), model.GroupCount(2), model.GroupCount(3),
                              model.GroupCount(4), model.GroupCount(5)}));
  EXPECT_TRUE(model.HasGroups());
  EXPECT_FALSE(TreeTable({0, 0, 0}).HasGroups());
}

TEST(GridGroupsTest, ClosedGroupsHideTheirRows) {
  GridModel model = TreeTable({0, 1, 2, 1, 0, 1});
  model.ToggleExpanded(1);  // closes r1: r2 hidden
  EXPECT_EQ((std::vector<bool>{true, true, false, true, true, true}), model.ShownRows());
  model.ToggleExpanded(0);  // closes r0 as well
  EXPECT_EQ((std::vector<bool>{true, false, false, false, true, true}), model.ShownRows());
  model.ToggleExpanded(0);  // reopens r0: r1 stays closed
  EXPECT_EQ((std::vector<bool>{true, true, false, true, true, true}), model.ShownRows());
  model.ToggleExpanded(5);  // an ordinary row does not fold
  EXPECT_TRUE(model.Row(5).expanded);

  EXPECT_EQ(3, model.NextShownRow(1, +1));
  EXPECT_EQ(1, model.NextShownRow(3, -1));
  EXPECT_EQ(-1, model.NextShownRow(5, +1));
}

TEST(GridRowsTest, SelectionStaysOnItsRowWhenRowsComeAndGo) {
  GridModel model = TreeTable({0, 0, 0, 0});
  model.SelectRow(2);
  model.InsertRow(0, {.key = "new"});
  EXPECT_EQ(3, model.SelectedRow());
  EXPECT_EQ(RowKey("r2"), model.SelectedKey());
  model.DeleteRow(1);
  EXPECT_EQ(RowKey("r2"), model.SelectedKey());
  model.DeleteRow(model.SelectedRow());
  EXPECT_EQ(-1, model.SelectedRow());
  EXPECT_EQ(std::nullopt, model.SelectedKey());
  EXPECT_EQ("new r1 r3", KeyOrder(model));
  EXPECT_EQ(1, model.InsertRow(1, {.key = "mid"}));
  EXPECT_EQ(4, model.InsertRow(99, {.key = "end"})) << "a position out of range appends";
  EXPECT_EQ(2, model.FindKey("r1"));
  EXPECT_EQ(-1, model.FindKey("r0"));
}

TEST(GridRowsTest, CellsFollowTheColumns) {
  GridModel model;
  model.SetColumns({{.title = "甲"}, {.title = "乙"}});
  model.AddRow({.key = 1, .cells = {"a", "b", "extra"}});
  model.AddRow({.key = 2, .cells = {"c"}});
  EXPECT_EQ((std::vector<std::string>{"a", "b"}), model.Row(0).cells);
  EXPECT_EQ("", model.Cell(1, 1));
  model.AddColumn({.title = "丙"});
  EXPECT_EQ(3u, model.Row(1).cells.size());
  EXPECT_EQ("", model.Cell(5, 0)) << "out of range reads empty";
  model.SetCell(5, 0, "ignored");
  model.Clear();
  EXPECT_EQ(0, model.RowCount());
  EXPECT_EQ(0, model.ColumnCount());
}

TEST(GridColumnsTest, DraggedWidthNeverBelowTwenty) {
  struct Drag {
    int width, delta, expected;
  };
  for (Drag drag : {Drag{80, -70, 20}, Drag{80, -500, 20}, Drag{80, -50, 30}, Drag{30, 45, 75}, Drag{25, -5, 20}}) {
    GridModel model;
    model.AddColumn({.title = "列", .width = drag.width});
    model.ResizeColumnBy(0, drag.delta);
    EXPECT_EQ(drag.expected, model.Column(0).width) << drag.width << " by " << drag.delta;
  }
}

TEST(GridColumnsTest, RequiredColumnsStayVisible) {
  GridModel model;
  model.SetColumns({{.title = "日期", .visible = false, .required = true}, {.title = "说明"}});
  EXPECT_TRUE(model.Column(0).visible);
  model.SetColumnVisible(0, false);
  model.SetColumnVisible(1, false);
  EXPECT_TRUE(model.Column(0).visible);
  EXPECT_FALSE(model.Column(1).visible);
}

}  // namespace
}  // namespace cw
