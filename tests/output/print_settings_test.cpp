#include "output/print_settings.h"

#include <gtest/gtest.h>

namespace cw {
namespace {

TEST(PrintMarginsTest, TypedTextIsReadInCentimetresTruncatedAndClamped) {
  const struct {
    const char* typed;
    int millimetres;
  } kCases[] = {
      {" 1.5 厘米", 15}, {"2.37 厘米", 23}, {"4.1", 41},  {"1.29cm", 12}, {"0.3", 5},
      {"6", 50},         {"5.0 厘米", 50},  {"-2", 5},    {"", 5},        {"厘米", 5},
      {"abc", 5},        {"1e9", 50},       {"0.5", 5},   {"0.59", 5},    {" 2", 20},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(ParseMarginText(c.typed), c.millimetres);
  }
}

TEST(PrintMarginsTest, ShownTextReadsBackAsTheSameMargin) {
  EXPECT_EQ(MarginText(15), " 1.5 厘米");
  EXPECT_EQ(MarginText(5), " 0.5 厘米");
  for (int mm = PrintMargins::kMinMargin; mm <= PrintMargins::kMaxMargin; ++mm) {
    EXPECT_EQ(ParseMarginText(MarginText(mm)), mm) << MarginText(mm);
  }
}

TEST(PrintMarginsTest, SpinStepsStayWithinTheLimits) {
  EXPECT_EQ(StepMargin(15, 1), 16);
  EXPECT_EQ(StepMargin(15, -1), 14);
  EXPECT_EQ(StepMargin(50, 1), 50);
  EXPECT_EQ(StepMargin(5, -1), 5);
  EXPECT_EQ(PrintMargins{}, (PrintMargins{15, 15, 15, 15}));
}

TEST(PrintColumnsTest, HiddenGridColumnsAreOfferedButNotPrinted) {
  GridModel grid;
  grid.SetColumns({{.title = "日期", .width = 90}, {.title = "备注", .visible = false}, {.title = "金额", .width = 120}});
  const std::vector<PrintColumn> columns = PrintColumnsOf(grid);
  ASSERT_EQ(columns.size(), 3u);
  EXPECT_EQ(columns[1].title, "备注");
  EXPECT_FALSE(columns[1].printed);
  EXPECT_TRUE(columns[2].printed);
  EXPECT_EQ(columns[2].grid_column, 2);
  EXPECT_EQ(columns[2].width, 120);

  std::vector<PrintColumn> none = columns;
  for (PrintColumn& column : none) column.printed = false;
  EXPECT_TRUE(AnyColumnPrinted(columns));
  EXPECT_FALSE(AnyColumnPrinted(none));
  EXPECT_FALSE(AnyColumnPrinted({}));
}

}  // namespace
}  // namespace cw
