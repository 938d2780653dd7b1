#pragma once
// The printed pages of a table, laid out without Qt: every box in millimetres
// from the paper's top left corner, every text with its size in points. The
// drawing (output/ui/print_painter.h) only paints what is laid out here, so the
// printer, the PDF file and the preview show the same pages.
//
// A page, from the top of its content area (the paper inside the margins):
//   the title, centred, bold;
//   the page header lines of the module (account and period of a ledger, ...);
//   the column titles on the grid's header colour;
//   as many whole rows as fit; a row is never cut across two pages;
//   at the bottom, centred, "第 n 页 / 共 m 页".
// Columns keep the proportions of their widths in the grid and together fill
// the content width. A table that needs more than the content width at the
// body size (its grid widths, made for the window's 9-point font, scaled to
// 10 points) is printed smaller, down to 6 points, so that its cells fit as
// they do in the window; rows are then lower and a page holds more of them. Rows keep the grid's row background and cell text
// colours, and their column's alignment; the rows inside a closed group are not
// printed, as they are not shown.
#include <optional>
#include <string>
#include <vector>

#include "controls/grid_model.h"
#include "output/print_settings.h"

namespace cw {

struct PrintBox {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  double Right() const { return left + width; }
  double Bottom() const { return top + height; }
};

struct PrintedText {
  PrintBox box;
  std::string text;
  Align align = Align::Left;
  double points = 10;  // the font size; the font is the print font, "宋体"
  bool bold = false;
  Rgb colour{0, 0, 0};
  double indent = 0;  // millimetres before the text (tree levels)
};

struct PrintedRow {
  int grid_row = 0;
  PrintBox box;
  std::optional<Rgb> background{};  // none: the paper's white
  std::vector<PrintedText> cells;   // one per printed column, each boxed by its cell
};

struct PrintedPage {
  int number = 1;  // 1-based, of the whole document
  PrintedText title;
  std::vector<PrintedText> header_lines;
  PrintBox column_title_band;
  Rgb column_title_background{};
  std::vector<PrintedText> column_titles;  // each boxed by its cell
  std::vector<PrintedRow> rows;
  PrintedText page_number;
};

struct PrintLayout {
  int page_count = 1;               // of the whole document; an empty table still has one page
  std::vector<PrintedPage> pages;   // only those within the asked range
};

struct PaperSize {
  double width = 210;  // millimetres (A4 portrait by default)
  double height = 297;
};

// What is printed: the table and the module's texts.
struct PrintSource {
  const GridModel& grid;
  std::string title;
  std::vector<std::string> page_header{};
};

// Sizes of the printed texts (points) and the line heights that follow from them.
struct PrintFonts {
  static constexpr double kTitlePoints = 16;
  static constexpr double kHeaderPoints = 10;
  static constexpr double kBodyPoints = 10;
  static constexpr double kPageNumberPoints = 9;
  // A line is this many times its font size high.
  static constexpr double kLineSpacing = 1.8;
  // The line width of cell borders: 15 twips.
  static constexpr double kBorderMillimetres = 15.0 / 1440.0 * 25.4;
};

// Millimetres of `points`.
constexpr double PointsToMillimetres(double points) { return points * 25.4 / 72.0; }

// Lays out the pages of `source` on paper of `paper`'s size with the settings'
// margins and printed columns, and keeps the pages of the settings' range.
PrintLayout LayoutPrint(const PrintSource& source, const PrintSettings& settings, const PaperSize& paper);

// "第 n 页 / 共 m 页"
std::string PageNumberText(int page, int page_count);

}  // namespace cw
