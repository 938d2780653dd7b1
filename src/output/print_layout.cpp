#include "output/print_layout.h"

#include <algorithm>
#include <cmath>

#include "base/gbk_text.h"

namespace cw {
namespace {

constexpr double kLevelIndent = 4;    // millimetres per tree level in the first printed column
constexpr double kHeaderGap = 2;      // between the page header and the column titles
constexpr double kPageNumberGap = 2;  // between the last row and the page number
// The grid's columns are sized in pixels of a 96-dpi screen for its 9-point font.
constexpr double kScreenPixelsPerMillimetre = 96 / 25.4;
constexpr double kScreenPoints = 9;
constexpr double kSmallestBodyPoints = 6;

double LineHeight(double points) { return PointsToMillimetres(points) * PrintFonts::kLineSpacing; }

struct ColumnPlace {
  int grid_column;
  std::string title;
  Align align;
  double left;
  double width;
};

// The printed columns side by side over the content width, in proportion to
// their widths in the grid.
std::vector<ColumnPlace> PlaceColumns(const GridModel& grid, const std::vector<PrintColumn>& columns, double left,
                                      double width) {
  std::vector<const PrintColumn*> printed;
  double total = 0;
  for (const PrintColumn& column : columns) {
    if (!column.printed || column.grid_column < 0 || column.grid_column >= grid.ColumnCount()) continue;
    printed.push_back(&column);
    total += std::max(column.width, 1);
  }
  std::vector<ColumnPlace> places;
  double x = left;
  for (const PrintColumn* column : printed) {
    const double share = width * std::max(column->width, 1) / total;
    places.push_back({column->grid_column, column->title, grid.Column(column->grid_column).align, x, share});
    x += share;
  }
  return places;
}

// The size of the column titles and cells: the body size, or smaller for a
// table that needs more than the content width at that size, so that its cells
// fit as they do in the window. Below the smallest size, cells are cut.
double BodyPoints(const std::vector<PrintColumn>& columns, double content_width) {
  double pixels = 0;
  for (const PrintColumn& column : columns) {
    if (column.printed) pixels += std::max(column.width, 1);
  }
  const double needed = pixels / kScreenPixelsPerMillimetre * PrintFonts::kBodyPoints / kScreenPoints;
  if (needed <= content_width) return PrintFonts::kBodyPoints;
  return std::max(kSmallestBodyPoints, PrintFonts::kBodyPoints * content_width / needed);
}

Rgb TextColourOf(const GridRow& row, int grid_column) {
  if (grid_column < static_cast<int>(row.text_colours.size()) && row.text_colours[grid_column]) {
    return *row.text_colours[grid_column];
  }
  return GridColours{}.text;
}

// The geometry every page shares.
struct PageFrame {
  PrintBox content;
  double title_height;
  double header_line_height;
  double body_points;
  double row_height;
  double column_titles_top;
  double rows_top;
  int rows_per_page;
};

PageFrame FrameOf(const PrintSource& source, const PrintSettings& settings, const PaperSize& paper) {
  const PrintMargins& margins = settings.margins;
  PageFrame frame{};
  frame.content = {static_cast<double>(margins.left), static_cast<double>(margins.top),
                   std::max(paper.width - margins.left - margins.right, 1.0),
                   std::max(paper.height - margins.top - margins.bottom, 1.0)};
  frame.title_height = LineHeight(PrintFonts::kTitlePoints);
  frame.header_line_height = LineHeight(PrintFonts::kHeaderPoints);
  frame.body_points = BodyPoints(settings.columns, frame.content.width);
  frame.row_height = LineHeight(frame.body_points);
  frame.column_titles_top = frame.content.top + frame.title_height +
                            frame.header_line_height * static_cast<double>(source.page_header.size()) + kHeaderGap;
  frame.rows_top = frame.column_titles_top + frame.row_height;
  const double rows_bottom =
      frame.content.Bottom() - LineHeight(PrintFonts::kPageNumberPoints) - kPageNumberGap;
  // A page too small for a single row still takes one, so that every row is
  // printed somewhere; it runs over the bottom margin rather than being lost.
  frame.rows_per_page = std::max(1, static_cast<int>(std::floor((rows_bottom - frame.rows_top) / frame.row_height + 1e-9)));
  return frame;
}

PrintedPage LayoutPage(const PrintSource& source, const PageFrame& frame, const std::vector<ColumnPlace>& columns,
                       const std::vector<int>& rows, int number, int page_count) {
  const GridModel& grid = source.grid;
  const PrintBox& content = frame.content;
  PrintedPage page;
  page.number = number;
  page.title = {{content.left, content.top, content.width, frame.title_height},
                source.title,
                Align::Centre,
                PrintFonts::kTitlePoints,
                true};
  double y = content.top + frame.title_height;
  for (const std::string& line : source.page_header) {
    page.header_lines.push_back(
        {{content.left, y, content.width, frame.header_line_height}, line, Align::Left, PrintFonts::kHeaderPoints});
    y += frame.header_line_height;
  }

  page.column_title_band = {content.left, frame.column_titles_top, content.width, frame.row_height};
  page.column_title_background = GridColours{}.header;
  for (const ColumnPlace& column : columns) {
    page.column_titles.push_back({{column.left, frame.column_titles_top, column.width, frame.row_height},
                                  column.title,
                                  Align::Centre,
                                  frame.body_points});
  }

  const bool indented = grid.HasGroups();
  const std::size_t first = static_cast<std::size_t>(number - 1) * frame.rows_per_page;
  const std::size_t last = std::min(rows.size(), first + frame.rows_per_page);
  y = frame.rows_top;
  for (std::size_t i = first; i < last; ++i) {
    const GridRow& source_row = grid.Row(rows[i]);
    PrintedRow row{rows[i], {content.left, y, content.width, frame.row_height}, source_row.background, {}};
    for (const ColumnPlace& column : columns) {
      PrintedText cell{{column.left, y, column.width, frame.row_height},
                       grid.Cell(rows[i], column.grid_column),
                       column.align,
                       frame.body_points};
      cell.colour = TextColourOf(source_row, column.grid_column);
      if (indented && &column == &columns.front()) cell.indent = kLevelIndent * source_row.level;
      row.cells.push_back(std::move(cell));
    }
    page.rows.push_back(std::move(row));
    y += frame.row_height;
  }

  const double number_height = LineHeight(PrintFonts::kPageNumberPoints);
  page.page_number = {{content.left, content.Bottom() - number_height, content.width, number_height},
                      PageNumberText(number, page_count),
                      Align::Centre,
                      PrintFonts::kPageNumberPoints};
  return page;
}

}  // namespace

std::string PageNumberText(int page, int page_count) { return StrFormat("第 %d 页 / 共 %d 页", page, page_count); }

PrintLayout LayoutPrint(const PrintSource& source, const PrintSettings& settings, const PaperSize& paper) {
  const PageFrame frame = FrameOf(source, settings, paper);
  const std::vector<ColumnPlace> columns =
      PlaceColumns(source.grid, settings.columns, frame.content.left, frame.content.width);
  std::vector<int> rows;
  const std::vector<bool> shown = source.grid.ShownRows();
  for (int r = 0; r < source.grid.RowCount(); ++r) {
    if (shown[r]) rows.push_back(r);
  }

  PrintLayout layout;
  const int row_count = static_cast<int>(rows.size());
  layout.page_count = std::max(1, (row_count + frame.rows_per_page - 1) / frame.rows_per_page);
  const int first = std::max(settings.range.from, 1);
  const int last = std::min(settings.range.to, layout.page_count);
  for (int number = first; number <= last; ++number) {
    layout.pages.push_back(LayoutPage(source, frame, columns, rows, number, layout.page_count));
  }
  return layout;
}

}  // namespace cw
