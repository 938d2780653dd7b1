#pragma once
// GridModel: a table as the grid shows it — columns, rows and the state the
// user changes (selection, sort order, check boxes, open groups).
//
// Logic builds one of these for every table the program shows; the grid widget
// CListWnd displays it, printing and export read it. The behaviours that are not
// drawing — sorting, check ranges, group folding, the width floor of a drag —
// live here so they can be tested without a window.
//
// Row and column numbers are 0-based; a number out of range is ignored by every
// setter and reads as empty/none from every getter.
#include <optional>
#include <string>
#include <vector>

#include "controls/grid_types.h"

namespace cw {

class GridModel {
 public:
  static constexpr int kMinColumnWidth = 20;    // a dragged column is never narrower
  static constexpr int kCheckColumnWidth = 20;  // the optional check-box column
  static constexpr int kRowNumberWidth = 35;    // the optional row-number column

  // ---- Columns
  // Replaces the columns; every row's cells are padded or cut to the new count.
  void SetColumns(std::vector<GridColumn> columns);
  // Appends a column (every row gains an empty cell); returns its number.
  int AddColumn(GridColumn column);
  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  const std::vector<GridColumn>& Columns() const { return columns_; }
  const GridColumn& Column(int column) const;
  // Sets every attribute of a column; a required column stays visible.
  void SetColumn(int column, GridColumn attributes);
  void SetColumnWidth(int column, int width);
  // A drag of the column's right edge by `delta` pixels; the result is raised
  // to kMinColumnWidth when smaller.
  void ResizeColumnBy(int column, int delta);
  // A required column stays visible whatever is asked.
  void SetColumnVisible(int column, bool visible);

  // ---- Rows
  // Appends a row (cells padded or cut to the column count); returns its number.
  int AddRow(GridRow row);
  // Inserts before `at` (appends when `at` is out of range); returns the number.
  int InsertRow(int at, GridRow row);
  void DeleteRow(int row);
  void DeleteAllRows();
  // Deletes all rows and columns.
  void Clear();
  int RowCount() const { return static_cast<int>(rows_.size()); }
  const GridRow& Row(int row) const;
  const std::vector<GridRow>& Rows() const { return rows_; }
  const std::string& Cell(int row, int column) const;
  void SetCell(int row, int column, std::string text);
  const RowKey& Key(int row) const;
  void SetKey(int row, RowKey key);
  // The first row with this key, or -1.
  int FindKey(const RowKey& key) const;
  void SetUserValue(int row, int value);
  void SetBackground(int row, std::optional<Rgb> colour);
  void SetCheckable(int row, bool checkable);
  void SetChecked(int row, bool checked);

  // ---- Display options: the optional columns at the left
  void ShowCheckColumn(bool show) { check_column_ = show; }
  bool HasCheckColumn() const { return check_column_; }
  void ShowRowNumbers(bool show) { row_numbers_ = show; }
  bool HasRowNumbers() const { return row_numbers_; }

  // ---- Selection
  int SelectedRow() const { return selected_; }
  // -1 or a row out of range selects nothing.
  void SelectRow(int row);
  std::optional<RowKey> SelectedKey() const;
  // A plain click on a row: selects it and makes it the anchor of Shift ranges.
  void ClickRow(int row);

  // ---- Check boxes
  // The header check box's state.
  bool AllChecked() const { return all_checked_; }
  // A click on the header check box: flips its state and gives it to every
  // checkable row.
  void ClickHeaderCheck();
  // A click on a row's check box. Without Shift (or without an earlier click)
  // the row's box flips. With Shift, every shown checkable row between the
  // previously clicked row (exclusive) and this one (inclusive) flips its own
  // box. The row becomes the anchor of the next range.
  void ClickCheckBox(int row, bool shift);
  std::vector<int> CheckedRows() const;
  std::vector<RowKey> CheckedKeys() const;

  // ---- Groups
  // The number of subordinate rows: the rows right after `row` lying deeper.
  int GroupCount(int row) const;
  bool IsGroupRow(int row) const { return GroupCount(row) > 0; }
  bool HasGroups() const;
  void SetExpanded(int row, bool expanded);
  // Opens or closes a group row; nothing for an ordinary row.
  void ToggleExpanded(int row);
  // Whether each row is shown, i.e. no group above it is closed.
  std::vector<bool> ShownRows() const;
  bool IsRowShown(int row) const;
  // The next shown row after `row` (step +1) or before it (step -1), or -1.
  int NextShownRow(int row, int step) const;

  // ---- Sorting
  void EnableSort(int column, bool ascending);
  void DisableSort();
  bool SortEnabled() const { return sort_enabled_; }
  int SortColumn() const { return sort_column_; }
  bool Ascending() const { return ascending_; }
  // Cleared by every change to columns, rows, cells, keys or the sort order.
  bool IsSorted() const { return sorted_; }
  // Sorts when sorting is enabled and the rows are not sorted yet. Rows are
  // ordered by the sort column's cells (as numbers for a number column, else as
  // text in the GBK code page's byte order, which puts Chinese words in pinyin
  // order) and rows with equal cells by their keys, compared the same way;
  // descending order reverses both. A sort column out of range becomes column 0.
  // Subordinate rows stay under their group row and are sorted among themselves.
  // Returns true when the selected row moved; it stays selected at its new index.
  bool Sort();
  // A click on a column's header while sorting is enabled: the sort column flips
  // its direction, another column becomes the sort column ascending; then the
  // rows are sorted. Returns Sort()'s answer (false when sorting is disabled).
  bool ClickSortHeader(int column);

 private:
  bool ValidRow(int row) const { return row >= 0 && row < RowCount(); }
  bool ValidColumn(int column) const { return column >= 0 && column < ColumnCount(); }
  void FitCells(GridRow& row) const;
  // A change that can break the sort order or the meaning of a Shift range.
  void Changed();
  std::vector<int> SortedOrder(int sort_column) const;

  std::vector<GridColumn> columns_;
  std::vector<GridRow> rows_;
  bool check_column_ = false;
  bool row_numbers_ = false;
  int selected_ = -1;
  int anchor_ = -1;  // the row clicked last, start of a Shift range
  bool all_checked_ = false;
  bool sort_enabled_ = false;
  int sort_column_ = 0;
  bool ascending_ = true;
  bool sorted_ = false;
};

}  // namespace cw
