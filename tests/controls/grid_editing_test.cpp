// In-place editing rules: where each key takes the editor, how an edit is
// accepted or refused, and the colours a cell is painted in.
#include <gtest/gtest.h>

#include <set>

#include "controls/cell_colours.h"
#include "controls/grid_editing.h"
#include "grid_test_tables.h"

namespace cw {
namespace {

// A budget-like grid of 4 rows and 5 columns. Editable cells (E):
//          c0 c1 c2 c3 c4
//   row 0   .  E  .  E  .
//   row 1   .  E  .  E  .
//   row 2   .  E  .  .  .
//   row 3   .  E  .  E  .
class EditMoveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model_.SetColumns({{.title = "a"}, {.title = "b"}, {.title = "c"}, {.title = "d"}, {.title = "e"}});
    for (int row = 0; row < 4; ++row) model_.AddRow({.key = row});
    callbacks_.can_edit = [this](int row, int column) { return editable_.count({row, column}) > 0; };
  }
  std::optional<GridCell> Move(int row, int column, EditKey key) {
    return EditMoveTarget(model_, callbacks_, {row, column}, key);
  }

  GridModel model_;
  GridCallbacks callbacks_;
  std::set<std::pair<int, int>> editable_{{0, 1}, {0, 3}, {1, 1}, {1, 3}, {2, 1}, {3, 1}, {3, 3}};
};

TEST_F(EditMoveTest, KeysMoveToTheNextEditableCell) {
  struct Case {
    const char* what;
    GridCell from;
    EditKey key;
    std::optional<GridCell> to;
  };
  const Case cases[] = {
      {"Left searches leftwards past read-only cells", {0, 3}, EditKey::LeftAtStart, GridCell{0, 1}},
      {"Left in the first editable cell stays", {0, 1}, EditKey::LeftAtStart, std::nullopt},
      {"Right searches rightwards", {1, 1}, EditKey::RightAtEnd, GridCell{1, 3}},
      {"Right in the last editable cell stays", {1, 3}, EditKey::RightAtEnd, std::nullopt},
      {"Up to the same column", {1, 3}, EditKey::Up, GridCell{0, 3}},
      {"Up from the first row stays", {0, 1}, EditKey::Up, std::nullopt},
      {"Down to the same column", {0, 3}, EditKey::Down, GridCell{1, 3}},
      {"Down onto a read-only cell stays", {1, 3}, EditKey::Down, std::nullopt},
      {"Down does not skip a read-only row", {2, 1}, EditKey::Down, GridCell{3, 1}},
      {"Tab goes right first", {0, 1}, EditKey::TabOrEnter, GridCell{0, 3}},
      {"Tab in the last editable cell goes below", {0, 3}, EditKey::TabOrEnter, GridCell{1, 3}},
      {"Tab with a read-only cell below stays", {1, 3}, EditKey::TabOrEnter, std::nullopt},
      {"Tab in the last row stays", {3, 3}, EditKey::TabOrEnter, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(c.to, Move(c.from.row, c.from.column, c.key)) << c.what;
}

TEST_F(EditMoveTest, HiddenColumnsAndRowsAreNotEdited) {
  model_.SetColumnVisible(3, false);
  EXPECT_EQ(std::nullopt, Move(0, 1, EditKey::RightAtEnd));
  EXPECT_EQ(GridCell({1, 1}), Move(0, 1, EditKey::TabOrEnter));
  EXPECT_FALSE(CanEditCell(model_, callbacks_, {0, 3}));

  // Rows 1-2 folded under row 0: Up and Down pass over them.
  model_.SetColumnVisible(3, true);
  model_.DeleteAllRows();
  for (int level : {0, 1, 1, 0}) model_.AddRow({.key = model_.RowCount(), .level = level});
  model_.SetExpanded(0, false);
  EXPECT_EQ(GridCell({3, 1}), Move(0, 1, EditKey::Down));
  EXPECT_EQ(GridCell({0, 3}), Move(3, 3, EditKey::Up));
  EXPECT_FALSE(CanEditCell(model_, callbacks_, {1, 1}));
}

TEST(AcceptEditTest, RefusalKeepsTheCellAcceptanceStoresIt) {
  GridModel model = testing::AmountTable({{1, "工资", "0.00"}});
  GridCallbacks callbacks;
  EXPECT_TRUE(AcceptEdit(model, callbacks, {0, 1}, "12.50")) << "without a callback every text is taken";
  EXPECT_EQ("12.50", model.Cell(0, 1));

  std::string offered;
  callbacks.accept_edit = [&](int row, int column, const std::string& text) {
    offered = std::to_string(row) + "," + std::to_string(column) + ":" + text;
    return text == "abc" ? 0 : 1;
  };
  EXPECT_FALSE(AcceptEdit(model, callbacks, {0, 1}, "abc"));
  EXPECT_EQ("0,1:abc", offered);
  EXPECT_EQ("12.50", model.Cell(0, 1));
  EXPECT_TRUE(AcceptEdit(model, callbacks, {0, 1}, "7.00"));
  EXPECT_EQ("7.00", model.Cell(0, 1));
}

TEST(CellColoursTest, SelectionThenCellThenRowThenBody) {
  GridModel model = testing::AmountTable({{1, "a", "1"}, {2, "月统计", "2"}, {3, "c", "3"}});
  model.SetBackground(1, kTotalRowBackground);
  GridColours colours;
  GridCallbacks callbacks;
  const Rgb editable{180, 255, 180};
  callbacks.cell_colour = [&](int row, int column) -> std::optional<Rgb> {
    if (column == 1 && row != 1) return editable;
    return std::nullopt;
  };
  model.SelectRow(2);
  EXPECT_EQ((CellColours{colours.body, colours.text}), ResolveCellColours(model, callbacks, colours, 0, 0));
  EXPECT_EQ((CellColours{editable, colours.text}), ResolveCellColours(model, callbacks, colours, 0, 1));
  EXPECT_EQ((CellColours{kTotalRowBackground, colours.text}), ResolveCellColours(model, callbacks, colours, 1, 1));
  EXPECT_EQ((CellColours{colours.selected, colours.selected_text}),
            ResolveCellColours(model, callbacks, colours, 2, 1));
  EXPECT_EQ((CellColours{Rgb{0, 0, 168}, Rgb{255, 255, 255}}), ResolveCellColours(model, callbacks, colours, 2, -1));
  model.ShowCheckColumn(true);
  EXPECT_EQ((CellColours{Rgb{215, 230, 250}, Rgb{0, 0, 0}}), ResolveCellColours(model, callbacks, colours, 2, 0))
      << "a list with check boxes marks its selection softly";
}

}  // namespace
}  // namespace cw
