#include "prefs/ui/user_management_page.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QVBoxLayout>

#include "base/prompter.h"
#include "controls/column_layout.h"
#include "controls/list_wnd.h"
#include "core/settings.h"
#include "prefs/ui/sort_dialog.h"
#include "prefs/ui/user_input_dialog.h"
#include "prefs/user_admin.h"
#include "prefs/user_table.h"
#include "prefs/user_texts.h"

namespace cw {
namespace {

int PersonNoOf(const RowKey& key) { return static_cast<int>(key.Number()); }

}  // namespace

UserManagementPage::UserManagementPage(QWidget* parent) : QWidget(parent) {
  grid_ = new CListWnd(this);
  grid_->setObjectName("userGrid");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(grid_);
  connect(grid_, &CListWnd::RowActivated, this, [this](int) { ChangeUser(); });
  grid_->Body()->installEventFilter(this);
  Reload();
}

bool UserManagementPage::IsCommandEnabled(int command) const {
  switch (command) {
    case kNew:
    case kChange:
    case kDeleteTicked:
    case kSort:
    case kChangeSelected:
    case kDeleteSelected: return true;
    default: return false;
  }
}

bool UserManagementPage::RunCommand(int command) {
  if (!IsCommandEnabled(command)) return false;
  switch (command) {
    case kNew: NewUser(); break;
    case kChange:
    case kChangeSelected: ChangeUser(); break;
    case kDeleteTicked: DeleteTicked(); break;
    case kDeleteSelected: DeleteSelected(); break;
    case kSort: SortRows(); break;
    default: return false;
  }
  return true;
}

UserManagementPage::~UserManagementPage() { SaveColumnLayout(grid_->Model(), kLayoutTable); }

void UserManagementPage::Reload() {
  GridModel table = BuildUserTable();
  // The first time the widths and order the user left; later the ones shown.
  if (grid_->Model().ColumnCount() == 0) {
    LoadColumnLayout(table, settings::TableKey(LoggedInPerson(), kLayoutTable), StoredSort::kAlways);
  } else {
    for (int column = 0; column < table.ColumnCount(); ++column)
      table.SetColumnWidth(column, grid_->Model().Column(column).width);
    if (grid_->Model().SortEnabled()) table.EnableSort(grid_->Model().SortColumn(), grid_->Model().Ascending());
  }
  grid_->SetModel(std::move(table));
  grid_->SortNow();
}

void UserManagementPage::RefreshRow(int person_no) {
  std::optional<UserRecord> user = FindUserByNumber(person_no);
  if (!user) return;
  emit UserChanged(person_no);
  GridModel& table = grid_->Model();
  const GridRow fresh = UserTableRow(*user, ReadRights(person_no));
  int row = table.FindKey(person_no);
  if (row < 0) {
    row = table.AddRow(fresh);
  } else {
    for (int column = 0; column < table.ColumnCount(); ++column) table.SetCell(row, column, fresh.cells[column]);
  }
  table.SelectRow(row);
  grid_->Refresh();
  grid_->SortNow();
  grid_->EnsureRowVisible(table.SelectedRow());
}

void UserManagementPage::NewUser() {
  CUserInput dialog(this);
  if (dialog.exec() == QDialog::Accepted) RefreshRow(dialog.PersonNo());
}

void UserManagementPage::ChangeUser() {
  std::optional<RowKey> key = grid_->SelectedKey();
  if (!key) {
    CurrentPrompter().Inform(user_texts::kNoRowSelected, user_texts::kInputErrorCaption);
    return;
  }
  CUserInput dialog(PersonNoOf(*key), this);
  if (dialog.exec() == QDialog::Accepted) RefreshRow(dialog.PersonNo());
}

void UserManagementPage::DeleteTicked() {
  std::vector<int> chosen;
  for (const RowKey& key : grid_->CheckedKeys()) chosen.push_back(PersonNoOf(key));
  DeleteRows(chosen, /*ticked=*/true);
}

void UserManagementPage::DeleteSelected() {
  std::vector<int> chosen;
  if (std::optional<RowKey> key = grid_->SelectedKey()) chosen.push_back(PersonNoOf(*key));
  DeleteRows(chosen, /*ticked=*/false);
}

void UserManagementPage::DeleteRows(const std::vector<int>& person_nos, bool ticked) {
  const std::vector<int> deleted =
      DeleteUsers(person_nos, ticked ? DeleteSource::kTickedRows : DeleteSource::kSelectedRow, CurrentPrompter());
  if (deleted.empty()) return;
  GridModel& table = grid_->Model();
  for (int person_no : deleted) table.DeleteRow(table.FindKey(person_no));
  grid_->Refresh();
}

void UserManagementPage::SortRows() {
  const GridModel& table = grid_->Model();
  CSortDialog dialog(table.Columns(), table.SortColumn(), table.Ascending(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  grid_->Model().EnableSort(dialog.Column(), dialog.Ascending());
  grid_->Refresh();
  grid_->SortNow();
}

bool UserManagementPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_->Body() && event->type() == QEvent::ContextMenu) {
    ShowContextMenu(static_cast<QContextMenuEvent*>(event)->pos());
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

int UserManagementPage::RowAt(const QPoint& position) const {
  const std::vector<bool> shown = grid_->Model().ShownRows();
  for (int row = 0; row < grid_->Model().RowCount(); ++row) {
    if (!shown[row]) continue;
    const QRect cell = grid_->CellRect(row, 0);
    if (cell.top() <= position.y() && position.y() <= cell.bottom()) return row;
  }
  return -1;
}

void UserManagementPage::ShowContextMenu(const QPoint& position) {
  // The menu acts on the row under the mouse; outside the rows nothing is
  // selected and the commands say so.
  grid_->SelectRow(RowAt(position));
  QMenu menu(this);
  menu.addAction("更改", this, &UserManagementPage::ChangeUser);
  menu.addAction("删除", this, &UserManagementPage::DeleteSelected);
  menu.exec(grid_->Body()->mapToGlobal(position));
}

}  // namespace cw
