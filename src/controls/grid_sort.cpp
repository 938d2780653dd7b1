// The order GridModel::Sort puts the rows in.
#include <algorithm>

#include "controls/grid_model.h"
#include "controls/sort_text.h"

namespace cw {
namespace {

// What a row is compared by, worked out once per sort rather than per comparison.
struct SortValue {
  double number = 0;
  std::string text;
};

SortValue ValueOf(const std::string& text, SortKind kind) {
  if (kind == SortKind::Number) return {SortNumber(text), {}};
  return {0, GbkSortText(text)};
}

SortValue ValueOf(const RowKey& key, SortKind kind) {
  if (kind == SortKind::Number) return {key.Number(), {}};
  return {0, GbkSortText(key.Text())};
}

int Compare(const SortValue& a, const SortValue& b, SortKind kind) {
  if (kind == SortKind::Number) return a.number < b.number ? -1 : (b.number < a.number ? 1 : 0);
  return a.text.compare(b.text);
}

}  // namespace

std::vector<int> GridModel::SortedOrder(int sort_column) const {
  const SortKind kind = Column(sort_column).sort;
  std::vector<SortValue> cells;
  std::vector<SortValue> keys;
  cells.reserve(rows_.size());
  keys.reserve(rows_.size());
  for (const GridRow& row : rows_) {
    cells.push_back(ValueOf(row.cells.empty() ? std::string() : row.cells[sort_column], kind));
    keys.push_back(ValueOf(row.key, kind));
  }
  auto comes_first = [&](int a, int b) {
    int order = Compare(cells[a], cells[b], kind);
    if (order == 0) order = Compare(keys[a], keys[b], kind);
    return ascending_ ? order < 0 : order > 0;
  };

  // Orders the rows begin..end-1, which are the subordinate rows of one group
  // (or the whole table): their top rows are sorted, each carrying its own
  // subordinate rows along, which are then sorted the same way.
  std::vector<int> order;
  order.reserve(rows_.size());
  auto order_range = [&](auto& self, int begin, int end) -> void {
    std::vector<int> heads;
    for (int row = begin; row < end; row += 1 + std::min(GroupCount(row), end - row - 1)) heads.push_back(row);
    std::stable_sort(heads.begin(), heads.end(), comes_first);
    for (int head : heads) {
      order.push_back(head);
      const int stop = head + 1 + std::min(GroupCount(head), end - head - 1);
      if (stop > head + 1) self(self, head + 1, stop);
    }
  };
  order_range(order_range, 0, RowCount());
  return order;
}

}  // namespace cw
