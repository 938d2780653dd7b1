#include "output/cell_kinds.h"

#include <cstdlib>

namespace cw {

CellKind ColumnKind(const GridModel& grid, int column) {
  const GridColumn& attributes = grid.Column(column);
  if (attributes.kind) return *attributes.kind;
  if (attributes.sort != SortKind::Number || attributes.align != Align::Right) return CellKind::Text;
  bool any = false;
  for (int row = 0; row < grid.RowCount(); ++row) {
    const std::string& text = grid.Cell(row, column);
    if (text.empty()) continue;
    if (text.back() != '%') return CellKind::Amount;
    any = true;
  }
  return any ? CellKind::Percent : CellKind::Amount;
}

std::optional<double> CellNumber(CellKind kind, const std::string& text) {
  if (kind == CellKind::Text) return std::nullopt;
  std::string digits;
  for (char c : text)
    if (c != ',' && c != ' ') digits += c;
  const bool percent = kind == CellKind::Percent;
  if (percent) {
    if (digits.empty() || digits.back() != '%') return std::nullopt;
    digits.pop_back();
  }
  if (digits.empty()) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(digits.c_str(), &end);
  if (end != digits.c_str() + digits.size()) return std::nullopt;
  return percent ? value / 100 : value;
}

}  // namespace cw
