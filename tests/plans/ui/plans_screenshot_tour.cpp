// Screenshots of the scheduled bookings and the credit cards under Xvfb, run by
// screenshots.sh (not part of the test suite): the confirmation and result
// dialogs of the run after a login, the plan list, the plan editor, the card
// list and the card dialog.
//
//   COINWRIGHT_TODAY=YYYY-MM-DD cw_plans_screenshot_tour OUTPUT_DIR
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <string>

#include "app/coinwright_app.h"
#include "app/main_frame.h"
#include "desktop_driver.h"
#include "frame/app_commands.h"
#include "screenshot_session.h"
#include "calendar/calendar.h"
#include "plans/plan_store.h"
#include "plans/ui/chargeup_plan.h"
#include "plans/ui/chargeup_plan_confirm.h"
#include "plans/ui/chargeup_plan_list.h"
#include "plans/ui/credit_card_input.h"
#include "plans/ui/credit_card_list.h"
#include "support/modal_driver.h"

namespace {

using cw::testing::Shoot;

// Opens the list with `command` on the page shown, shoots it, opens its "add"
// dialog of type `Dialog` and runs `in_dialog` there (it fills the dialog,
// shoots it and closes it), then closes the list.
template <typename List, typename Dialog>
void ShootList(cw::CMainFrame* frame, int command, const char* list_name, std::function<void(Dialog*)> in_dialog) {
  using cw::testing::OnModal;
  bool listed = false;
  OnModal<List>(
      [list_name, in_dialog](List* list) {
        QTest::qWait(200);
        Shoot(list_name);
        OnModal<Dialog>(in_dialog);
        list->template findChild<QAction*>("add")->trigger();
        list->reject();
      },
      &listed);
  frame->ToolbarAction(command)->trigger();
  cw::testing::Check(listed, (std::string("no ") + list_name).c_str());
}

void Choose(QWidget* dialog, const char* combo, const QString& text) {
  auto* box = dialog->findChild<QComboBox*>(combo);
  box->setCurrentIndex(box->findText(text));
}

// A utility bill paid on the 25th of every month, asked about first; it is
// stored once shot.
void MakeUtilityPlan(cw::CChargeupPlan* editor) {
  Choose(editor, "day", "25日");
  editor->findChild<QComboBox*>("mode")->setCurrentIndex(cw::kConfirmFirst);
  cw::testing::Book({.option = 1, .accounts = {"60202", "10201"}, .amount1 = "260", .description = "<M>月水电燃气费"},
                    [] { Shoot("plan-editor"); })(editor);
}

// A second card, repaid automatically ten days after its bill from 爸爸's bank.
void FillCard(cw::CCreditCardInput* dialog) {
  dialog->findChild<QLineEdit*>("name")->setText("工商银行信用卡");
  Choose(dialog, "billDay", "每月8日");
  dialog->findChild<QComboBox*>("payRule")->setCurrentIndex(1);
  dialog->findChild<QLineEdit*>("payNumber")->setText("10");
  auto* pay_from = dialog->findChild<QComboBox*>("payAccount");
  pay_from->setCurrentIndex(pay_from->findData("10201"));
  QTest::qWait(200);
  Shoot("card-dialog");
  dialog->reject();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (!cw::testing::BeginScreenshotTour(argc, argv)) return 2;
  QTemporaryDir home;

  using cw::testing::OnModal;
  cw::CCoinwrightApp app;
  cw::CMainFrame* frame = cw::testing::StartDesktop(app, home.path(), {.user = "爸爸", .demo = true});
  if (!frame) return 1;

  // Two plans missed for three weeks: one that asks first, one that tells.
  // The next login asks, books and tells.
  const int today = cw::Today();
  for (int mode : {cw::kConfirmFirst, cw::kBookAndShow}) {
    cw::Plan plan;
    plan.rule = {0, 0, 0, mode == cw::kConfirmFirst ? 5 : 6};
    plan.chargeup_type = mode;
    plan.entry.kind = 3;
    plan.entry.account1 = "60102";
    plan.entry.account2 = "20201";
    plan.entry.amount1 = mode == cw::kConfirmFirst ? 120 : 45;
    plan.entry.description = mode == cw::kConfirmFirst ? "<W>全家聚餐" : "<M><D>周末买菜";
    cw::InsertPlan(plan, today - 21);
  }
  bool confirmed = false, told = false;
  OnModal<cw::CChargeupPlanConfirm>(
      [&told](cw::CChargeupPlanConfirm* dialog) {
        QTest::qWait(300);
        Shoot("plan-confirm");
        OnModal<cw::CChargeupPlanConfirm>(
            [](cw::CChargeupPlanConfirm* result) {
              QTest::qWait(300);
              Shoot("plan-result");
              result->accept();
            },
            &told, 30000);
        dialog->accept();
      },
      &confirmed, 30000);
  cw::testing::Check(cw::testing::LogInAgain(frame, {.user = "爸爸", .demo = true}, 1), "爸爸 did not log in again");
  cw::testing::Check(QTest::qWaitFor([&] { return told; }, 30000), "no confirmation or result dialog");
  QTest::qWait(500);

  frame->MenuAction(32900)->trigger();
  ShootList<cw::CChargeupPlanList, cw::CChargeupPlan>(frame, cw::cmd::kPlans, "plan-list", MakeUtilityPlan);
  frame->MenuAction(32908)->trigger();
  ShootList<cw::CCreditCardList, cw::CCreditCardInput>(frame, cw::cmd::kCreditCard, "card-list", FillCard);
  frame->close();
  return cw::testing::TourExitCode();
}
