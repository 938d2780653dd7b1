#pragma once
// CItemTreeWnd: the account tree of the account page. Each row shows an expand
// box for an account with sub-accounts, a picture and the name; a leaf without
// a type is drawn in red with "[科目类型未设置]" after its name.
//
// Keyboard: Up/Down, Page Up/Page Down move; Left collapses or goes to the
// parent; Right expands or goes to the first child. A double click toggles an
// account with sub-accounts and asks for the change command on a leaf.
//
// Pick mode lends the tree to the move-bookings dialog: a click on a leaf (or
// Enter on it) picks it, Esc cancels; either ends pick mode.
#include <QTreeWidget>
#include <string>
#include <vector>

#include "bookkeeping/accounts/account_view.h"

namespace cw {

class CItemTreeWnd : public QTreeWidget {
  Q_OBJECT
 public:
  explicit CItemTreeWnd(QWidget* parent = nullptr);

  // Shows `rows` (in code order), each below the nearest of its ancestors
  // among them. Accounts that were expanded stay expanded. Selects `select`
  // when it is shown, else the first root.
  void SetRows(std::vector<AccountRow> rows, const std::string& select = {});

  // The row of the selected node, of its parent node, null when there is none.
  const AccountRow* SelectedRow() const;
  const AccountRow* SelectedParentRow() const;
  // False when `code` is not shown.
  bool SelectCode(const std::string& code);
  // Where the selection goes when the selected node is removed: its next
  // sibling, else its previous sibling, else its parent; empty for none.
  std::string SuccessorOfSelected() const;
  // The item showing `code`, null when none does.
  QTreeWidgetItem* ItemOf(const std::string& code) const;

  void SetPickMode(bool on) { pick_mode_ = on; }
  bool PickMode() const { return pick_mode_; }

 signals:
  // A double click on a leaf outside pick mode.
  void ChangeRequested();
  void Picked(const QString& code);
  void PickCancelled();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  const AccountRow* RowOf(const QTreeWidgetItem* item) const;
  void Pick(QTreeWidgetItem* item);

  std::vector<AccountRow> rows_;
  bool pick_mode_ = false;
};

}  // namespace cw
