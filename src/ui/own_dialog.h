#pragma once
// COwnDialog: the base of every dialog of the program. It carries the
// program's colours and moves the focus with Enter (next input) and
// Shift+Enter (previous input); Enter on a push button presses it, Esc cancels.
#include <QDialog>
#include <QString>

class QDialogButtonBox;

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

// The button box a dialog ends with: `ok` (object name "ok") runs the dialog's
// accept() and `cancel` ("cancel") its reject(), both virtual so that the
// dialog's own checks run. Owned by `dialog`; the caller lays it out.
QDialogButtonBox* OkCancelButtons(QDialog* dialog, const QString& ok = QStringLiteral("确定(&O)"),
                                  const QString& cancel = QStringLiteral("取消(&C)"));

}  // namespace cw
