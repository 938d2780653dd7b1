#pragma once
// CChargeupPlanConfirm: "预约记账确认" (mode 0) shows a card for every plan that
// asks first, each with "修改账单" (changes this run's entry through the plan
// editor) and "取消记账"/"恢复记账"; "预约记账结果" (mode 1) shows what the plans
// that book and tell have booked. The cards are drawn by CChargeupPlanWnd.
#include <vector>

#include "plans/plan_run.h"
#include "ui/own_dialog.h"

class QVBoxLayout;

namespace cw {

class CChargeupPlanWnd : public QWidget {
  Q_OBJECT
 public:
  // Cards for the runs of `runs` whose mode is 2 (mode 0) or 1 (mode 1); the
  // runs are changed in place by the buttons.
  CChargeupPlanWnd(std::vector<PlanRun>& runs, int mode, QWidget* parent = nullptr);

 private:
  void Rebuild();
  std::vector<PlanRun>& runs_;
  int mode_ = 0;
  QVBoxLayout* cards_ = nullptr;
};

class CChargeupPlanConfirm : public COwnDialog {
  Q_OBJECT
 public:
  enum Mode { kConfirm = 0, kResult = 1 };
  CChargeupPlanConfirm(std::vector<PlanRun>& runs, int mode, QWidget* parent = nullptr);
};

}  // namespace cw
