#include "controls/grid_model.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace cw {
namespace {

const std::string kNoText;
const GridColumn kNoColumn;
const GridRow kNoRow;

}  // namespace

std::string RowKey::Text() const {
  if (IsNumber()) return std::to_string(std::get<long long>(value_));
  return std::get<std::string>(value_);
}

double RowKey::Number() const {
  if (IsNumber()) return static_cast<double>(std::get<long long>(value_));
  return std::strtod(std::get<std::string>(value_).c_str(), nullptr);
}

// ---- Columns

void GridModel::SetColumns(std::vector<GridColumn> columns) {
  columns_ = std::move(columns);
  for (GridColumn& column : columns_) column.visible = column.visible || column.required;
  for (GridRow& row : rows_) FitCells(row);
  Changed();
}

int GridModel::AddColumn(GridColumn column) {
  column.visible = column.visible || column.required;
  columns_.push_back(std::move(column));
  for (GridRow& row : rows_) FitCells(row);
  Changed();
  return ColumnCount() - 1;
}

const GridColumn& GridModel::Column(int column) const {
  return ValidColumn(column) ? columns_[column] : kNoColumn;
}

void GridModel::SetColumn(int column, GridColumn attributes) {
  if (!ValidColumn(column)) return;
  attributes.visible = attributes.visible || attributes.required;
  columns_[column] = std::move(attributes);
  Changed();
}

void GridModel::SetColumnWidth(int column, int width) {
  if (ValidColumn(column)) columns_[column].width = std::max(0, width);
}

void GridModel::ResizeColumnBy(int column, int delta) {
  if (ValidColumn(column)) columns_[column].width = std::max(kMinColumnWidth, columns_[column].width + delta);
}

void GridModel::SetColumnVisible(int column, bool visible) {
  if (ValidColumn(column)) columns_[column].visible = visible || columns_[column].required;
}

// ---- Rows

void GridModel::FitCells(GridRow& row) const { row.cells.resize(columns_.size()); }

void GridModel::Changed() { sorted_ = false; }

int GridModel::AddRow(GridRow row) { return InsertRow(RowCount(), std::move(row)); }

int GridModel::InsertRow(int at, GridRow row) {
  if (at < 0 || at > RowCount()) at = RowCount();
  FitCells(row);
  rows_.insert(rows_.begin() + at, std::move(row));
  if (selected_ >= at) ++selected_;
  anchor_ = -1;
  Changed();
  return at;
}

void GridModel::DeleteRow(int row) {
  if (!ValidRow(row)) return;
  rows_.erase(rows_.begin() + row);
  if (selected_ == row) selected_ = -1;
  else if (selected_ > row) --selected_;
  anchor_ = -1;
  Changed();
}

void GridModel::DeleteAllRows() {
  rows_.clear();
  selected_ = -1;
  anchor_ = -1;
  all_checked_ = false;
  Changed();
}

void GridModel::Clear() {
  DeleteAllRows();
  columns_.clear();
}

const GridRow& GridModel::Row(int row) const { return ValidRow(row) ? rows_[row] : kNoRow; }

const std::string& GridModel::Cell(int row, int column) const {
  return ValidRow(row) && ValidColumn(column) ? rows_[row].cells[column] : kNoText;
}

void GridModel::SetCell(int row, int column, std::string text) {
  if (!ValidRow(row) || !ValidColumn(column)) return;
  rows_[row].cells[column] = std::move(text);
  Changed();
}

const RowKey& GridModel::Key(int row) const { return Row(row).key; }

void GridModel::SetKey(int row, RowKey key) {
  if (!ValidRow(row)) return;
  rows_[row].key = std::move(key);
  Changed();
}

int GridModel::FindKey(const RowKey& key) const {
  for (int row = 0; row < RowCount(); ++row) {
    if (rows_[row].key == key) return row;
  }
  return -1;
}

void GridModel::SetUserValue(int row, int value) {
  if (ValidRow(row)) rows_[row].user_value = value;
}

void GridModel::SetBackground(int row, std::optional<Rgb> colour) {
  if (ValidRow(row)) rows_[row].background = colour;
}

void GridModel::SetCheckable(int row, bool checkable) {
  if (ValidRow(row)) rows_[row].checkable = checkable;
}

void GridModel::SetChecked(int row, bool checked) {
  if (ValidRow(row)) rows_[row].checked = checked;
}

// ---- Selection

void GridModel::SelectRow(int row) { selected_ = ValidRow(row) ? row : -1; }

std::optional<RowKey> GridModel::SelectedKey() const {
  if (!ValidRow(selected_)) return std::nullopt;
  return rows_[selected_].key;
}

void GridModel::ClickRow(int row) {
  SelectRow(row);
  anchor_ = selected_;
}

// ---- Check boxes

void GridModel::ClickHeaderCheck() {
  all_checked_ = !all_checked_;
  for (GridRow& row : rows_) {
    if (row.checkable) row.checked = all_checked_;
  }
}

void GridModel::ClickCheckBox(int row, bool shift) {
  if (!ValidRow(row)) return;
  int first = row;
  int last = row;
  // A Shift range runs from the row after the anchor up to this row, or from
  // this row up to the one before the anchor. Rows hidden in a closed group are
  // left alone: the user cannot see them change. A Shift click on the anchor
  // itself flips that one box like a plain click.
  if (shift && ValidRow(anchor_) && anchor_ != row) {
    first = row > anchor_ ? anchor_ + 1 : row;
    last = row > anchor_ ? row : anchor_ - 1;
  }
  std::vector<bool> shown = ShownRows();
  for (int r = first; r <= last; ++r) {
    if (rows_[r].checkable && (r == row || shown[r])) rows_[r].checked = !rows_[r].checked;
  }
  anchor_ = row;
}

std::vector<int> GridModel::CheckedRows() const {
  std::vector<int> checked;
  for (int row = 0; row < RowCount(); ++row) {
    if (rows_[row].checkable && rows_[row].checked) checked.push_back(row);
  }
  return checked;
}

std::vector<RowKey> GridModel::CheckedKeys() const {
  std::vector<RowKey> keys;
  for (int row : CheckedRows()) keys.push_back(rows_[row].key);
  return keys;
}

// ---- Groups

int GridModel::GroupCount(int row) const {
  if (!ValidRow(row)) return 0;
  int count = 0;
  while (row + count + 1 < RowCount() && rows_[row + count + 1].level > rows_[row].level) ++count;
  return count;
}

bool GridModel::HasGroups() const {
  for (int row = 0; row + 1 < RowCount(); ++row) {
    if (rows_[row + 1].level > rows_[row].level) return true;
  }
  return false;
}

void GridModel::SetExpanded(int row, bool expanded) {
  if (ValidRow(row)) rows_[row].expanded = expanded;
}

void GridModel::ToggleExpanded(int row) {
  if (IsGroupRow(row)) rows_[row].expanded = !rows_[row].expanded;
}

std::vector<bool> GridModel::ShownRows() const {
  std::vector<bool> shown(rows_.size(), true);
  // While inside a closed group, every row deeper than the group row is hidden.
  int hide_deeper_than = INT_MAX;
  for (int row = 0; row < RowCount(); ++row) {
    if (rows_[row].level > hide_deeper_than) {
      shown[row] = false;
      continue;
    }
    hide_deeper_than = rows_[row].expanded ? INT_MAX : rows_[row].level;
  }
  return shown;
}

bool GridModel::IsRowShown(int row) const { return ValidRow(row) && ShownRows()[row]; }

int GridModel::NextShownRow(int row, int step) const {
  std::vector<bool> shown = ShownRows();
  for (int r = row + step; r >= 0 && r < RowCount(); r += step) {
    if (shown[r]) return r;
  }
  return -1;
}

// ---- Sorting (the order itself is in grid_sort.cpp)

void GridModel::EnableSort(int column, bool ascending) {
  sort_enabled_ = true;
  sort_column_ = column;
  ascending_ = ascending;
  Changed();
}

void GridModel::DisableSort() { sort_enabled_ = false; }

bool GridModel::Sort() {
  if (!sort_enabled_ || sorted_) return false;
  if (!ValidColumn(sort_column_)) sort_column_ = 0;
  std::vector<int> order = SortedOrder(sort_column_);
  std::vector<GridRow> sorted_rows;
  sorted_rows.reserve(rows_.size());
  int new_selected = -1;
  int new_anchor = -1;
  for (int position = 0; position < static_cast<int>(order.size()); ++position) {
    const int old_index = order[position];
    if (old_index == selected_) new_selected = position;
    if (old_index == anchor_) new_anchor = position;
    sorted_rows.push_back(std::move(rows_[old_index]));
  }
  rows_ = std::move(sorted_rows);
  const bool selection_moved = new_selected != selected_;
  selected_ = new_selected;
  anchor_ = new_anchor;
  sorted_ = true;
  return selection_moved;
}

bool GridModel::ClickSortHeader(int column) {
  if (!sort_enabled_) return false;
  if (column == sort_column_) {
    ascending_ = !ascending_;
  } else {
    sort_column_ = column;
    ascending_ = true;
  }
  Changed();
  return Sort();
}

}  // namespace cw
