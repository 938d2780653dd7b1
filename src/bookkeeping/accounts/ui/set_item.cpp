#include "bookkeeping/accounts/ui/set_item.h"

#include <QDialogButtonBox>
#include <QToolBar>
#include <QVBoxLayout>

#include "base/prompter.h"
#include "bookkeeping/accounts/account_view.h"
#include "bookkeeping/accounts/ui/item_page.h"
#include "bookkeeping/accounts/ui/item_tree_wnd.h"
#include "core/item_cache.h"

namespace cw {
namespace {

struct ToolCommand {
  const char* label;
  const char* tooltip;
  int command;
};

constexpr ToolCommand kManageCommands[] = {
    {"新增下级科目", "新增的科目为所选科目的下级科目", CItemPage::kAddChild},
    {"新增同级科目", "新增的科目与所选科目为同一级别", CItemPage::kAddSibling},
    {"更改", "更改所选择的资料", CItemPage::kChange},
    {"删除", "删除所选择的资料", CItemPage::kDelete},
};

}  // namespace

CSetItem::CSetItem(SelectMode mode, int requested_type, QWidget* parent) : COwnDialog(parent), mode_(mode) {
  setWindowTitle(mode == SelectMode::kManage ? "记账科目管理" : "选择科目");
  page_ = new CItemPage(requested_type, this);
  auto* layout = new QVBoxLayout(this);

  if (mode == SelectMode::kManage) {
    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName("manageToolbar");
    toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const ToolCommand& tool : kManageCommands) {
      QAction* action = toolbar->addAction(tool.label, this, [this, command = tool.command] {
        page_->RunCommand(command);
      });
      action->setToolTip(tool.tooltip);
    }
    toolbar->addSeparator();
    toolbar->addAction("退出", this, [this] { done(QDialog::Accepted); })->setToolTip("退出本窗口");
    layout->addWidget(toolbar);
    layout->addWidget(page_);
  } else {
    layout->addWidget(page_);
    QDialogButtonBox* buttons = OkCancelButtons(this, "确定", "取消");
    layout->addWidget(buttons);
  }
  resize(640, 460);
}

bool CSetItem::Changed() const { return page_->Changed(); }

void CSetItem::accept() {
  if (mode_ == SelectMode::kManage) return COwnDialog::accept();
  const AccountRow* row = page_->Tree()->SelectedRow();
  const std::string code = row ? row->code : std::string();
  if (!AcceptSelection(mode_, code, CurrentPrompter())) return;
  code_ = code;
  path_ = CItemCache::Instance().FullPath(code);
  COwnDialog::accept();
}

}  // namespace cw
