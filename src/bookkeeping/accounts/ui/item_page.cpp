#include "bookkeeping/accounts/ui/item_page.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QSplitter>

#include "base/prompter.h"
#include "bookkeeping/accounts/account_add.h"
#include "bookkeeping/accounts/account_change.h"
#include "bookkeeping/accounts/account_delete.h"
#include "bookkeeping/accounts/account_view.h"
#include "bookkeeping/accounts/ui/category_bar.h"
#include "bookkeeping/accounts/ui/item_input_easy.h"
#include "bookkeeping/accounts/ui/item_transfer.h"
#include "bookkeeping/accounts/ui/item_tree_wnd.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "plans/card_cache.h"
#include "plans/ui/credit_card_input.h"

namespace cw {

CItemPage::CItemPage(int requested_type, QWidget* parent) : QWidget(parent) {
  setObjectName("itemPage");
  categories_ = new CategoryBar(this);
  tree_ = new CItemTreeWnd(this);
  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->addWidget(categories_);
  splitter->addWidget(tree_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({170, 500});
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter);

  // Built once, in this order; UpdateContextMenu sets the states each time.
  menu_ = new QMenu(this);
  menu_add_sibling_ = menu_->addAction("新增科目(为所选科目的同级科目)(&A)", this, &CItemPage::AddSibling);
  menu_->addAction("新增科目(为所选科目的下级科目)(&C)", this, &CItemPage::AddChild);
  menu_->addSeparator();
  menu_->addAction("更改科目(&M)", this, &CItemPage::ChangeSelected);
  menu_->addSeparator();
  menu_delete_ = menu_->addAction("删除科目(&D)", this, &CItemPage::DeleteSelected);

  connect(categories_, &CategoryBar::CategoryChosen, this, [this] { ShowCategory({}); });
  tree_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(tree_, &QWidget::customContextMenuRequested, this, &CItemPage::ShowContextMenu);
  connect(tree_, &CItemTreeWnd::ChangeRequested, this, &CItemPage::ChangeSelected);
  connect(tree_, &QTreeWidget::currentItemChanged, this, &CItemPage::SelectionChanged);

  const std::vector<AccountCategory> categories = BuildCategories(CItemCache::Instance().Entries());
  const std::size_t first = InitialCategory(categories, requested_type);
  categories_->SetCategories(categories, first);
  ShowCategory({});
}

CItemPage::~CItemPage() {
  if (transfer_) transfer_->close();
}

void CItemPage::Reload(const std::string& select) {
  const AccountCategory* current = categories_->Current();
  const std::string current_code = current ? current->code : std::string();
  const bool was_all = current && current->IsAll();
  std::vector<AccountCategory> categories = BuildCategories(CItemCache::Instance().Entries());
  std::size_t index = 0;
  for (std::size_t i = 0; i < categories.size(); ++i)
    if (categories[i].code == current_code && categories[i].IsAll() == was_all) index = i;
  categories_->SetCategories(std::move(categories), index);
  ShowCategory(select);
}

void CItemPage::ShowCategory(const std::string& select) {
  const AccountCategory* category = categories_->Current();
  tree_->SetRows(category ? CategoryRows(CItemCache::Instance().Entries(), *category) : std::vector<AccountRow>(),
                 select);
  emit SelectionChanged();
}

bool CItemPage::IsCommandEnabled(int command) const {
  switch (command) {
    case kMoveData: return true;
    case kAdd:
    case kAddChild:
    case kAddSibling:
    case kChange:
    case kDelete:
    case kMenuAddChild:
    case kMenuAddSibling:
    case kMenuChange:
    case kMenuDelete: return tree_->SelectedRow() != nullptr;
    default: return false;
  }
}

bool CItemPage::RunCommand(int command) {
  if (!IsCommandEnabled(command)) return false;
  switch (command) {
    case kAdd:
    case kAddChild:
    case kMenuAddChild: AddChild(); break;
    case kAddSibling:
    case kMenuAddSibling: AddSibling(); break;
    case kChange:
    case kMenuChange: ChangeSelected(); break;
    case kDelete:
    case kMenuDelete: DeleteSelected(); break;
    case kMoveData: OpenTransfer(); break;
    default: return false;
  }
  return true;
}

void CItemPage::AddChild() { Add(/*sibling=*/false); }
void CItemPage::AddSibling() { Add(/*sibling=*/true); }

void CItemPage::Add(bool sibling) {
  const AccountRow* selected = tree_->SelectedRow();
  if (!selected) return;
  // A sibling goes under the selected node's parent node. A displayed root
  // has none, and the category's prefix alone names no account, which
  // PlanNewAccount refuses as the sibling of a top-level account.
  std::string anchor = selected->code;
  if (sibling) {
    const AccountRow* parent = tree_->SelectedParentRow();
    const AccountCategory* category = categories_->Current();
    anchor = parent ? parent->code : (category ? CategoryPrefix(*category) : std::string());
  }
  NewAccountPlan plan = PlanNewAccount(anchor, CurrentPrompter());
  if (!plan.result.ok()) return;
  // Below the top credit-card account a card gets its bill settings with the account.
  if (plan.parent == kCardParent) {
    CCreditCardInput dialog(false, CardInput{}, this);
    dialog.SetSaver([&plan](const CardInput& input) {
      const NameDecision name = ConfirmNewAccountName(plan, input.name, CurrentPrompter());
      if (!name.result.ok()) return false;
      NewAccount card{plan.code, input.name, kTypeCreditCard, name.move_parent_bookings, SettingOfInput(plan.code, input)};
      return AddAccount(card, CurrentPrompter()).ok();
    });
    if (dialog.exec() == QDialog::Accepted) AfterChange(plan.code);
    return;
  }
  CItemInputEasy dialog(plan, this);
  if (dialog.exec() != QDialog::Accepted) return;
  NewAccount account{plan.code, dialog.Name(), plan.type, dialog.MoveParentBookings(), std::nullopt};
  if (AddAccount(account, CurrentPrompter()).ok()) AfterChange(plan.code);
}

void CItemPage::ChangeSelected() {
  const AccountRow* selected = tree_->SelectedRow();
  if (!selected) return;
  const std::string code = selected->code;
  if (std::optional<CardSetting> card = CCreditCardCache::Instance().Find(code)) {
    CCreditCardInput dialog(true, InputOfCard(selected->name, *card), this);
    dialog.SetSaver([&code](const CardInput& input) { return ChangeCard(code, input, CurrentPrompter()).ok(); });
    if (dialog.exec() == QDialog::Accepted) AfterChange(code);
    return;
  }
  CItemInputEasy dialog(code, selected->name, PositionText(ParentCode(code)), selected->Untyped(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (RenameAccount(code, dialog.Name(), CurrentPrompter(), std::nullopt, dialog.Type()).ok()) AfterChange(code);
}

void CItemPage::DeleteSelected() {
  const AccountRow* selected = tree_->SelectedRow();
  if (!selected) return;
  const std::string next = tree_->SuccessorOfSelected();
  if (DeleteAccount(selected->code, CurrentPrompter()).result.ok()) AfterChange(next);
}

void CItemPage::OpenTransfer() {
  if (!transfer_) {
    transfer_ = new CItemTransfer(/*editable=*/false, this);
    transfer_->setWindowFlag(Qt::Window);
    connect(transfer_, &CItemTransfer::PickRequested, this, [this] {
      tree_->SetPickMode(true);
      tree_->setFocus();
    });
    connect(tree_, &CItemTreeWnd::Picked, transfer_, [this](const QString& code) {
      transfer_->Picked(code.toStdString());
    });
    connect(tree_, &CItemTreeWnd::PickCancelled, transfer_, &CItemTransfer::Unpicked);
    // A dialog closed while the tree was lent to it takes the pick along.
    connect(transfer_, &QObject::destroyed, tree_, [this] { tree_->SetPickMode(false); });
  }
  transfer_->show();
  // Opening it again centres the existing one over the page.
  transfer_->move(mapToGlobal(rect().center()) - transfer_->rect().center());
  transfer_->raise();
  transfer_->activateWindow();
}

void CItemPage::UpdateContextMenu() {
  const AccountRow* selected = tree_->SelectedRow();
  const AccountMenuState state = selected ? MenuStateFor(*selected) : AccountMenuState{false, false};
  for (QAction* action : menu_->actions()) action->setEnabled(selected != nullptr);
  menu_add_sibling_->setEnabled(state.add_sibling);
  menu_delete_->setEnabled(state.remove);
}

void CItemPage::ShowContextMenu(const QPoint& position) {
  if (tree_->PickMode()) return;
  // The menu acts on the node under the mouse.
  if (QTreeWidgetItem* item = tree_->itemAt(position)) tree_->setCurrentItem(item);
  UpdateContextMenu();
  menu_->exec(tree_->viewport()->mapToGlobal(position));
}

void CItemPage::AfterChange(const std::string& select) {
  changed_ = true;
  Reload(select);
  emit ChartChanged();
}

}  // namespace cw
