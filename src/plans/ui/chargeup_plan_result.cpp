#include "plans/ui/chargeup_plan_result.h"

#include "base/prompter.h"
#include "bookkeeping/booking/ui/charge_up.h"
#include "controls/list_wnd.h"
#include "plans/plan_table.h"

namespace cw {

CChargeupPlanResult::CChargeupPlanResult(int plan_id, int page, QWidget* parent)
    : ListDialog(kPlanHistoryTitle, 480, 400, parent), page_(page) {
  auto view = [this](int row) {
    if (row < 0) {
      CurrentPrompter().Inform("请先从表格中选择一条记录，再进行操作。", "操作错误", PromptStyle::Error);
      return;
    }
    CChargeUp::ViewVoucher(this, page_, static_cast<int>(Grid()->Model().Key(row).Number()));
  };
  AddButton("查看", "查看所选的记账内容", "view", [this, view] { view(Grid()->Model().SelectedRow()); });
  AddPrintButton();
  AddButton("退出", "退出", "close", [this] { reject(); });
  Grid()->SetModel(BuildPlanHistory(plan_id));
  connect(Grid(), &CListWnd::RowActivated, this, view);
}

}  // namespace cw
