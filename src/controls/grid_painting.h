#pragma once
// The drawing of the grid's body cells and header sections, and the places of
// the small boxes in them, which the grid's click handling must hit exactly.
#include <QHeaderView>
#include <QStyledItemDelegate>

#include "controls/grid_types.h"

namespace cw {

// Where things sit inside a cell.
struct GridGeometry {
  static constexpr int kIndent = 16;   // pixels per tree level
  static constexpr int kBoxSize = 9;   // the expand box
  static constexpr int kCheckSize = 13;
  static constexpr int kPadding = 3;   // between the cell's edge and its text

  // The expand box of a row at `level` in the indented column.
  static QRect ExpandBox(const QRect& cell, int level);
  // The check box, centred in its cell.
  static QRect CheckBox(const QRect& cell);
  // Where the text of a cell in the indented column starts.
  static int IndentedTextLeft(const QRect& cell, int level);
};

// Draws check boxes, tree indentation with expand boxes, and cell texts in
// the cell's own colours. A text wider than its cell ends in "…", and the
// cell's tool tip shows it whole.
class GridDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override;
};

// The text as a cell `width` pixels wide shows it: unchanged when it fits,
// else cut so that it fits with "…" at its end.
QString FitCellText(const QFontMetrics& metrics, const QString& text, int width);

// The header: the grid's header colour, titles centred, an arrow on the sort
// column and the all-checked box over the check-box column.
class GridHeader : public QHeaderView {
  Q_OBJECT
 public:
  explicit GridHeader(QWidget* parent = nullptr);
  void SetColours(const GridColours& colours);

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logical_index) const override;

 private:
  GridColours colours_;
};

// A check box in the current style.
void PaintCheckBox(QPainter* painter, const QRect& box, bool checked, const QWidget* widget);

}  // namespace cw
