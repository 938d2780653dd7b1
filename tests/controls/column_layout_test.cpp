// Column layout persistence: what is written under "User%d/T%03d", what is
// read back (clamped), and that unsaved tables keep their own defaults.
#include <gtest/gtest.h>

#include "controls/column_layout.h"
#include "core/settings.h"
#include "support/temp_home.h"

namespace cw {
namespace {

GridModel LedgerColumns() {
  GridModel model;
  model.SetColumns({{.title = "日期", .width = 80, .required = true},
                    {.title = "说明", .width = 120},
                    {.title = "金额", .width = 80, .sort = SortKind::Number},
                    {.title = "制单", .width = 50}});
  model.EnableSort(0, true);
  return model;
}

std::vector<int> Widths(const GridModel& model) {
  std::vector<int> widths;
  for (const GridColumn& column : model.Columns()) widths.push_back(column.width);
  return widths;
}

TEST(ColumnLayoutTest, RoundTripUnderTheTableKey) {
  testing::TempHome home;
  GridModel saved = LedgerColumns();
  saved.SetColumnWidth(1, 200);
  saved.SetColumnVisible(1, false);
  saved.SetColumnVisible(3, false);
  saved.EnableSort(2, false);
  SaveColumnLayout(saved, 32930, 3);

  const std::string key = "User3/T930";
  EXPECT_EQ(200, settings::GetNumber(key, "Col1"));
  EXPECT_EQ(0b1010, settings::GetNumber(key, "HideColumn"));
  EXPECT_EQ(2, settings::GetNumber(key, "SortCol"));
  EXPECT_EQ(0, settings::GetNumber(key, "Ascending"));

  GridModel loaded = LedgerColumns();
  LoadColumnLayout(loaded, 930, 3);
  EXPECT_EQ(Widths(saved), Widths(loaded));
  EXPECT_EQ((std::vector<bool>{true, false, true, false}),
            (std::vector<bool>{loaded.Column(0).visible, loaded.Column(1).visible, loaded.Column(2).visible,
                               loaded.Column(3).visible}));
  EXPECT_EQ(2, loaded.SortColumn());
  EXPECT_FALSE(loaded.Ascending());

  GridModel other_user = LedgerColumns();
  LoadColumnLayout(other_user, 32930, 4);
  EXPECT_EQ(Widths(LedgerColumns()), Widths(other_user)) << "layouts are per user";
}

TEST(ColumnLayoutTest, StoredWidthsAreClamped) {
  testing::TempHome home;
  const std::string key = settings::TableKey(1, 33200);
  struct Stored {
    int value;
    int expected;  // for a column whose own width is 80
  };
  const Stored cases[] = {{5000, 500}, {501, 500}, {5, 20}, {19, 20}, {20, 20}, {0, 80}, {-40, 80}, {333, 333}};
  GridModel model;
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    model.AddColumn({.title = "列", .width = 80});
    settings::SetNumber(key, "Col" + std::to_string(i), cases[i].value);
  }
  model.AddColumn({.title = "未存", .width = 80});  // nothing stored: keeps its width
  LoadColumnLayout(model, 33200, 1);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(cases[i].expected, model.Column(i).width) << "stored " << cases[i].value;
  }
  EXPECT_EQ(80, model.Column(std::size(cases)).width);
}

TEST(ColumnLayoutTest, NothingStoredKeepsTheTablesOwnChoice) {
  testing::TempHome home;
  GridModel model = LedgerColumns();
  model.EnableSort(1, false);
  model.SetColumnVisible(3, false);
  LoadColumnLayout(model, 900, 2);
  EXPECT_EQ(1, model.SortColumn());
  EXPECT_FALSE(model.Ascending());
  EXPECT_FALSE(model.Column(3).visible);

  // A stored mask cannot hide a required column.
  settings::SetNumber(settings::TableKey(2, 900), "HideColumn", 0b0001);
  LoadColumnLayout(model, 900, 2);
  EXPECT_TRUE(model.Column(0).visible);
  EXPECT_TRUE(model.Column(3).visible) << "a stored mask of 0 for column 3 shows it";
}

TEST(ColumnLayoutTest, SortIsStoredOnlyForSortingTables) {
  testing::TempHome home;
  GridModel model = LedgerColumns();
  model.DisableSort();
  SaveColumnLayout(model, 950, 1);
  EXPECT_FALSE(settings::HasNumber("User1/T950", "SortCol"));
  EXPECT_TRUE(settings::HasNumber("User1/T950", "Col3"));

  settings::SetNumber("User1/T950", "SortCol", 2);
  LoadColumnLayout(model, 950, 1);
  EXPECT_FALSE(model.SortEnabled());

  // A table sorted on request (a "排序" command) gets its stored sort back.
  LoadColumnLayout(model, "User1/T950", StoredSort::kAlways);
  ASSERT_TRUE(model.SortEnabled());
  EXPECT_EQ(2, model.SortColumn());
}

}  // namespace
}  // namespace cw
