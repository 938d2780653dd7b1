#pragma once
// The tables of the home page as plain values: what the page draws and what the
// command-line tool prints. Cells are finished texts.
#include <string>
#include <vector>

namespace cw {

enum class CellAlign { kLeft, kCenter, kRight };

struct HomeColumn {
  std::string title;
  int width = 80;  // pixels at the normal font size
  CellAlign align = CellAlign::kLeft;
};

// What a link opens: the arguments of the main window's "open page" message
// (1201). kind 2 opens the detail ledger of the account `target`; kind 3 opens
// a statistics page, `target` "6" for income by category, "7" for expense by category.
struct PageLink {
  int kind = 0;  // 0: no link
  std::string target;
  friend bool operator==(const PageLink&, const PageLink&) = default;
};
inline constexpr int kLinkLedger = 2;
inline constexpr int kLinkStatistics = 3;

enum class RowClass {
  kNormal,
  kTotal,  // total and summary rows, light green
  kAlert,  // needs attention (an overdue card bill)
};

struct HomeRow {
  std::string key;
  std::vector<std::string> cells;  // one per column
  RowClass row_class = RowClass::kNormal;
  PageLink link;  // carried by the row's first cell
};

struct HomeTable {
  std::string title;
  PageLink title_link;
  std::vector<HomeColumn> columns;
  std::vector<HomeRow> rows;
};

}  // namespace cw
