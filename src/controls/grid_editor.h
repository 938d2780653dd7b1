#pragma once
// The in-place editor of the grid: a single-line edit that reports the keys
// which may move it, instead of acting on them itself (the editor's messages
// 1154-1158, 1160 and 1161 to the grid).
#include <QLineEdit>

#include "controls/grid_editing.h"

namespace cw {

class GridEditor : public QLineEdit {
  Q_OBJECT
 public:
  explicit GridEditor(QWidget* parent = nullptr);

 signals:
  // Left at the start (1154), Right at the end (1155), Up (1156), Down (1157),
  // Tab or Enter (1158).
  void MoveKey(cw::EditKey key);
  // Esc (1160).
  void Cancelled();
  // Any other key (1161), after the editor handled it.
  void OtherKey();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Freshly opened, all the text is selected: the caret counts as being at
  // both ends, so that Left and Right move at once as in a spreadsheet.
  bool AllSelected() const;
  bool CaretAtStart() const;
  bool CaretAtEnd() const;
};

}  // namespace cw
