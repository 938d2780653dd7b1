#include "controls/grid_table_model.h"

#include <QColor>

#include "controls/cell_colours.h"
#include "controls/qt_conversions.h"

namespace cw {
GridTableModel::GridTableModel(const GridModel& model, const GridCallbacks& callbacks, const GridColours& colours,
                               QObject* parent)
    : QAbstractTableModel(parent), model_(model), callbacks_(callbacks), colours_(colours) {}

int GridTableModel::LeadingColumns() const { return (model_.HasCheckColumn() ? 1 : 0) + (model_.HasRowNumbers() ? 1 : 0); }

int GridTableModel::CheckViewColumn() const { return model_.HasCheckColumn() ? 0 : -1; }

int GridTableModel::NumberViewColumn() const {
  return model_.HasRowNumbers() ? (model_.HasCheckColumn() ? 1 : 0) : -1;
}

int GridTableModel::ToTableColumn(int view_column) const {
  const int column = view_column - LeadingColumns();
  return column >= 0 && column < model_.ColumnCount() ? column : -1;
}

int GridTableModel::ToViewColumn(int table_column) const { return table_column + LeadingColumns(); }

int GridTableModel::TreeColumn() const {
  for (int column = 0; column < model_.ColumnCount(); ++column) {
    if (model_.Column(column).visible) return column;
  }
  return -1;
}

int GridTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : model_.RowCount(); }

int GridTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : LeadingColumns() + model_.ColumnCount();
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = index.row();
  const int column = ToTableColumn(index.column());
  const GridRow& grid_row = model_.Row(row);
  switch (role) {
    case Qt::DisplayRole:
      if (index.column() == NumberViewColumn()) return row + 1;
      if (column < 0) return {};
      return QString::fromStdString(model_.Cell(row, column));
    case Qt::TextAlignmentRole:
      if (index.column() == NumberViewColumn()) return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
      return QVariant::fromValue(ToQtAlignment(model_.Column(column).align));
    case Qt::BackgroundRole:
      return ToQColor(ResolveCellColours(model_, callbacks_, colours_, row, column).background);
    case Qt::ForegroundRole:
      return ToQColor(ResolveCellColours(model_, callbacks_, colours_, row, column).text);
    case CheckRole:
      if (index.column() != CheckViewColumn() || !grid_row.checkable) return -1;
      return grid_row.checked ? 1 : 0;
    case LevelRole:
      return grid_row.level;
    case GroupRole:
      if (!model_.IsGroupRow(row)) return -1;
      return grid_row.expanded ? 1 : 0;
    case TreeColumnRole:
      return column >= 0 && column == indented_column_;
    default:
      return {};
  }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  const int column = ToTableColumn(section);
  switch (role) {
    case Qt::DisplayRole:
      return column >= 0 ? QString::fromStdString(model_.Column(column).title) : QString();
    case CheckRole:
      if (section != CheckViewColumn()) return -1;
      return model_.AllChecked() ? 1 : 0;
    case SortRole:
      if (column < 0 || !model_.SortEnabled() || column != model_.SortColumn()) return 0;
      return model_.Ascending() ? 1 : 2;
    default:
      return {};
  }
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
  // Selection, ticks and editing are the grid's own business, not the view's.
  return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void GridTableModel::Reset() {
  beginResetModel();
  indented_column_ = model_.HasGroups() ? TreeColumn() : -1;
  endResetModel();
}

}  // namespace cw
