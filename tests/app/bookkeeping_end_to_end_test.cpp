// A household starts bookkeeping in the desktop program, offscreen: the
// administrator logs in to fresh user data, adds a bank account, a credit card
// and an interest account below the fixed top level, enters the opening
// balances, books an income, a card purchase, a deposit and a withdrawal with
// interest through the booking dialog and reads them back with their totals;
// a second user audits the income and finds it by its description. At the end
// the ledger holds exactly those vouchers.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/coinwright_app.h"
#include "app/ctrl_wnd_system.h"
#include "app/main_frame.h"
#include "bookkeeping/accounts/ui/category_bar.h"
#include "bookkeeping/accounts/ui/item_input_easy.h"
#include "bookkeeping/accounts/ui/item_page.h"
#include "bookkeeping/accounts/ui/item_tree_wnd.h"
#include "bookkeeping/booking/ui/charge_up.h"
#include "bookkeeping/booking/ui/select_chargeup.h"
#include "bookkeeping/entries/entry_keys.h"
#include "bookkeeping/entries/entry_table.h"
#include "bookkeeping/entries/initial_assets.h"
#include "bookkeeping/entries/ui/ctrl_wnd_account_easy.h"
#include "calendar/calendar.h"
#include "controls/list_wnd.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "desktop_driver.h"
#include "frame/app_commands.h"
#include "plans/ui/credit_card_input.h"
#include "prefs/ui/user_input_dialog.h"
#include "prefs/user_records.h"
#include "store/database.h"
#include "store/row_reader.h"
#include "support/ledger_check.h"
#include "support/modal_driver.h"

namespace cw {
namespace {

using testing::GridRows;
using testing::OnModal;
using testing::RowWhere;

class BookkeepingEndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const Ymd today = DateOfSerialDay(Today());
    today_ = IsoDate(Today());
    month_ = today.month;
    year_ = today.year;
    opening_day_ = today.month == 1 ? IsoDate(SerialDay(today.year - 1, 12, 1))
                                    : IsoDate(SerialDay(today.year, today.month - 1, 1));
  }

  CCtrlWndAccountEasy* Entries() const { return qobject_cast<CCtrlWndAccountEasy*>(frame_->Module()); }
  const GridModel& Table() const { return Entries()->Grid()->Model(); }

  // Shows an entry page from the menu "日常记账".
  void OpenPage(int page) {
    ASSERT_TRUE(testing::ShowPage(frame_, page));
    ASSERT_NE(nullptr, Entries());
    ASSERT_EQ(page, Entries()->CurrentPage());
  }

  // On the account page: chooses the category of `parent`'s top-level
  // account, selects `parent` and adds a sub-account named `name` with
  // "新增下级科目". The new account as the tree shows it selected: "code name
  // type name".
  std::string AddSubAccount(const std::string& parent, const QString& name) {
    CItemPage* page = qobject_cast<CCtrlWndSystem*>(frame_->Module())->Accounts();
    const std::vector<AccountCategory>& categories = page->Categories()->Categories();
    int index = -1;
    for (std::size_t i = 0; i < categories.size(); ++i)
      if (categories[i].code == parent.substr(0, 3)) index = static_cast<int>(i);
    if (index < 0) return "no category for " + parent;
    QListWidget* list = page->Categories()->List();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(index)).center());
    CItemTreeWnd* tree = page->Tree();
    QTreeWidgetItem* item = tree->ItemOf(parent);
    if (!item) return "no account " + parent;
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    bool named = false;
    if (parent == "202") {
      // Below the top credit-card account a card is made with its settings.
      OnModal<CCreditCardInput>(
          [name](CCreditCardInput* dialog) {
            dialog->findChild<QLineEdit*>("name")->setText(name);
            // Repaid by hand, so that no repayment is booked at the next login.
            dialog->findChild<QComboBox*>("payMode")->setCurrentIndex(0);
            dialog->accept();
          },
          &named);
    } else {
      OnModal<CItemInputEasy>(testing::NameAccount(name), &named);
    }
    frame_->ToolbarAction(cmd::kAddChildAccount)->trigger();
    if (!named) return "no account dialog";
    const AccountRow* added = tree->SelectedRow();
    return added ? added->code + " " + added->name + " " + added->type_name : "nothing selected";
  }

  bool Book(const testing::BookingEntry& entry) { return testing::BookOnPage(frame_, entry); }

  // The table the page would show if it were built now: a grid kept up to
  // date in place must not differ from it.
  std::vector<std::string> FreshRows(const std::vector<std::string>& titles) const {
    EntryTable fresh(Entries()->CurrentPage(), Entries()->Range());
    return GridRows(fresh.Build(), titles);
  }

  std::string MonthTotal() const { return QString::asprintf("  %2d 月 统 计", month_).toStdString(); }
  std::string YearTotal() const { return QString::asprintf("  %d 年 统 计", year_).toStdString(); }

  std::string today_, opening_day_;
  int month_ = 0, year_ = 0;
  CMainFrame* frame_ = nullptr;
};

constexpr char kGrandTotal[] = "  累         计";

// Every voucher of the open data set in number order, one line each: "kind
// person checker deposit-code", then per line " | account amount D|C content".
std::vector<std::string> Ledger() {
  std::vector<std::string> vouchers;
  std::vector<int> numbers;
  {
    CDBPack rows;
    rows.Open(
        "SELECT Voucher_No, Input_Type, Person_No, Checker_No, DepositCode FROM AccountInput "
        "ORDER BY Voucher_No");
    for (; !rows.IsEnd(); rows.MoveNext()) {
      numbers.push_back(rows.GetLong("Voucher_No"));
      vouchers.push_back(std::to_string(rows.GetByte("Input_Type")) + " " + std::to_string(rows.GetLong("Person_No")) +
                         " " + std::to_string(rows.GetLong("Checker_No")) + " " +
                         std::to_string(rows.GetLong("DepositCode")));
    }
  }
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    CDBPack lines;
    lines.Open("SELECT Item_No, Cash, IsDebit, Content FROM Detail_Input WHERE Voucher_No = ? ORDER BY Line_No",
               {numbers[i]});
    for (; !lines.IsEnd(); lines.MoveNext()) {
      vouchers[i] += " | " + lines.GetText("Item_No") + " " +
                     QString::number(lines.GetDouble("Cash"), 'f', 2).toStdString() +
                     (lines.GetBool("IsDebit") ? " D " : " C ") + lines.GetText("Content");
    }
  }
  return vouchers;
}

TEST_F(BookkeepingEndToEndTest, AccountsOpeningBalancesBookingsAuditAndSearch) {
  QTemporaryDir home;
  CCoinwrightApp app;
  frame_ = testing::StartDesktop(app, home.path(), {.user = "管理员"});
  ASSERT_NE(nullptr, frame_);
  EXPECT_EQ(Database::kUserData, Database::CurrentDatabase());
  EXPECT_TRUE(frame_->windowTitle().endsWith("  -  管理员"));

  // ---- The chart: accounts below the fixed top level.
  frame_->MenuAction(cmd::kAccountManagement)->trigger();
  ASSERT_NE(nullptr, qobject_cast<CCtrlWndSystem*>(frame_->Module()));
  ASSERT_NE(nullptr, qobject_cast<CCtrlWndSystem*>(frame_->Module())->Accounts());
  EXPECT_EQ("10201 工商银行 银行存款", AddSubAccount("102", "工商银行"));
  EXPECT_EQ("20201 招行信用卡 信用卡", AddSubAccount("202", "招行信用卡"));
  EXPECT_EQ("50401 存款利息 收入", AddSubAccount("504", "存款利息"));
  EXPECT_FALSE(CItemCache::Instance().IsLeaf("504"));

  // ---- Opening balances, dated the first of last month.
  OpenPage(32900);
  ASSERT_TRUE(testing::ClickNavigation(frame_, "初始财产录入"));
  ASSERT_EQ(32907, Entries()->CurrentPage());
  CListWnd* grid = Entries()->Grid();
  const std::pair<const char*, const char*> openings[] = {{"101", "2000"}, {"10201", "50000"}, {"20201", "1500"}};
  for (const auto& [account, amount] : openings) {
    const int row = InitialRowOf(grid->Model(), account);
    ASSERT_GE(row, 0) << account;
    testing::TypeIntoCell(grid, row, kInitialDate, QString::fromStdString(opening_day_));
    testing::TypeIntoCell(grid, row, InitialAmountColumn(account), amount);
  }
  frame_->ToolbarAction(cmd::kSave)->trigger();
  const std::vector<std::string> initial_titles = {"日期", "类别", "财产", "负债", "累计", "制单"};
  const std::vector<std::string> initial_rows = GridRows(Table(), initial_titles);
  auto initial_row = [&](const char* account) { return initial_rows.at(InitialRowOf(Table(), account)); };
  EXPECT_EQ(opening_day_ + "|现金|2000.00||2000.00|管理员", initial_row("101"));
  EXPECT_EQ(opening_day_ + "|银行存款\\工商银行|50000.00||52000.00|管理员", initial_row("10201"));
  EXPECT_EQ(opening_day_ + "|信用卡\\招行信用卡||1500.00|50500.00|管理员", initial_row("20201"));
  EXPECT_EQ(today_ + "|借入资金|||52000.00|", initial_row("201")) << "no amount, no voucher";
  EXPECT_TRUE(ParseEntryKey(Table().Key(InitialRowOf(Table(), "20201"))).HasVoucher());

  // ---- Bookings through the booking dialog, each on its page.
  const std::vector<std::string> income_titles = {"日期", "说明",     "收支类别", "资金类别", "收入",
                                                  "支出", "收支盈余", "制单",     "审核"};
  OpenPage(32900);
  ASSERT_TRUE(Book({.option = 0, .accounts = {"501", "10201"}, .amount1 = "8000", .description = "本月工资"}));

  OpenPage(32908);
  ASSERT_TRUE(Book({.option = 0, .accounts = {"601", "20201"}, .amount1 = "356.50", .description = "超市购物"}));
  const std::vector<std::string> card_titles = {"说明", "信用卡", "消费/资金", "借款", "还款", "利息", "累计欠款"};
  EXPECT_EQ((std::vector<std::string>{
                "  期初欠款||||||1500.00",
                "超市购物|招行信用卡|饮食|356.50|||1856.50",
                MonthTotal() + "|||356.50|0.00|0.00|1856.50",
                YearTotal() + "|||356.50|0.00|0.00|1856.50",
                std::string(kGrandTotal) + "|||356.50|0.00|0.00|1856.50",
            }),
            GridRows(Table(), card_titles));
  EXPECT_EQ(FreshRows(card_titles), GridRows(Table(), card_titles));
  // Stored as an expense, the purchase opens again as "购物" with its accounts.
  bool reopened = false;
  std::string shown;
  OnModal<CChargeUp>(
      [&](CChargeUp* dialog) {
        const Booking values = dialog->Values();
        shown = std::to_string(dialog->Kind()) + " " + values.account1 + " " + values.account2;
        dialog->reject();
      },
      &reopened);
  const int purchase = RowWhere(Table(), "说明", "超市购物");
  testing::ClickCell(Entries()->Grid(), purchase, 1);
  QTest::mouseDClick(Entries()->Grid()->Body(), Qt::LeftButton, {}, Entries()->Grid()->CellRect(purchase, 1).center());
  ASSERT_TRUE(QTest::qWaitFor([&] { return reopened; }, 5000));
  EXPECT_EQ("11 601 20201", shown);

  OpenPage(32901);
  ASSERT_TRUE(Book({.option = 0,
                    .accounts = {"101", "10201"},
                    .amount1 = "1000",
                    .deposit_type = "一年定期",
                    .description = "存入一年定期"}));
  // The interest account is the one the dialog preselects: its name holds "利息".
  ASSERT_TRUE(Book({.option = 1,
                    .accounts = {"10201", "101"},
                    .amount1 = "3000",
                    .amount2 = "45.60",
                    .description = "定期到期取款"}));
  const std::vector<std::string> deposit_titles = {"日期", "说明", "现金类别", "银行账户", "存款类型",
                                                   "存款", "取款", "存款利息", "制单",     "审核"};
  EXPECT_EQ((std::vector<std::string>{
                today_ + "|存入一年定期|现金|工商银行|一年定期|1000.00|||管理员|",
                today_ + "|定期到期取款|现金|工商银行|||3000.00|45.60|管理员|",
                "|" + MonthTotal() + "||||1000.00|3000.00|45.60||",
                "|" + YearTotal() + "||||1000.00|3000.00|45.60||",
                "|" + std::string(kGrandTotal) + "||||1000.00|3000.00|45.60||",
            }),
            GridRows(Table(), deposit_titles));
  EXPECT_EQ(FreshRows(deposit_titles), GridRows(Table(), deposit_titles));

  // ---- The income and expense page: the card purchase as an expense, the
  // withdrawal's interest as a generated income row, the property brought
  // forward from the opening balances, and the totals.
  OpenPage(32900);
  const std::vector<std::string> expected_income = {
      "|  期初财产|||||50500.00||",
      today_ + "|本月工资|工作收入|工商银行|8000.00||58500.00|管理员|",
      today_ + "|超市购物|饮食|招行信用卡||356.50|58143.50|管理员|",
      today_ + "|【存款利息】定期到期取款|存款利息|现金|45.60||58189.10|管理员|",
      "|" + MonthTotal() + "|||8045.60|356.50|58189.10||",
      "|" + YearTotal() + "|||8045.60|356.50|58189.10||",
      "|" + std::string(kGrandTotal) + "|||8045.60|356.50|58189.10||",
  };
  EXPECT_EQ(expected_income, GridRows(Table(), income_titles));
  const int generated = RowWhere(Table(), "说明", "【存款利息】定期到期取款");
  ASSERT_GE(generated, 0);
  EXPECT_EQ(EntryKey::kGenerated, ParseEntryKey(Table().Key(generated)).kind);
  ASSERT_TRUE(Table().Row(generated).background.has_value());
  EXPECT_EQ((Rgb{215, 230, 250}), *Table().Row(generated).background);

  // ---- A second user audits the administrator's income.
  frame_->MenuAction(cmd::kUserManagement)->trigger();
  bool added = false;
  OnModal<CUserInput>(testing::FillNewUser("李梅", "limei88"), &added);
  frame_->ToolbarAction(cmd::kAdd)->trigger();
  ASSERT_TRUE(added);
  const std::optional<UserRecord> li = FindUserByName("李梅");
  ASSERT_TRUE(li.has_value());
  ASSERT_TRUE(testing::LogInAgain(frame_, {.user = "李梅", .password = "limei88"}, li->person_no));

  OpenPage(32900);
  const int salary = RowWhere(Table(), "说明", "本月工资");
  ASSERT_GE(salary, 0);
  testing::ClickCell(Entries()->Grid(), salary, -1);
  EXPECT_EQ(std::vector<int>{salary}, Entries()->Grid()->CheckedRows());
  frame_->ToolbarAction(cmd::kAudit)->trigger();
  std::vector<std::string> audited = expected_income;
  audited[1] += "李梅";
  EXPECT_EQ(audited, GridRows(Table(), income_titles));
  EXPECT_EQ(FreshRows(income_titles), GridRows(Table(), income_titles));

  // ---- The same user finds the income by its description.
  bool searched = false;
  OnModal<CSelectChargeup>(testing::SearchText("工资"), &searched);
  frame_->ToolbarAction(cmd::kFind)->trigger();
  ASSERT_TRUE(searched);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Entries() && Entries()->CurrentPage() == kPageSearchResult; }, 5000));
  EXPECT_EQ(kPageSearchResult, frame_->CurrentPage());
  EXPECT_EQ("收入支出记账 - 查找结果", frame_->CaptionText());
  EXPECT_EQ("查找条件：记账说明中包含“工资”\n查找结果：找到1笔记账数据", Entries()->SearchHeaderLabel()->text());
  EXPECT_EQ((std::vector<std::string>{
                today_ + "|本月工资|工作收入|工商银行|8000.00||?|管理员|李梅",
                "|" + MonthTotal() + "|||8000.00|0.00|?||",
                "|" + YearTotal() + "|||8000.00|0.00|?||",
                "|" + std::string(kGrandTotal) + "|||8000.00|0.00|?||",
            }),
            GridRows(Table(), income_titles))
      << "the search results have no running column";

  frame_->close();
  EXPECT_EQ(0, app.ExitInstance(0));

  // ---- The ledger: three opening vouchers last month, four this month.
  ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
  EXPECT_EQ(std::vector<std::string>{}, testing::CheckLedger().found);
  const std::string li_no = std::to_string(li->person_no);
  EXPECT_EQ((std::vector<std::string>{
                "1 1 0 0 | 101 2000.00 D  | 502 2000.00 C ",
                "1 1 0 0 | 10201 50000.00 D  | 502 50000.00 C ",
                "1 1 0 0 | 20201 1500.00 C  | 502 1500.00 D ",
                "2 1 " + li_no + " 0 | 501 8000.00 C 本月工资 | 10201 8000.00 D 本月工资",
                "3 1 0 0 | 601 356.50 D 超市购物 | 20201 356.50 C 超市购物",
                "40 1 0 12 | 101 1000.00 C 存入一年定期 | 10201 1000.00 D 存入一年定期",
                "41 1 0 0 | 10201 3000.00 C 定期到期取款 | 101 3045.60 D 定期到期取款 | 50401 45.60 C "
                "定期到期取款(利息)",
            }),
            Ledger());
  Database::CloseDatabase();
}

}  // namespace
}  // namespace cw
