#include "controls/grid_editor.h"

#include <QKeyEvent>

namespace cw {

GridEditor::GridEditor(QWidget* parent) : QLineEdit(parent) {
  setFrame(false);
  hide();
}

bool GridEditor::AllSelected() const { return hasSelectedText() && selectedText().size() == text().size(); }

bool GridEditor::CaretAtStart() const { return AllSelected() || (!hasSelectedText() && cursorPosition() == 0); }

bool GridEditor::CaretAtEnd() const {
  return AllSelected() || (!hasSelectedText() && cursorPosition() == text().size());
}

bool GridEditor::event(QEvent* event) {
  // Tab would otherwise move the focus before keyPressEvent sees it.
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
      emit MoveKey(EditKey::TabOrEnter);
      return true;
    }
    if (key->key() == Qt::Key_Backtab) return true;  // Shift+Tab: the editor stays
  }
  return QLineEdit::event(event);
}

void GridEditor::keyPressEvent(QKeyEvent* event) {
  const bool plain = !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
  const int key = event->key();
  if (key == Qt::Key_Left && plain && CaretAtStart()) {
    emit MoveKey(EditKey::LeftAtStart);
  } else if (key == Qt::Key_Right && plain && CaretAtEnd()) {
    emit MoveKey(EditKey::RightAtEnd);
  } else if (key == Qt::Key_Up) {
    emit MoveKey(EditKey::Up);
  } else if (key == Qt::Key_Down) {
    emit MoveKey(EditKey::Down);
  } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    emit MoveKey(EditKey::TabOrEnter);
  } else if (key == Qt::Key_Escape) {
    emit Cancelled();
  } else {
    QLineEdit::keyPressEvent(event);
    emit OtherKey();
  }
}

}  // namespace cw
