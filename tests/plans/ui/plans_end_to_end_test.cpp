// Scheduled bookings and a credit card as a household meets them in the
// desktop program, offscreen, on days set with COINWRIGHT_TODAY. On 15 January
// the administrator makes a card repaid automatically and buys with it, and
// makes four plans through "预约记账列表", one for each way of booking. Two
// months later the login asks about the two plans that ask first: one is
// changed for this run and confirmed, the other cancelled; the result dialog
// tells what the salary plan booked. The vouchers stand on their pages, the
// card's automatic repayment on the card page, and the exit reminds of a
// manual backup.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

#include "app/coinwright_app.h"
#include "app/main_frame.h"
#include "bookkeeping/entries/date_scope.h"
#include "bookkeeping/entries/ui/ctrl_wnd_account_easy.h"
#include "calendar/calendar.h"
#include "controls/list_wnd.h"
#include "desktop_driver.h"
#include "frame/app_commands.h"
#include "frame/navigation_bar.h"
#include "plans/plan_store.h"
#include "plans/ui/chargeup_plan.h"
#include "plans/ui/chargeup_plan_confirm.h"
#include "plans/ui/chargeup_plan_list.h"
#include "plans/ui/credit_card_input.h"
#include "plans/ui/credit_card_list.h"
#include "store/database.h"
#include "store/row_reader.h"
#include "store/ui/manual_backup_db.h"
#include "support/modal_driver.h"

namespace cw {
namespace {

using testing::OnModal;

constexpr int kIncomePage = 32900;
constexpr int kCardPage = 32908;

// A plan as a person makes it in the plan editor: the booking, then the day
// ("每月" with a day, or a weekday such as "每星期六") and the way of booking.
struct PlanEntry {
  testing::BookingEntry booking;
  QString day;
  int mode = kBookSilently;
};

// Opens the list of the page shown with `command`, runs `steps` in it and
// closes it; false when the list did not open.
template <typename List>
bool InList(CMainFrame* frame, int command, std::function<void(List*)> steps) {
  bool shown = false;
  OnModal<List>(
      [steps](List* list) {
        steps(list);
        list->reject();
      },
      &shown);
  frame->ToolbarAction(command)->trigger();
  return shown;
}

bool AddPlan(CMainFrame* frame, const PlanEntry& plan) {
  bool stored = false;
  const bool listed = InList<CChargeupPlanList>(frame, cmd::kPlans, [&](CChargeupPlanList* list) {
    OnModal<CChargeupPlan>(
        [&](CChargeupPlan* editor) {
          auto* day = editor->findChild<QComboBox*>("day");
          day->setCurrentIndex(day->findText(plan.day));
          editor->findChild<QComboBox*>("mode")->setCurrentIndex(plan.mode);
          testing::Book(plan.booking)(editor);
        },
        &stored);
    list->findChild<QAction*>("add")->trigger();
  });
  return listed && stored;
}

// The card on the confirmation dialog whose description is `text`.
QFrame* CardOf(CChargeupPlanConfirm* dialog, const QString& text) {
  for (QFrame* card : dialog->findChildren<QFrame*>(QRegularExpression("^plan\\d+$")))
    for (QLabel* label : card->findChildren<QLabel*>())
      if (label->text() == text) return card;
  return nullptr;
}

QPushButton* ButtonOf(QFrame* card, const QString& text) {
  for (QPushButton* button : card->findChildren<QPushButton*>())
    if (button->text() == text) return button;
  return nullptr;
}

// Every voucher of the open data set: "date kind description amount".
std::vector<std::string> Vouchers() {
  std::vector<std::string> out;
  CDBPack rows;
  rows.Open("SELECT A.Input_Time, A.Input_Type, D.Content, D.Cash FROM AccountInput A "
            "JOIN Detail_Input D ON D.Voucher_No = A.Voucher_No WHERE D.Line_No = 0 ORDER BY A.Input_Time, A.Voucher_No");
  for (; !rows.IsEnd(); rows.MoveNext()) {
    out.push_back(IsoDate(static_cast<int>(rows.GetDate("Input_Time"))) + " " + std::to_string(rows.GetByte("Input_Type")) +
                  " " + rows.GetText("Content") + " " + QString::number(rows.GetDouble("Cash"), 'f', 2).toStdString());
  }
  return out;
}

// The voucher rows of entry page `page` shown for the whole year whose date
// (the first title) starts with `dated`, as GridRows gives them. (A page's
// range lives as long as the process, which may have run an earlier session:
// the year is chosen.)
std::vector<std::string> RowsOfTheYear(CMainFrame* frame, int page, const std::vector<std::string>& titles,
                                       const std::string& dated) {
  if (!testing::ShowPage(frame, page)) return {};
  auto* entries = qobject_cast<CCtrlWndAccountEasy*>(frame->Module());
  QRadioButton* whole_year = nullptr;
  // The bar is built after the event that showed the page.
  if (!QTest::qWaitFor(
          [&] { return (whole_year = entries->Navigation()->findChild<QRadioButton*>("scopeChoice3")) != nullptr; },
          5000))
    return {};
  QTest::mouseClick(whole_year, Qt::LeftButton);
  if (!QTest::qWaitFor([&] { return entries->Scope() == DateScope::kCurrentYear; }, 5000)) return {};
  std::vector<std::string> rows;
  for (const std::string& row : testing::GridRows(entries->Grid()->Model(), titles))
    if (row.starts_with(dated)) rows.push_back(row);
  return rows;
}

class PlansEndToEndTest : public ::testing::Test {
 protected:
  void TearDown() override { unsetenv("COINWRIGHT_TODAY"); }
  QTemporaryDir home_;
};

TEST_F(PlansEndToEndTest, PlansFallenDueAreConfirmedCancelledBookedAndTheCardRepaid) {
  // ---- 15 January: the card, a purchase with it, and the plans.
  ASSERT_EQ(0, setenv("COINWRIGHT_TODAY", "2026-01-15", 1));
  {
    CCoinwrightApp app;
    CMainFrame* frame = testing::StartDesktop(app, home_.path(), {.user = "管理员"}, kCardPage);
    ASSERT_NE(nullptr, frame);
    bool card_made = false;
    ASSERT_TRUE(InList<CCreditCardList>(frame, cmd::kCreditCard, [&](CCreditCardList* list) {
      OnModal<CCreditCardInput>(
          [](CCreditCardInput* dialog) {
            dialog->findChild<QLineEdit*>("name")->setText("招行信用卡");
            auto* bill_day = dialog->findChild<QComboBox*>("billDay");
            bill_day->setCurrentIndex(bill_day->findText("每月5日"));
            dialog->findChild<QLineEdit*>("payNumber")->setText("25");
            auto* pay_from = dialog->findChild<QComboBox*>("payAccount");
            pay_from->setCurrentIndex(pay_from->findData("101"));
            QTest::mouseClick(dialog->findChild<QPushButton*>("ok"), Qt::LeftButton);
          },
          &card_made);
      list->findChild<QAction*>("add")->trigger();
    }));
    ASSERT_TRUE(card_made);
    ASSERT_TRUE(testing::BookOnPage(frame, {.accounts = {"601", "20201"}, .amount1 = "356.50", .description = "超市购物"}));

    ASSERT_TRUE(testing::ShowPage(frame, kIncomePage));
    const PlanEntry plans[] = {
        {{.option = 0, .accounts = {"501", "101"}, .amount1 = "8000", .description = "工资"}, "10日", kBookAndShow},
        {{.option = 1, .accounts = {"601", "101"}, .amount1 = "200", .description = "周末买菜"}, "每星期六", kConfirmFirst},
        {{.option = 1, .accounts = {"603", "101"}, .amount1 = "100", .description = "手机话费"}, "20日", kConfirmFirst},
        {{.option = 1, .accounts = {"602", "101"}, .amount1 = "2500", .description = "房租"}, "1日", kBookSilently},
    };
    for (const PlanEntry& plan : plans) ASSERT_TRUE(AddPlan(frame, plan)) << plan.booking.description.toStdString();
    frame->close();
    app.ExitInstance(0);
  }

  // ---- 15 March: the login asks, books and tells.
  ASSERT_EQ(0, setenv("COINWRIGHT_TODAY", "2026-03-15", 1));
  CCoinwrightApp app;
  QString confirm_dates, result_text;
  bool confirmed = false, told = false;
  OnModal<CChargeupPlanConfirm>(
      [&](CChargeupPlanConfirm* dialog) {
        QFrame* groceries = CardOf(dialog, "周末买菜");
        QFrame* phone = CardOf(dialog, "手机话费");
        ASSERT_TRUE(groceries && phone);
        EXPECT_TRUE(CardOf(dialog, "200.00"));
        EXPECT_EQ(nullptr, CardOf(dialog, "工资")) << "a plan that tells is not asked about";
        for (QLabel* label : groceries->findChildren<QLabel*>())
          if (label->text().startsWith("2026-")) confirm_dates = label->text();
        // Groceries cost less this time: changed for this run only.
        OnModal<CChargeupPlan>([](CChargeupPlan* editor) {
          auto* amount = editor->findChild<QLineEdit*>("amount1");
          amount->clear();
          QTest::keyClicks(amount, "180");
          QTest::mouseClick(editor->findChild<QPushButton*>("ok"), Qt::LeftButton);
        });
        QTest::mouseClick(ButtonOf(groceries, "修改账单"), Qt::LeftButton);
        QTest::qWait(50);  // the cards are rebuilt after each click
        EXPECT_TRUE(CardOf(dialog, "180.00")) << "the card shows the changed amount";
        QTest::mouseClick(ButtonOf(CardOf(dialog, "手机话费"), "取消记账"), Qt::LeftButton);
        QTest::qWait(50);
        phone = CardOf(dialog, "手机话费");
        EXPECT_NE(nullptr, ButtonOf(phone, "恢复记账"));
        EXPECT_EQ("已被取消", phone->findChild<QLabel*>("status")->text());
        OnModal<CChargeupPlanConfirm>(
            [&](CChargeupPlanConfirm* result) {
              EXPECT_EQ("预约记账结果", result->windowTitle());
              for (QLabel* label : result->findChildren<QLabel*>()) result_text += label->text() + "\n";
              result->accept();
            },
            &told, 30000);
        QTest::mouseClick(dialog->findChild<QPushButton*>("ok"), Qt::LeftButton);
      },
      &confirmed, 30000);
  CMainFrame* frame = testing::StartDesktop(app, home_.path(), {.user = "管理员"});
  ASSERT_NE(nullptr, frame);
  ASSERT_TRUE(QTest::qWaitFor([&] { return told; }, 30000));
  ASSERT_TRUE(confirmed);
  EXPECT_EQ("2026-01-17、2026-01-24、2026-01-31、2026-02-07、2026-02-14、2026-02-21、2026-02-28、2026-03-07、2026-03-14",
            confirm_dates);
  EXPECT_TRUE(result_text.contains("2026-02-10、2026-03-10")) << result_text.toStdString();
  EXPECT_FALSE(result_text.contains("房租")) << "a silent plan is not shown";

  // The income page shows March's bookings, the card page the purchase and its
  // repayment.
  ASSERT_TRUE(QTest::qWaitFor([&] { return !QApplication::activeModalWidget(); }, 5000));
  EXPECT_EQ((std::vector<std::string>{
                "2026-03-01|房租||2500.00",
                "2026-03-07|周末买菜||180.00",
                "2026-03-10|工资|8000.00|",
                "2026-03-14|周末买菜||180.00",
            }),
            RowsOfTheYear(frame, kIncomePage, {"日期", "说明", "收入", "支出"}, "2026-03-"));
  EXPECT_EQ((std::vector<std::string>{
                "2026-01-15|超市购物|招行信用卡|356.50|",
                "2026-02-25|信用卡还款|招行信用卡||356.50",
            }),
            RowsOfTheYear(frame, kCardPage, {"日期", "说明", "信用卡", "借款", "还款"}, "2026-"));

  // The whole ledger: the phone bill cancelled, the card repaid on 25 February.
  std::vector<std::string> expected = {"2026-01-15 3 超市购物 356.50"};
  for (const char* day : {"01-17", "01-24", "01-31"}) expected.push_back(std::string("2026-") + day + " 3 周末买菜 180.00");
  for (const char* line : {"02-01 3 房租 2500.00", "02-07 3 周末买菜 180.00", "02-10 2 工资 8000.00",
                           "02-14 3 周末买菜 180.00", "02-21 3 周末买菜 180.00", "02-25 13 信用卡还款 356.50",
                           "02-28 3 周末买菜 180.00", "03-01 3 房租 2500.00", "03-07 3 周末买菜 180.00",
                           "03-10 2 工资 8000.00", "03-14 3 周末买菜 180.00"})
    expected.push_back(std::string("2026-") + line);
  EXPECT_EQ(expected, Vouchers());
  const std::vector<Plan> stored = ReadPlans("Input_Type > 0");
  ASSERT_EQ(4u, stored.size());
  EXPECT_EQ(200, stored[1].entry.amount1) << "the change was for that run only";
  // Each plan waits at its next occurrence; the cancelled one was advanced too.
  std::vector<std::string> next;
  for (const Plan& plan : stored) next.push_back(IsoDate(plan.last_chargeup));
  EXPECT_EQ((std::vector<std::string>{"2026-04-10", "2026-03-21", "2026-03-20", "2026-04-01"}), next);

  // Two months without a manual backup: the exit reminds of it.
  OnModal<CManualBackupDB>([](CManualBackupDB* reminder) { reminder->reject(); });
  frame->close();
  app.ExitInstance(0);
}

}  // namespace
}  // namespace cw
