#include "output/print_layout.h"

#include <gtest/gtest.h>

#include <numeric>

namespace cw {
namespace {

constexpr double kSlack = 1e-6;

// A ledger-like table: date, summary, amount; `rows` rows numbered in the summary.
GridModel Table(int rows) {
  GridModel grid;
  grid.SetColumns({{.title = "日期", .width = 80, .align = Align::Centre},
                   {.title = "摘要", .width = 200},
                   {.title = "金额", .width = 120, .align = Align::Right}});
  for (int r = 0; r < rows; ++r) grid.AddRow({.cells = {"2026-03-01", "行" + std::to_string(r), "1.00"}});
  return grid;
}

PrintSettings SettingsFor(const GridModel& grid) { return {.columns = PrintColumnsOf(grid)}; }

std::vector<int> PrintedRows(const PrintLayout& layout) {
  std::vector<int> rows;
  for (const PrintedPage& page : layout.pages) {
    for (const PrintedRow& row : page.rows) rows.push_back(row.grid_row);
  }
  return rows;
}

int RowsPerPage(const PaperSize& paper, const PrintMargins& margins, std::vector<std::string> page_header = {}) {
  const GridModel grid = Table(1000);
  PrintSettings settings = SettingsFor(grid);
  settings.margins = margins;
  return static_cast<int>(LayoutPrint({grid, "t", std::move(page_header)}, settings, paper).pages.front().rows.size());
}

TEST(PrintLayoutTest, EveryRowIsPrintedOnceInOrderAndNoneIsCut) {
  const struct {
    PaperSize paper;
    PrintMargins margins;
  } kPapers[] = {{{210, 297}, {}}, {{297, 210}, {}}, {{148, 105}, {50, 50, 5, 5}}, {{210, 297}, {5, 5, 5, 5}}};
  for (const auto& p : kPapers) {
    const int per_page = RowsPerPage(p.paper, p.margins, {"科目：现金"});
    ASSERT_GE(per_page, 1);
    for (int rows : {0, 1, per_page - 1, per_page, per_page + 1, 3 * per_page + 2}) {
      SCOPED_TRACE(testing::Message() << p.paper.width << "x" << p.paper.height << " rows " << rows);
      const GridModel grid = Table(rows);
      PrintSettings settings = SettingsFor(grid);
      settings.margins = p.margins;
      const PrintLayout layout = LayoutPrint({grid, "明细账", {"科目：现金"}}, settings, p.paper);

      std::vector<int> expected(rows);
      std::iota(expected.begin(), expected.end(), 0);
      EXPECT_EQ(PrintedRows(layout), expected);
      EXPECT_EQ(layout.page_count, std::max(1, (rows + per_page - 1) / per_page));
      ASSERT_EQ(static_cast<int>(layout.pages.size()), layout.page_count);
      for (const PrintedPage& page : layout.pages) {
        double y = page.column_title_band.Bottom();
        for (const PrintedRow& row : page.rows) {
          EXPECT_GE(row.box.top + kSlack, y);  // below the titles and the row before
          y = row.box.Bottom();
        }
        EXPECT_LE(y, page.page_number.box.top + kSlack);
        EXPECT_LE(page.page_number.box.Bottom(), p.paper.height - p.margins.bottom + kSlack);
      }
    }
  }
}

TEST(PrintLayoutTest, WiderMarginsHoldFewerRows) {
  const PaperSize a4;
  EXPECT_GT(RowsPerPage(a4, {}), RowsPerPage(a4, {15, 50, 15, 50}));
  EXPECT_LT(RowsPerPage(a4, {}), RowsPerPage(a4, {5, 5, 5, 5}));
  EXPECT_GT(RowsPerPage(a4, {}), RowsPerPage(a4, {}, {"科目：现金", "日期范围：2026-01 至 2026-03"}));
  // A page too small for one row still prints one, so that nothing is lost.
  EXPECT_EQ(RowsPerPage({40, 40}, {}), 1);
}

TEST(PrintLayoutTest, EveryPageCarriesTitleHeaderColumnTitlesAndItsNumber) {
  const GridModel grid = Table(100);
  const PrintLayout layout =
      LayoutPrint({grid, "现金明细账", {"科目：现金", "日期范围：2026-01 至 2026-03"}}, SettingsFor(grid), PaperSize{});
  ASSERT_GE(layout.page_count, 3);
  for (const PrintedPage& page : layout.pages) {
    SCOPED_TRACE(page.number);
    EXPECT_EQ(page.title.text, "现金明细账");
    EXPECT_TRUE(page.title.bold);
    EXPECT_EQ(page.title.align, Align::Centre);
    ASSERT_EQ(page.header_lines.size(), 2u);
    EXPECT_EQ(page.header_lines[1].text, "日期范围：2026-01 至 2026-03");
    EXPECT_LE(page.title.box.Bottom(), page.header_lines[0].box.top + kSlack);
    EXPECT_LE(page.header_lines[1].box.Bottom(), page.column_title_band.top + kSlack);
    ASSERT_EQ(page.column_titles.size(), 3u);
    EXPECT_EQ(page.column_titles[2].text, "金额");
    EXPECT_EQ(page.page_number.text, PageNumberText(page.number, layout.page_count));
  }
  EXPECT_EQ(PageNumberText(2, 5), "第 2 页 / 共 5 页");
}

TEST(PrintLayoutTest, OnlyThePagesOfTheRangeAreLaidOut) {
  const GridModel grid = Table(5 * RowsPerPage({}, {}));  // five full pages
  const struct {
    int from, to;
    std::vector<int> pages;
  } kCases[] = {{1, 65535, {1, 2, 3, 4, 5}}, {2, 3, {2, 3}}, {4, 99, {4, 5}}, {5, 5, {5}}, {6, 9, {}}, {3, 2, {}}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.from << ".." << c.to);
    PrintSettings settings = SettingsFor(grid);
    settings.range = {c.from, c.to};
    const PrintLayout layout = LayoutPrint({grid, "t"}, settings, PaperSize{});
    EXPECT_EQ(layout.page_count, 5);
    std::vector<int> numbers;
    for (const PrintedPage& page : layout.pages) numbers.push_back(page.number);
    EXPECT_EQ(numbers, c.pages);
    // A page keeps its rows whichever pages around it are printed.
    if (!layout.pages.empty()) {
      const int per_page = static_cast<int>(layout.pages.front().rows.size());
      EXPECT_EQ(layout.pages.front().rows.front().grid_row, (c.from - 1) * per_page);
    }
  }
}

TEST(PrintLayoutTest, ChosenColumnsFillTheWidthInProportionWithTheirAlignment) {
  const GridModel grid = Table(2);
  PrintSettings settings = SettingsFor(grid);
  settings.margins = {20, 15, 10, 15};
  settings.columns[1].printed = false;  // 摘要 left out
  const PrintLayout layout = LayoutPrint({grid, "t"}, settings, PaperSize{});
  const PrintedPage& page = layout.pages.front();
  ASSERT_EQ(page.column_titles.size(), 2u);
  EXPECT_EQ(page.column_titles[0].text, "日期");
  EXPECT_EQ(page.column_titles[1].text, "金额");
  const PrintedRow& row = page.rows.front();
  ASSERT_EQ(row.cells.size(), 2u);
  EXPECT_EQ(row.cells[0].text, "2026-03-01");
  EXPECT_EQ(row.cells[1].text, "1.00");
  EXPECT_EQ(row.cells[0].align, Align::Centre);
  EXPECT_EQ(row.cells[1].align, Align::Right);
  // 80 : 120 of 180 mm, from the left margin to the right one.
  EXPECT_NEAR(row.cells[0].box.left, 20, kSlack);
  EXPECT_NEAR(row.cells[0].box.width, 72, kSlack);
  EXPECT_NEAR(row.cells[1].box.left, 92, kSlack);
  EXPECT_NEAR(row.cells[1].box.Right(), 200, kSlack);
}

// Grid widths are made for the window's 9-point font at 96 dpi: 720 pixels
// need 211.67 mm at 10 points, more than the 180 mm of an A4 page.
TEST(PrintLayoutTest, ATableWiderThanThePageIsPrintedSmallerDownToSixPoints) {
  auto wide = [](int columns) {
    GridModel grid;
    std::vector<GridColumn> titles;
    for (int c = 0; c < columns; ++c) titles.push_back({.title = "列" + std::to_string(c), .width = 120});
    grid.SetColumns(titles);
    for (int r = 0; r < 200; ++r) grid.AddRow({.cells = std::vector<std::string>(columns, "1,000.00")});
    return grid;
  };
  auto points = [](const GridModel& grid, PrintSettings settings) {
    const PrintedPage page = LayoutPrint({grid, "t"}, settings, PaperSize{}).pages.front();
    EXPECT_EQ(page.column_titles.front().points, page.rows.front().cells.front().points);
    return page.rows.front().cells.front().points;
  };
  const GridModel six = wide(6);
  EXPECT_NEAR(points(six, SettingsFor(six)), 10 * 180 / (720 / (96 / 25.4) * 10 / 9), 1e-9);
  PrintSettings five = SettingsFor(six);
  five.columns[0].printed = false;  // 600 pixels need 176.4 mm: they fit
  EXPECT_EQ(points(six, five), PrintFonts::kBodyPoints);
  const GridModel forty = wide(40);
  EXPECT_EQ(points(forty, SettingsFor(forty)), 6);
  // Smaller rows: more of them on a page, none cut.
  const PrintLayout layout = LayoutPrint({six, "t"}, SettingsFor(six), PaperSize{});
  EXPECT_GT(layout.pages.front().rows.size(), static_cast<std::size_t>(RowsPerPage({}, {})));
  EXPECT_LE(layout.pages.front().rows.back().box.Bottom(), layout.pages.front().page_number.box.top);
  EXPECT_EQ(PrintedRows(layout).size(), 200u);
}

TEST(PrintLayoutTest, RowsKeepTheirColoursAndTreeLevelsAndClosedGroupsStayFolded) {
  GridModel grid;
  grid.SetColumns({{.title = "科目", .width = 100}, {.title = "余额", .width = 100, .align = Align::Right}});
  grid.AddRow({.cells = {"资产", "10.00"}, .level = 0, .background = kTotalRowBackground});
  grid.AddRow({.cells = {"现金", "4.00"}, .level = 1, .text_colours = {std::nullopt, Rgb{255, 0, 0}}});
  grid.AddRow({.cells = {"负债", "3.00"}, .level = 0, .expanded = false});
  grid.AddRow({.cells = {"信用卡", "3.00"}, .level = 1});
  const PrintLayout layout = LayoutPrint({grid, "余额表"}, SettingsFor(grid), PaperSize{});
  EXPECT_EQ(PrintedRows(layout), (std::vector<int>{0, 1, 2}));
  const auto& rows = layout.pages.front().rows;
  EXPECT_EQ(rows[0].background, kTotalRowBackground);
  EXPECT_EQ(rows[1].background, std::nullopt);
  EXPECT_EQ(rows[1].cells[1].colour, (Rgb{255, 0, 0}));
  EXPECT_EQ(rows[1].cells[0].colour, (Rgb{0, 0, 0}));
  EXPECT_EQ(rows[0].cells[0].indent, 0);
  EXPECT_GT(rows[1].cells[0].indent, 0);
  EXPECT_EQ(rows[1].cells[1].indent, 0);
}

}  // namespace
}  // namespace cw
