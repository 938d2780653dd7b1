#pragma once
// The frame of the card and plan lists: a tool bar over a grid in a modal
// dialog of a fixed size, centred on its parent.
#include <QString>
#include <functional>

#include "ui/own_dialog.h"

class QToolBar;

namespace cw {

class CListWnd;

class ListDialog : public COwnDialog {
  Q_OBJECT
 public:
  ListDialog(const QString& title, int width, int height, QWidget* parent);

 protected:
  // A tool-bar button named `name` (its object name, for tests and keyboard use).
  void AddButton(const QString& text, const QString& tooltip, const QString& name, std::function<void()> run);
  void AddSeparator();
  // 打印: the grid printed under the dialog's title, through the print dialog.
  void AddPrintButton();
  CListWnd* Grid() const { return grid_; }
  // The ticked rows, in row order.
  std::vector<int> TickedRows() const;
  // The one ticked row, or -1 (the message asks for exactly one).
  int OneTickedRow() const;

 private:
  QToolBar* toolbar_ = nullptr;
  CListWnd* grid_ = nullptr;
};

}  // namespace cw
