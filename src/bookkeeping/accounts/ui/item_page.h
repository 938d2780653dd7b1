#pragma once
// The account management page ("记账科目管理"): the category bar, the account
// tree and the commands that add, change and delete accounts and move
// bookings. The system-management window shows it as page 33201; the
// selection dialog CSetItem keeps a private one.
//
// The page keeps a changed flag: set once an account was added, changed or
// deleted, so that whoever opened it can refill its account pickers.
#include <QPointer>
#include <QWidget>
#include <string>

#include "bookkeeping/accounts/ui/item_transfer.h"
#include "core/ledger_model.h"

class QAction;
class QMenu;

namespace cw {

class CategoryBar;
class CItemTreeWnd;
struct AccountRow;

class CItemPage : public QWidget {
  Q_OBJECT
 public:
  // The commands of the toolbar, the context menu and the menus.
  enum Command {
    kAdd = 701,  // as kAddChild
    kChange = 702,
    kDelete = 703,
    kMoveData = 737,
    kAddChild = 761,
    kAddSibling = 768,
    kMenuAddChild = 1209,
    kMenuAddSibling = 1210,
    kMenuChange = 1211,
    kMenuDelete = 1212,
  };

  // `requested_type`: the account type whose category is shown first.
  explicit CItemPage(int requested_type = kTypeCash, QWidget* parent = nullptr);
  ~CItemPage() override;

  bool IsCommandEnabled(int command) const;
  // False for a command the page does not have or that is greyed.
  bool RunCommand(int command);

  bool Changed() const { return changed_; }
  CategoryBar* Categories() const { return categories_; }
  CItemTreeWnd* Tree() const { return tree_; }
  // The context menu, built once; UpdateContextMenu sets its entries' states.
  QMenu* ContextMenu() const { return menu_; }
  // Enables the context-menu entries for the selected account.
  void UpdateContextMenu();
  // Selects the node at `position` (tree viewport coordinates) and opens the
  // context menu there.
  void ShowContextMenu(const QPoint& position);
  // The open move-bookings dialog, null when none is open.
  CItemTransfer* Transfer() const { return transfer_; }

 public slots:
  // Builds the category bar and the tree again from the chart, keeping the
  // category and selecting `select` (else the first root).
  void Reload(const std::string& select = {});
  void AddChild();
  void AddSibling();
  void ChangeSelected();
  void DeleteSelected();
  void OpenTransfer();

 signals:
  // An account was added, changed or deleted.
  void ChartChanged();
  // The selection moved; toolbar states may change.
  void SelectionChanged();

 private:
  void ShowCategory(const std::string& select);
  void Add(bool sibling);
  // Marks the page changed, shows the chart again and tells the owner.
  void AfterChange(const std::string& select);

  CategoryBar* categories_ = nullptr;
  CItemTreeWnd* tree_ = nullptr;
  QMenu* menu_ = nullptr;
  QAction* menu_add_sibling_ = nullptr;
  QAction* menu_delete_ = nullptr;
  QPointer<CItemTransfer> transfer_;
  bool changed_ = false;
};

}  // namespace cw
