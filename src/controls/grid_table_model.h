#pragma once
// The Qt item model through which CListWnd's view reads a GridModel. It owns
// nothing: it reads the grid's table, callbacks and colours live, so a repaint
// always shows the current state.
//
// View columns: the optional check-box column, the optional row-number column,
// then one view column per table column. View rows are the table's rows; rows
// inside closed groups are hidden by the view.
#include <QAbstractTableModel>

#include "controls/grid_callbacks.h"
#include "controls/grid_model.h"

namespace cw {

class GridTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  // Extra roles the grid's delegate and header read.
  enum Role {
    CheckRole = Qt::UserRole + 1,  // body: -1 no box, 0 clear, 1 ticked; header: the all-checked box
    LevelRole,                     // the row's tree level
    GroupRole,                     // -1 ordinary row, 0 closed group, 1 open group
    TreeColumnRole,                // true in the column that carries the tree's indentation
    SortRole,                      // header: 0 not sorted, 1 ascending, 2 descending
  };

  GridTableModel(const GridModel& model, const GridCallbacks& callbacks, const GridColours& colours,
                 QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Everything may have changed: rows, columns, options.
  void Reset();

  int CheckViewColumn() const;   // -1 without a check-box column
  int NumberViewColumn() const;  // -1 without a row-number column
  // The table column of a view column, -1 for the check-box and row-number columns.
  int ToTableColumn(int view_column) const;
  int ToViewColumn(int table_column) const;
  // The first visible table column: it is indented by the rows' tree level and
  // carries the groups' expand boxes. -1 when no column is visible.
  int TreeColumn() const;

 private:
  int LeadingColumns() const;

  const GridModel& model_;
  const GridCallbacks& callbacks_;
  const GridColours& colours_;
  // TreeColumn() while the table has groups, else -1; worked out on Reset
  // because finding groups walks the whole table.
  int indented_column_ = -1;
};

}  // namespace cw
