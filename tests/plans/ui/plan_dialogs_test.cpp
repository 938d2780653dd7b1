// The plan editor, its match strings, the plan list, the card dialog and list,
// offscreen: what they store, what they refuse with which message, and where
// they put the cursor then.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "bookkeeping/accounts/account_texts.h"
#include "bookkeeping/booking/booking_texts.h"
#include "calendar/calendar.h"
#include "core/voucher_engine.h"
#include "controls/list_wnd.h"
#include "core/session.h"
#include "desktop_driver.h"
#include "plans/card_records.h"
#include "plans/plan_store.h"
#include "plans/ui/chargeup_plan.h"
#include "plans/ui/chargeup_plan_content.h"
#include "plans/ui/chargeup_plan_list.h"
#include "plans/ui/credit_card_input.h"
#include "plans/ui/credit_card_list.h"
#include "store/database.h"
#include "support/ledger_fixture.h"
#include "support/modal_driver.h"

namespace cw {
namespace {

constexpr int kIncomePage = 32900;

class PlanDialogsTest : public testing::LedgerTest {
 protected:
  void SetUp() override {
    LedgerTest::SetUp();
    Database::Execute("DELETE FROM Detail_Plan");
    Database::Execute("DELETE FROM AccountInputPlan");
  }
  std::string LastMessage() const { return prompter_.shown.empty() ? "" : prompter_.shown.back().text; }
};

void Choose(QWidget* dialog, const char* combo, const QString& text) {
  auto* box = dialog->findChild<QComboBox*>(combo);
  const int index = box->findText(text);
  ASSERT_GE(index, 0) << combo << " has no " << text.toStdString();
  box->setCurrentIndex(index);
}

TEST_F(PlanDialogsTest, ScheduleChoicesMakeTheRule) {
  const QString this_year = QString::number(DateOfSerialDay(Today()).year) + "年";
  struct Case {
    QString year, month, day;
    PlanRule want;
  };
  const Case cases[] = {
      {"每年", "每月", "每日", {0, 0, 0, 0}},
      {"每年", "每月", "10日", {0, 0, 10, 0}},
      {"每年", "每月", "每星期六", {0, 0, 0, 6}},
      {"每年", "2月", "29日", {0, 2, 29, 0}},
      {this_year, "12月", "每星期一", {DateOfSerialDay(Today()).year, 12, 0, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE((c.year + c.month + c.day).toStdString());
    CChargeupPlan editor(kIncomePage, 0);
    Choose(&editor, "year", c.year);
    Choose(&editor, "month", c.month);
    Choose(&editor, "day", c.day);
    const PlanRule rule = editor.Rule();
    EXPECT_EQ((std::vector<int>{c.want.year, c.want.month, c.want.day, c.want.week}),
              (std::vector<int>{rule.year, rule.month, rule.day, rule.week}));
  }
}

TEST_F(PlanDialogsTest, DayListFollowsTheMonthClippingDaysAndKeepingWeekdays) {
  // Each step chooses one entry; the day shown afterwards.
  struct Step {
    const char* combo;
    QString text;
    QString day_after;
  };
  const Step steps[] = {
      {"day", "31日", "31日"},
      {"month", "4月", "30日"},
      {"month", "2月", "29日"},   // February of any year may have 29 days
      {"year", "2027年", "28日"},
      {"year", "2028年", "28日"},  // a day clipped stays clipped
      {"day", "29日", "29日"},     // 2028 is a leap year
      {"day", "每星期三", "每星期三"},
      {"month", "1月", "每星期三"},
  };
  CChargeupPlan editor(kIncomePage, 0);
  EXPECT_EQ(QString::number(DateOfSerialDay(Today()).day) + "日", editor.findChild<QComboBox*>("day")->currentText())
      << "a new plan starts on today's day";
  for (const Step& s : steps) {
    SCOPED_TRACE(s.text.toStdString());
    Choose(&editor, s.combo, s.text);
    EXPECT_EQ(s.day_after, editor.findChild<QComboBox*>("day")->currentText());
  }
}

TEST_F(PlanDialogsTest, OkStoresThePlanFromTodayOrRefusesWithTheBookingsMessage) {
  {
    CChargeupPlan editor(kIncomePage, 0);
    editor.show();
    testing::Book({.option = 1, .accounts = {"601", "101"}, .description = "周末买菜"})(&editor);
    EXPECT_EQ(booking_texts::kNeedAmount, LastMessage());
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(0, editor.PlanId());
  }
  CChargeupPlan editor(kIncomePage, 0);
  editor.show();
  Choose(&editor, "day", "每星期六");
  editor.findChild<QComboBox*>("mode")->setCurrentIndex(kConfirmFirst);
  testing::Book({.option = 1, .accounts = {"601", "101"}, .amount1 = "200", .description = "周末买菜"})(&editor);
  EXPECT_FALSE(editor.isVisible());
  const std::optional<Plan> plan = ReadPlan(editor.PlanId());
  ASSERT_TRUE(plan.has_value());
  EXPECT_EQ(6, plan->rule.week);
  EXPECT_EQ(kConfirmFirst, plan->chargeup_type);
  EXPECT_EQ(Today(), plan->last_chargeup) << "occurrences before the plan was made are not booked";
  EXPECT_EQ(200, plan->entry.amount1);
  EXPECT_EQ("周末买菜", plan->entry.description);
  EXPECT_EQ(1, plan->person_no);

  // Another user's plan opens for reading only.
  SetLoggedInPerson(2);
  CChargeupPlan other(kIncomePage, editor.PlanId());
  EXPECT_FALSE(other.findChild<QPushButton*>("ok")->isEnabled());
  SetLoggedInPerson(1);
  CChargeupPlan own(kIncomePage, editor.PlanId());
  EXPECT_TRUE(own.findChild<QPushButton*>("ok")->isEnabled());
  EXPECT_EQ("每星期六", own.findChild<QComboBox*>("day")->currentText());
}

TEST_F(PlanDialogsTest, MatchStringGoesInAtTheCursorWhileTheDescriptionHasRoom) {
  CChargeupPlan editor(kIncomePage, 0);
  auto* description = editor.findChild<QLineEdit*>("description");
  auto insert_weekday = [&] {
    testing::OnModal<CChargeupPlanContent>([](CChargeupPlanContent* dialog) {
      QTest::mouseClick(dialog->findChild<QRadioButton*>("match3"), Qt::LeftButton);
      QTest::mouseClick(dialog->findChild<QPushButton*>("ok"), Qt::LeftButton);
    });
    QTest::mouseClick(editor.findChild<QPushButton*>("insertMatch"), Qt::LeftButton);
  };
  description->setText("全家聚餐");
  description->setCursorPosition(0);
  insert_weekday();
  EXPECT_EQ("<W>全家聚餐", description->text());
  EXPECT_TRUE(prompter_.shown.empty());

  // Two characters left: the three of a match string do not fit.
  const QString almost_full(description->maxLength() - 2, QChar(u'餐'));
  description->setText(almost_full);
  insert_weekday();
  EXPECT_EQ(almost_full, description->text());
  EXPECT_EQ("已经输入的太多的字符，无法添加新的字符。", LastMessage());
}

TEST_F(PlanDialogsTest, PlanListWorksOnTheTickedPlansOfItsPage) {
  const int today = Today();
  auto plan_of = [](const Booking& entry) {
    Plan plan;
    plan.rule = {0, 0, 5, 0};
    plan.entry = entry;
    return plan;
  };
  const int salary = InsertPlan(plan_of(Make("2026-01-05", 2, "501", "101", 8000, "工资")), today);
  const int rent = InsertPlan(plan_of(Make("2026-01-05", 3, "602", "101", 2500, "房租")), today);
  const int phone = InsertPlan(plan_of(Make("2026-01-05", 3, "603", "101", 100, "手机话费")), today);
  InsertPlan(plan_of(Make("2026-01-05", 43, "102", "102", 300, "转账")), today);  // another page's

  CChargeupPlanList list(kIncomePage);
  list.show();
  CListWnd* grid = list.findChild<CListWnd*>("grid");
  auto rows = [&] { return testing::GridRows(grid->Model(), {"说  明", "状态", "金  额"}); };
  auto run = [&](const char* action) { list.findChild<QAction*>(action)->trigger(); };
  ASSERT_EQ((std::vector<std::string>{"工资|启用|8000.00", "房租|启用|2500.00", "手机话费|启用|100.00"}),
            rows());

  // Nothing ticked: each command says what it needs.
  const std::pair<const char*, std::string> refusals[] = {
      {"delete", "请先从表格中勾选一条或多条记录，再进行操作。"},
      {"change", "请先从表格中勾选一条记录，再进行操作。"},
      {"disable", "请先从表格中选择一条记录，再进行操作。"},
      {"history", "请先从表格中选择一条记录，再进行操作。"},
  };
  for (const auto& [action, message] : refusals) {
    prompter_.shown.clear();
    run(action);
    EXPECT_EQ(message, LastMessage()) << action;
  }

  testing::ClickCell(grid, 0, -1);
  testing::ClickCell(grid, 2, -1);
  run("disable");
  EXPECT_EQ((std::vector<std::string>{"工资|停用|8000.00", "房租|启用|2500.00", "手机话费|停用|100.00"}),
            rows());
  EXPECT_EQ(kPlanDisabled, ReadPlan(salary)->state);
  EXPECT_EQ(kPlanEnabled, ReadPlan(rent)->state);
  EXPECT_EQ(kPlanDisabled, ReadPlan(phone)->state);

  // Deleting asks first; No keeps everything.
  prompter_.answers = {false};
  run("delete");
  EXPECT_EQ("资料删除后将不可恢复。确实要删除吗？", LastMessage());
  EXPECT_EQ(3u, rows().size());
  EXPECT_TRUE(ReadPlan(salary).has_value());
  prompter_.answers = {true};
  run("delete");
  EXPECT_EQ((std::vector<std::string>{"房租|启用|2500.00"}), rows());
  EXPECT_FALSE(ReadPlan(salary).has_value());
  EXPECT_FALSE(ReadPlan(phone).has_value());

  // Activating a row opens the plan; its row shows what was changed.
  bool changed = false;
  testing::OnModal<CChargeupPlan>(
      [](CChargeupPlan* editor) {
        auto* amount = editor->findChild<QLineEdit*>("amount1");
        amount->clear();
        QTest::keyClicks(amount, "2600");
        QTest::mouseClick(editor->findChild<QPushButton*>("ok"), Qt::LeftButton);
      },
      &changed);
  emit grid->RowActivated(0);
  ASSERT_TRUE(changed);
  EXPECT_EQ((std::vector<std::string>{"房租|启用|2600.00"}), rows());
  EXPECT_EQ(2600, ReadPlan(rent)->entry.amount1);
}

TEST_F(PlanDialogsTest, CardDialogRefusesWithItsMessageAndTheCursorOnTheInput) {
  struct Case {
    QString name;
    int rule;  // 0 "每月", 1 "账单日期之后的第"
    QString number;
    std::string message;  // empty: accepted
    const char* focus;
  };
  const Case cases[] = {
      {"", 0, "25", account_texts::kBadName, "name"},
      {"招行卡", 0, "32", "您输入的日期无效，请重新输入。", "payNumber"},
      {"招行卡", 0, "", "您输入的日期无效，请重新输入。", "payNumber"},
      {"招行卡", 1, "9", "您输入的天数无效，请输入一个10-30之间的数字。", "payNumber"},
      {"招行卡", 1, "31", "您输入的天数无效，请输入一个10-30之间的数字。", "payNumber"},
      {"招行卡", 1, "10", "", nullptr},
      {"招行卡", 0, "31", "", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE((c.name + " " + QString::number(c.rule) + " " + c.number).toStdString());
    prompter_.shown.clear();
    CCreditCardInput dialog(false, {});
    dialog.show();
    dialog.findChild<QLineEdit*>("name")->setText(c.name);
    dialog.findChild<QComboBox*>("payRule")->setCurrentIndex(c.rule);
    dialog.findChild<QLineEdit*>("payNumber")->setText(c.number);
    QTest::mouseClick(dialog.findChild<QPushButton*>("ok"), Qt::LeftButton);
    if (c.message.empty()) {
      EXPECT_TRUE(prompter_.shown.empty()) << LastMessage();
      EXPECT_EQ(QDialog::Accepted, dialog.result());
      continue;
    }
    EXPECT_EQ(c.message, LastMessage());
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_NE(nullptr, dialog.focusWidget());
    EXPECT_EQ(c.focus, dialog.focusWidget()->objectName().toStdString());
  }
}

TEST_F(PlanDialogsTest, CardDialogShowsACardAndHandsItsInputToTheSaver) {
  CardInput card{.name = "工行卡", .bill_date = 8, .pay_on_day = false, .pay_number = 15, .pay_item_no = "102", .pay_mode = 0};
  CCreditCardInput dialog(true, card);
  dialog.show();
  auto* pay_from = dialog.findChild<QComboBox*>("payAccount");
  for (int i = 0; i < pay_from->count(); ++i)
    EXPECT_FALSE(pay_from->itemData(i).toString().startsWith("202")) << "a card is not paid from a card";
  const CardInput shown = dialog.Input();
  EXPECT_EQ((std::vector<std::string>{"工行卡", "8", "0", "15", "102", "0"}),
            (std::vector<std::string>{shown.name, std::to_string(shown.bill_date), std::to_string(shown.pay_on_day),
                                      std::to_string(shown.pay_number), shown.pay_item_no, std::to_string(shown.pay_mode)}));

  // Choosing a repayment rule starts its number from 20 again.
  auto* rule = dialog.findChild<QComboBox*>("payRule");
  rule->setFocus();
  QTest::keyClick(rule, Qt::Key_Up);
  EXPECT_EQ("每月", rule->currentText());
  EXPECT_EQ("20", dialog.findChild<QLineEdit*>("payNumber")->text());

  // A saver that declines keeps the dialog open on the name.
  std::vector<CardInput> saved;
  dialog.SetSaver([&](const CardInput& input) {
    saved.push_back(input);
    return saved.size() > 1;
  });
  QTest::mouseClick(dialog.findChild<QPushButton*>("ok"), Qt::LeftButton);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ("name", dialog.focusWidget()->objectName());
  QTest::mouseClick(dialog.findChild<QPushButton*>("ok"), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  ASSERT_EQ(2u, saved.size());
  EXPECT_EQ(20, saved.back().pay_number);
  EXPECT_TRUE(saved.back().pay_on_day);
}

TEST_F(PlanDialogsTest, CardListShowsWhatItsDialogSavedAndKeepsTheCardsItCannotDelete) {
  std::string used;
  const CardInput card{.name = "甲卡", .bill_date = 5, .pay_on_day = true, .pay_number = 25, .pay_item_no = "102", .pay_mode = 1};
  ASSERT_TRUE(AddCard(card, prompter_, &used).ok());
  ASSERT_GT(WriteVoucher(Make("2026-03-01", 3, "601", used, 50)), 0);

  CCreditCardList list;
  list.show();
  CListWnd* grid = list.findChild<CListWnd*>("grid");
  auto rows = [&] { return testing::GridRows(grid->Model(), {"信用卡", "账单日期", "还款日期", "记账方式"}); };
  ASSERT_EQ((std::vector<std::string>{"甲卡|每月5日|每月25日|自动记账"}), rows());

  bool added = false;
  testing::OnModal<CCreditCardInput>(
      [](CCreditCardInput* dialog) {
        dialog->findChild<QLineEdit*>("name")->setText("乙卡");
        Choose(dialog, "billDay", "每月8日");
        dialog->findChild<QComboBox*>("payRule")->setCurrentIndex(1);
        dialog->findChild<QLineEdit*>("payNumber")->setText("12");
        QTest::mouseClick(dialog->findChild<QPushButton*>("ok"), Qt::LeftButton);
      },
      &added);
  list.findChild<QAction*>("add")->trigger();
  ASSERT_TRUE(added);
  EXPECT_EQ((std::vector<std::string>{"甲卡|每月5日|每月25日|自动记账", "乙卡|每月8日|账单日期之后的第12天|自动记账"}),
            rows());

  bool changed = false;
  testing::OnModal<CCreditCardInput>(
      [](CCreditCardInput* dialog) {
        dialog->findChild<QComboBox*>("payMode")->setCurrentIndex(0);
        QTest::mouseClick(dialog->findChild<QPushButton*>("ok"), Qt::LeftButton);
      },
      &changed);
  emit grid->RowActivated(1);
  ASSERT_TRUE(changed);
  EXPECT_EQ("乙卡|每月8日|账单日期之后的第12天|不自动记账", rows()[1]);

  // Both ticked: the unused card goes, the booked one stays with the reason.
  testing::ClickCell(grid, 0, -1);
  testing::ClickCell(grid, 1, -1);
  prompter_.answers = {true};
  list.findChild<QAction*>("delete")->trigger();
  EXPECT_EQ((std::vector<std::string>{"甲卡|每月5日|每月25日|自动记账"}), rows());
  EXPECT_EQ("此科目已有记账数据，请将该科目下的记账数据\n转移到其他科目后再删除科目。", LastMessage());
}

}  // namespace
}  // namespace cw
