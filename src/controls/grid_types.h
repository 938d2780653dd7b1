#pragma once
// The plain values a grid table is made of: colours, columns, row keys and rows.
// No Qt: logic builds tables from these, the grid widget, printing, export and
// the command-line tool read them.
#include <concepts>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "base/rgb.h"

namespace cw {


// Total and summary rows of every table (ledger subtotals, summary accounts,
// statistics rows) are drawn on this light green.
inline constexpr Rgb kTotalRowBackground{200, 255, 180};

enum class Align { Left = 0, Centre = 1, Right = 2 };
enum class SortKind { Text = 0, Number = 1 };
// What a column's cells are when the table leaves the program (export): amounts
// and percentages become numbers a spreadsheet can sum, everything else text.
enum class CellKind { Text, Amount, Percent };

struct GridColumn {
  std::string title{};
  int width = 80;  // pixels
  Align align = Align::Left;
  bool visible = true;  // a hidden column takes no width
  SortKind sort = SortKind::Text;
  bool required = false;  // may not be hidden: a required column is always visible
  // None: export infers the kind from the sort kind and alignment (output/cell_kinds.h).
  std::optional<CellKind> kind{};
};

// A row's identification for its module (a voucher number, an account code, a
// user number). Rows are told apart by it when sorting ties, so it is compared
// as a number or as text, whichever the sort column is. A number and a text are
// different keys even when they read the same.
class RowKey {
 public:
  RowKey() : value_(std::string()) {}
  template <std::integral Number>
  RowKey(Number number) : value_(static_cast<long long>(number)) {}  // NOLINT: a number is a key
  RowKey(std::string text) : value_(std::move(text)) {}  // NOLINT: so is a text
  RowKey(const char* text) : value_(std::string(text)) {}  // NOLINT

  bool IsNumber() const { return std::holds_alternative<long long>(value_); }
  // A number as its decimal text.
  std::string Text() const;
  // A text read as a number the way the C library reads it ("12abc" is 12, "" is 0).
  double Number() const;

  friend bool operator==(const RowKey&, const RowKey&) = default;

 private:
  std::variant<long long, std::string> value_;
};

struct GridRow {
  RowKey key{};
  std::vector<std::string> cells{};  // one per column; missing cells read ""
  int user_value = 0;              // free for the module (for example a colour class)
  bool checkable = false;          // shows a check box in the check-box column
  bool checked = false;
  // Tree depth, 0 at the top. The rows right after a row that lie deeper are
  // its subordinate rows; a row that has some is a group row.
  int level = 0;
  bool expanded = true;  // open/closed state of a group row
  std::optional<Rgb> background{};  // none: the grid's default
  // Text colour of single cells, by column; a missing or empty entry keeps the
  // grid's text colour (a budget's actual figure that missed its plan is red).
  std::vector<std::optional<Rgb>> text_colours{};
};

// The grid's own colours. The defaults are the program's: white body, dark
// blue grid lines, light lavender header, dark blue selection with white text.
struct GridColours {
  Rgb body{255, 255, 255};
  Rgb text{0, 0, 0};
  Rgb grid_lines{0, 0, 128};
  Rgb header{220, 220, 255};
  Rgb selected{0, 0, 168};
  Rgb selected_text{255, 255, 255};
  // A list with a check-box column marks its selected row more softly, so that
  // the ticks stay readable.
  Rgb check_list_selected{215, 230, 250};
  Rgb check_list_selected_text{0, 0, 0};
};

}  // namespace cw
