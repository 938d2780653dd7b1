#pragma once
// Small tables the grid tests share, and a one-line rendering of row order.
#include <string>
#include <vector>

#include "controls/grid_model.h"

namespace cw::testing {

// The keys of the rows in order, as "k1 k2 k3".
inline std::string KeyOrder(const GridModel& model) {
  std::string order;
  for (const GridRow& row : model.Rows()) order += (order.empty() ? "" : " ") + row.key.Text();
  return order;
}

// A table of two columns, "名称" (text) and "金额" (number, right-aligned), with
// one row per (key, name, amount).
struct NamedAmount {
  RowKey key;
  std::string name;
  std::string amount;
};
inline GridModel AmountTable(const std::vector<NamedAmount>& rows) {
  GridModel model;
  model.SetColumns({{.title = "名称", .width = 100},
                    {.title = "金额", .width = 80, .align = Align::Right, .sort = SortKind::Number}});
  for (const NamedAmount& row : rows) model.AddRow({.key = row.key, .cells = {row.name, row.amount}});
  return model;
}

// A tree: level of each row in order, keys "r0", "r1", ...
inline GridModel TreeTable(const std::vector<int>& levels) {
  GridModel model;
  model.SetColumns({{.title = "科目名称", .width = 120}});
  for (std::size_t i = 0; i < levels.size(); ++i) {
    model.AddRow({.key = "r" + std::to_string(i), .cells = {"科目" + std::to_string(i)}, .level = levels[i]});
  }
  return model;
}

}  // namespace cw::testing
