#include "bookkeeping/accounts/ui/item_tree_wnd.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <map>
#include <set>

#include "bookkeeping/accounts/ui/account_icons.h"
#include "core/ledger_model.h"

namespace cw {
namespace {

// The index of the item's row in rows_, and the row's full code.
constexpr int kRowRole = Qt::UserRole;
constexpr int kCodeRole = Qt::UserRole + 1;

std::string CodeOf(const QTreeWidgetItem* item) {
  return item ? item->data(0, kCodeRole).toString().toStdString() : std::string();
}

}  // namespace

CItemTreeWnd::CItemTreeWnd(QWidget* parent) : QTreeWidget(parent) {
  setObjectName("itemTree");
  setColumnCount(1);
  header()->hide();
  setSelectionMode(QAbstractItemView::SingleSelection);
  setExpandsOnDoubleClick(false);  // mouseDoubleClickEvent decides
  connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    if (pick_mode_) Pick(item);
  });
}

void CItemTreeWnd::SetRows(std::vector<AccountRow> rows, const std::string& select) {
  std::set<std::string> expanded;
  for (QTreeWidgetItemIterator it(this); *it; ++it)
    if ((*it)->isExpanded()) expanded.insert(CodeOf(*it));

  clear();
  rows_ = std::move(rows);
  std::map<std::string, QTreeWidgetItem*> items;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const AccountRow& row = rows_[i];
    QTreeWidgetItem* parent = nullptr;
    for (std::string code = ParentCode(row.code); !code.empty() && !parent; code = ParentCode(code)) {
      auto it = items.find(code);
      if (it != items.end()) parent = it->second;
    }
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, QString::fromStdString(row.Text()));
    item->setIcon(0, AccountIcon(row.leaf));
    item->setToolTip(0, QString::fromStdString(row.relative + "  " + row.type_name));
    item->setData(0, kRowRole, static_cast<int>(i));
    item->setData(0, kCodeRole, QString::fromStdString(row.code));
    if (row.Untyped()) item->setForeground(0, Qt::red);
    // An account with sub-accounts keeps its box even when none of them
    // belongs to the category shown.
    if (!row.leaf) item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    items[row.code] = item;
  }
  for (const auto& [code, item] : items)
    if (expanded.count(code)) item->setExpanded(true);
  if (select.empty() || !SelectCode(select)) {
    if (topLevelItemCount() > 0) setCurrentItem(topLevelItem(0));
  }
}

const AccountRow* CItemTreeWnd::RowOf(const QTreeWidgetItem* item) const {
  if (!item) return nullptr;
  const int index = item->data(0, kRowRole).toInt();
  return index >= 0 && index < static_cast<int>(rows_.size()) ? &rows_[index] : nullptr;
}

const AccountRow* CItemTreeWnd::SelectedRow() const { return RowOf(currentItem()); }

const AccountRow* CItemTreeWnd::SelectedParentRow() const {
  return currentItem() ? RowOf(currentItem()->parent()) : nullptr;
}

QTreeWidgetItem* CItemTreeWnd::ItemOf(const std::string& code) const {
  for (QTreeWidgetItemIterator it(const_cast<CItemTreeWnd*>(this)); *it; ++it)
    if (CodeOf(*it) == code) return *it;
  return nullptr;
}

bool CItemTreeWnd::SelectCode(const std::string& code) {
  QTreeWidgetItem* item = ItemOf(code);
  if (!item) return false;
  for (QTreeWidgetItem* up = item->parent(); up; up = up->parent()) up->setExpanded(true);
  setCurrentItem(item);
  scrollToItem(item);
  return true;
}

std::string CItemTreeWnd::SuccessorOfSelected() const {
  QTreeWidgetItem* item = currentItem();
  if (!item) return {};
  QTreeWidgetItem* parent = item->parent();
  const int index = parent ? parent->indexOfChild(item) : indexOfTopLevelItem(item);
  const int count = parent ? parent->childCount() : topLevelItemCount();
  auto sibling = [&](int i) { return parent ? parent->child(i) : topLevelItem(i); };
  if (index + 1 < count) return CodeOf(sibling(index + 1));
  if (index > 0) return CodeOf(sibling(index - 1));
  return CodeOf(parent);
}

void CItemTreeWnd::Pick(QTreeWidgetItem* item) {
  const AccountRow* row = RowOf(item);
  if (!row || !row->leaf) return;
  pick_mode_ = false;
  emit Picked(QString::fromStdString(row->code));
}

void CItemTreeWnd::keyPressEvent(QKeyEvent* event) {
  if (pick_mode_ && event->key() == Qt::Key_Escape) {
    pick_mode_ = false;
    emit PickCancelled();
    return;
  }
  if (pick_mode_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    Pick(currentItem());
    return;
  }
  QTreeWidget::keyPressEvent(event);
}

void CItemTreeWnd::mouseDoubleClickEvent(QMouseEvent* event) {
  QTreeWidgetItem* item = itemAt(event->position().toPoint());
  const AccountRow* row = RowOf(item);
  if (!row) return QTreeWidget::mouseDoubleClickEvent(event);
  if (!row->leaf) {
    item->setExpanded(!item->isExpanded());
  } else if (!pick_mode_) {
    setCurrentItem(item);
    emit ChangeRequested();
  }
  event->accept();
}

}  // namespace cw
