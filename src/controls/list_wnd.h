#pragma once
// CListWnd: the program's table window. It shows a GridModel and lets the user
// select rows, sort by a column, drag column widths, tick check boxes, open and
// close group rows and edit cells in place; it tells its owner by signals.
//
// Typical use by a module window:
//   grid->SetModel(BuildSomeTable(...));   // a table value built by logic
//   LoadColumnLayout(grid->Model(), table_no); grid->SortNow();
//   connect(grid, &CListWnd::RowActivated, ...);
// After changing grid->Model() directly, call Refresh().
//
// Mouse (left button) in the body: a click first commits an open editor (a
// refused commit ends the click); then an editable cell opens the editor, an
// expand box opens/closes its group, a check box flips (Shift: a range from the
// row clicked before), anything else selects the row. A double click on the
// selected row activates it, or opens/closes it when it is a group row.
// Keys in the body: Up/Down/Home/End move the selection.
// Editor keys: Left at the start / Right at the end go to the neighbouring
// editable cell of the row, Up/Down to the same column of the next shown row
// when editable, Tab/Enter to the next editable cell to the right, else below;
// every move commits first and happens only when the commit is accepted;
// Tab/Enter with nowhere to go commits and keeps editing the same cell. Esc
// closes the editor without storing anything.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "controls/grid_callbacks.h"
#include "controls/grid_editing.h"
#include "controls/grid_model.h"

class QLineEdit;
class QMouseEvent;
class QKeyEvent;
class QTableView;

namespace cw {

class GridEditor;
class GridHeader;
class GridTableModel;
class GridView;

class CListWnd : public QWidget {
  Q_OBJECT
 public:
  explicit CListWnd(QWidget* parent = nullptr);
  ~CListWnd() override;

  // ---- The table
  // Shows another table. An open editor is closed without storing; the
  // callbacks, colours and row height stay.
  void SetModel(GridModel model);
  GridModel& Model() { return model_; }
  const GridModel& Model() const { return model_; }
  // Shows the table again after Model() was changed directly. An open editor is
  // closed without storing.
  void Refresh();

  // ---- Selection and ticks
  int SelectedRow() const { return model_.SelectedRow(); }
  std::optional<RowKey> SelectedKey() const { return model_.SelectedKey(); }
  // Selects a row (-1: none) and scrolls it into view; no RowSelected signal.
  void SelectRow(int row);
  std::vector<int> CheckedRows() const { return model_.CheckedRows(); }
  std::vector<RowKey> CheckedKeys() const { return model_.CheckedKeys(); }
  void EnsureRowVisible(int row);

  // ---- Sorting
  // Sorts now when the table sorts and is not sorted yet; a selection that
  // moves is announced with RowSelected.
  void SortNow();

  // ---- Columns
  // The column chooser "显示设置"; on OK the shown columns change. Returns
  // whether the user pressed OK.
  bool ChooseColumns();

  // ---- Look
  void SetColours(const GridColours& colours);
  const GridColours& Colours() const { return colours_; }
  // Pixels per row; 0 follows the font.
  void SetRowHeight(int pixels);

  // ---- Editing
  void SetCallbacks(GridCallbacks callbacks) { callbacks_ = std::move(callbacks); }
  GridCallbacks& Callbacks() { return callbacks_; }
  // Runs each time the editor opens on a cell, so that the module can adjust it
  // (a validator, a maximum length).
  void SetEditorOpened(std::function<void(int row, int column, QLineEdit* editor)> opened);
  // Opens the editor on an editable cell (committing an open one first).
  // Returns whether it opened.
  bool OpenEditor(int row, int column);
  // Offers the edited text to the accept-edit callback. Accepted: stored, the
  // editor closes and EditAccepted is sent. Refused: the editor stays open with
  // its text selected. True when nothing is being edited.
  bool CommitEdit();
  // Closes the editor without storing.
  void CancelEdit();
  std::optional<GridCell> EditingCell() const { return editing_; }
  QLineEdit* Editor() const;

  // ---- Geometry, for context menus and tests
  // The rectangle of a table cell (column -1: the check-box column, -2: the
  // row-number column) in the coordinates of Body().
  QRect CellRect(int row, int column) const;
  QWidget* Body() const;
  QWidget* Header() const;
  QRect HeaderSectionRect(int column) const;

 signals:
  // 1144: an edited text was accepted and stored in the cell.
  void EditAccepted(int row, int column, const QString& text);
  // 1145: the user selected a row (also when a sort moved the selection).
  // Delivered through the event loop, after the click has been handled.
  void RowSelected(int row);
  // 1146: the selected ordinary row was double-clicked. Delivered through the
  // event loop.
  void RowActivated(int row);
  // 1159: the focus left an open editor for a widget outside this grid's parent
  // (a toolbar button, another window). The editor stays open; the owner
  // usually calls CommitEdit().
  void EditorFocusLeft();
  // The user dragged a column's width (the table's width is already updated).
  void ColumnResized(int column, int width);
  // The header's sections moved on the screen: the grid scrolled sideways or a
  // column changed its width or was shown or hidden. Bars drawn over the header
  // (a second header row) repaint on it.
  void HeaderMoved();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  friend class GridView;

  // Input from the view.
  void BodyPressed(QMouseEvent* event);
  void BodyDoubleClicked(QMouseEvent* event);
  bool BodyKey(QKeyEvent* event);
  // Input from the header and the editor.
  void HeaderClicked(int section);
  void HeaderResized(int section, int old_size, int new_size);
  void EditorMoveKey(EditKey key);
  void FocusChanged(QWidget* old_widget, QWidget* now);

  void ApplyColumns();
  void ApplyRowVisibility();
  void ApplyRowHeight();
  void PlaceEditor();
  void PostRowSelected(int row);
  void PostRowActivated(int row);
  void Repaint();

  GridModel model_;
  GridCallbacks callbacks_;
  GridColours colours_;
  std::function<void(int, int, QLineEdit*)> editor_opened_;
  int row_height_ = 0;

  GridTableModel* table_ = nullptr;
  GridView* view_ = nullptr;
  GridHeader* header_ = nullptr;
  GridEditor* editor_ = nullptr;
  std::optional<GridCell> editing_;
  bool committing_ = false;      // a commit in progress is not entered again
  bool applying_layout_ = false;  // header changes made by the grid itself
};

}  // namespace cw
