#pragma once
// COwnDialog: the base of every dialog of the program. It carries the
// program's colours and moves the focus with Enter (next input) and
// Shift+Enter (previous input); Enter on a push button presses it, Esc cancels.
#include <QDialog>

namespace cw {

class COwnDialog : public QDialog {
  Q_OBJECT
 public:
  explicit COwnDialog(QWidget* parent = nullptr);

  // The colours every dialog takes: background and accent of the user's scheme.
  static void SetColours(const QColor& background, const QColor& accent);
  static QColor Background();
  static QColor Accent();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
};

}  // namespace cw
