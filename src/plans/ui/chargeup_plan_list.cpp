#include "plans/ui/chargeup_plan_list.h"

#include "base/prompter.h"
#include "controls/list_wnd.h"
#include "plans/plan_table.h"
#include "plans/ui/chargeup_plan.h"
#include "plans/ui/chargeup_plan_result.h"

namespace cw {
namespace {

constexpr char kChooseOne[] = "请先从表格中选择一条记录，再进行操作。";

void InformInputError(const char* text) { CurrentPrompter().Inform(text, "操作错误", PromptStyle::Error); }

}  // namespace

CChargeupPlanList::CChargeupPlanList(int page, QWidget* parent)
    : ListDialog(kPlanListTitle, 800, 600, parent), page_(page) {
  AddButton("新增", "新增", "add", [this] { NewPlan(); });
  AddButton("更改", "更改所选的预约记账", "change", [this] {
    if (const int row = OneTickedRow(); row >= 0) ChangePlan(row);
  });
  AddButton("删除", "删除所选的预约记账", "delete", [this] { DeletePlans(); });
  AddSeparator();
  AddButton("启用", "启用所选的预约记账", "enable", [this] { SetState(kPlanEnabled); });
  AddButton("停用", "停用所选的预约记账", "disable", [this] { SetState(kPlanDisabled); });
  AddSeparator();
  AddButton("所有记账记录", "查看所有预约记账的记账记录", "allHistory", [this] { History(true); });
  AddButton("记账记录", "查看所选预约记账的记账记录", "history", [this] { History(false); });
  AddSeparator();
  AddPrintButton();
  AddSeparator();
  AddButton("退出", "退出", "close", [this] { reject(); });
  Grid()->SetModel(BuildPlanList(page_));
  connect(Grid(), &CListWnd::RowActivated, this, [this](int row) { ChangePlan(row); });
}

void CChargeupPlanList::NewPlan() {
  CChargeupPlan dialog(page_, 0, this);
  if (dialog.exec() != QDialog::Accepted || dialog.PlanId() == 0) return;
  const std::optional<Plan> plan = ReadPlan(dialog.PlanId());
  if (!plan) return;
  const int row = Grid()->Model().AddRow(PlanListRow(*plan));
  Grid()->Refresh();
  Grid()->SelectRow(row);
}

void CChargeupPlanList::ChangePlan(int row) {
  const int id = static_cast<int>(Grid()->Model().Key(row).Number());
  CChargeupPlan dialog(page_, id, this);
  if (dialog.exec() != QDialog::Accepted) return;
  const std::optional<Plan> plan = ReadPlan(id);
  if (!plan) return;
  const GridRow fresh = PlanListRow(*plan);
  for (int c = 0; c < static_cast<int>(fresh.cells.size()); ++c) Grid()->Model().SetCell(row, c, fresh.cells[c]);
  Grid()->Refresh();
}

void CChargeupPlanList::DeletePlans() {
  const std::vector<int> rows = TickedRows();
  if (rows.empty()) return InformInputError("请先从表格中勾选一条或多条记录，再进行操作。");
  if (!CurrentPrompter().Ask("资料删除后将不可恢复。确实要删除吗？", "资料删除")) return;
  GridModel& model = Grid()->Model();
  std::vector<int> ids;
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) ids.push_back(static_cast<int>(model.Key(*it).Number()));
  if (!cw::DeletePlans(ids)) return;
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) model.DeleteRow(*it);
  Grid()->Refresh();
}

void CChargeupPlanList::SetState(int state) {
  const std::vector<int> rows = TickedRows();
  if (rows.empty()) return InformInputError(kChooseOne);
  GridModel& model = Grid()->Model();
  const std::string text = PlanStateText(state);
  for (int row : rows) {
    if (model.Cell(row, kPlanStateColumn) == text) continue;
    if (SetPlanState(static_cast<int>(model.Key(row).Number()), state)) model.SetCell(row, kPlanStateColumn, text);
  }
  Grid()->Refresh();
}

void CChargeupPlanList::History(bool all) {
  int id = 0;
  if (!all) {
    const std::vector<int> rows = TickedRows();
    if (rows.size() != 1) return InformInputError(kChooseOne);
    id = static_cast<int>(Grid()->Model().Key(rows[0]).Number());
  }
  CChargeupPlanResult(id, page_, this).exec();
}

}  // namespace cw
