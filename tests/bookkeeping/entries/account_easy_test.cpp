// The daily entry window offscreen: it shows a page, follows bookings made in
// its dialogs (dialogs answered by the test), widens its months for a voucher
// outside them, edits and saves the initial-assets page, and hands searches
// to the frame.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

#include "bookkeeping/entries/entry_keys.h"
#include "bookkeeping/entries/entry_table.h"
#include "bookkeeping/entries/entry_texts.h"
#include "bookkeeping/entries/initial_assets.h"
#include "bookkeeping/entries/ui/ctrl_wnd_account_easy.h"
#include "calendar/calendar.h"
#include "controls/column_layout.h"
#include "controls/list_wnd.h"
#include "core/settings.h"
#include "core/voucher_engine.h"
#include "entries_fixture.h"
#include "frame/logon_profile.h"
#include "frame/navigation_bar.h"

namespace cw {
namespace {

using testing::EntriesTest;

class AccountEasyTest : public EntriesTest {
 protected:
  void SetUp() override {
    EntriesTest::SetUp();
    CCtrlWndAccountEasy::ResetSessionForTesting();
    profile_.person_no = 1;
    profile_.name = "管理员";
    profile_.level = 0;
    const Ymd today = DateOfSerialDay(Today());
    this_month_ = IsoDate(SerialDay(today.year, today.month, 1));
    last_month_ = IsoDate(SerialDay(today.year, today.month - 1, 1));
  }

  // The module with dialogs that answer as the test says.
  std::unique_ptr<CCtrlWndAccountEasy> Module() {
    EntryDialogs dialogs;
    dialogs.book_new = [this](QWidget*, int, const EntryDialogs::Saver& save) {
      for (const Booking& b : to_book_) written_.push_back(save(b));
    };
    dialogs.change = [this](QWidget*, int, int number) { return ReplaceVoucher(number, changed_to_); };
    dialogs.search = [this](QWidget*, int) { return search_; };
    dialogs.month_range = [this](QWidget*, const VoucherRange&) { return range_answer_; };
    dialogs.initial_income = [](QWidget*) { return std::string("504"); };
    auto module = std::make_unique<CCtrlWndAccountEasy>(profile_, nullptr, std::move(dialogs));
    module->resize(900, 600);
    module->show();
    return module;
  }
  static void Settle() { QApplication::processEvents(); }
  static GridModel& Table(CCtrlWndAccountEasy& m) { return m.Grid()->Model(); }

  LogonProfile profile_;
  std::string this_month_, last_month_;
  std::vector<Booking> to_book_;
  std::vector<int> written_;
  Booking changed_to_;
  std::optional<SearchConditions> search_;
  std::optional<VoucherRange> range_answer_;
};

TEST_F(AccountEasyTest, ShowsAPageWithItsCaptionNavigationAndCommands) {
  const int number = Book(this_month_, 2, "501", "101", 500, "工资");
  auto module = Module();
  ASSERT_TRUE(module->ShowPage(32900, false, nullptr));
  Settle();
  EXPECT_GE(Table(*module).FindKey(VoucherRowKey(number)), 0);
  EXPECT_NE(std::string::npos, module->CaptionText().find("收入支出记账<br>日期范围："));
  EXPECT_NE(std::string::npos, module->CaptionText().find(">(更改)</a>"));
  ASSERT_NE(nullptr, module->ScopeChoices());
  EXPECT_TRUE(module->ScopeChoices()->button(1)->isChecked());
  EXPECT_TRUE(module->CommandAvailable(701));
  for (int greyed : {771, 777, 745, 769}) EXPECT_FALSE(module->CommandAvailable(greyed)) << greyed;

  ASSERT_TRUE(module->ShowPage(32907, false, nullptr));
  Settle();
  EXPECT_EQ(nullptr, module->ScopeChoices()) << "no date scope on the initial-assets page";
  EXPECT_EQ(std::string::npos, module->CaptionText().find("(更改)"));
  EXPECT_FALSE(module->CommandAvailable(701));
  EXPECT_TRUE(module->CommandAvailable(704));
  bool noted = false;
  for (QLabel* label : module->Navigation()->findChildren<QLabel*>())
    noted = noted || label->text() == entry_texts::kInitialHelp;
  EXPECT_TRUE(noted);
}

TEST_F(AccountEasyTest, ABookingIsShownInPlaceOrWidensTheMonths) {
  Book(this_month_, 3, "601", "101", 10, "早饭");
  auto module = Module();
  module->ShowPage(32900, false, nullptr);
  Settle();

  to_book_ = {Make(this_month_, 3, "601", "101", 20, "插在前面")};
  module->OnCommand(701);
  ASSERT_EQ(1u, written_.size());
  EXPECT_EQ(DateScope::kCurrentMonth, module->Scope());
  const int row = Table(*module).FindKey(VoucherRowKey(written_[0]));
  ASSERT_GE(row, 0);
  EXPECT_EQ("插在前面", Table(*module).Cell(row, 1));
  EXPECT_EQ(row, module->Grid()->SelectedRow());

  to_book_ = {Make(last_month_, 3, "601", "101", 30, "上个月")};
  module->OnCommand(701);
  Settle();
  EXPECT_EQ(DateScope::kLastThreeMonths, module->Scope());
  EXPECT_GE(Table(*module).FindKey(VoucherRowKey(written_[1])), 0);
  EXPECT_TRUE(module->ScopeChoices()->button(2)->isChecked());

  // Changing a voucher's day moves it; the table follows the new number.
  module->Grid()->SelectRow(Table(*module).FindKey(VoucherRowKey(written_[1])));
  changed_to_ = Make(this_month_, 3, "601", "101", 31, "改到本月");
  module->OnCommand(702);
  EntryTable fresh(32900, module->Range());
  const std::vector<std::string> all = {"日期", "说明",     "收支类别", "资金类别", "收入",
                                        "支出", "收支盈余", "制单",     "审核"};
  EXPECT_EQ(Rows(fresh.Build(), all), Rows(Table(*module), all));
}

TEST_F(AccountEasyTest, DateScopesAndTheCustomRange) {
  auto module = Module();
  module->ShowPage(32900, false, nullptr);
  Settle();
  module->ChooseScope(3);
  EXPECT_EQ(DateScope::kCurrentYear, module->Scope());

  range_answer_ = std::nullopt;  // cancelled: the previous choice stays
  module->ChooseScope(4);
  EXPECT_EQ(DateScope::kCurrentYear, module->Scope());
  EXPECT_TRUE(module->ScopeChoices()->button(3)->isChecked());

  range_answer_ = MonthsRange({2020, 1}, {2020, 3});
  module->OnCommand(CCtrlWndAccountEasy::kChangeRange);
  EXPECT_EQ(DateScope::kCustom, module->Scope());
  EXPECT_EQ(*range_answer_, module->Range());
  EXPECT_NE(std::string::npos, module->CaptionText().find("2020年1月 - 2020年3月"));
}

TEST_F(AccountEasyTest, AuditsTickedRowsAndDeletesWithTheQuestion) {
  const int other = AddUser("李四");
  const int theirs = BookAs(other, this_month_, 3, "601", "101", 5);
  const int mine = Book(this_month_, 3, "601", "101", 6);
  auto module = Module();
  module->ShowPage(32900, false, nullptr);
  GridModel& table = Table(*module);
  table.SetChecked(table.FindKey(VoucherRowKey(theirs)), true);
  table.SetChecked(table.FindKey(VoucherRowKey(mine)), true);
  module->OnCommand(710);
  EXPECT_EQ(1, ReadVoucher(theirs)->checker_no);
  EXPECT_EQ("管理员", table.Cell(table.FindKey(VoucherRowKey(theirs)), table.ColumnCount() - 1));
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_EQ(entry_texts::kAuditByOthers, prompter_.shown[0].text);

  prompter_.answers.push_back(true);
  module->Grid()->SelectRow(table.FindKey(VoucherRowKey(mine)));
  module->OnCommand(CCtrlWndAccountEasy::kDeleteSelected);
  EXPECT_FALSE(ReadVoucher(mine).has_value());
  EXPECT_LT(Table(*module).FindKey(VoucherRowKey(mine)), 0);
}

TEST_F(AccountEasyTest, InitialAssetsAreEditedInTheGridAndSaved) {
  auto module = Module();
  module->ShowPage(32907, false, nullptr);
  CListWnd* grid = module->Grid();
  const int row = InitialRowOf(grid->Model(), "102");
  ASSERT_TRUE(grid->Callbacks().cell_colour);
  EXPECT_EQ(kTotalRowBackground, grid->Callbacks().cell_colour(row, kInitialAssets));
  EXPECT_FALSE(grid->Callbacks().cell_colour(row, kInitialLiabilities).has_value());
  EXPECT_TRUE(module->HandlesCommand(709) && module->CommandAvailable(709)) << "the context menu's 查找...";

  ASSERT_TRUE(grid->OpenEditor(row, kInitialAssets));
  grid->Editor()->setText("-3");
  EXPECT_FALSE(grid->CommitEdit()) << "refused";
  grid->Editor()->setText("1200");
  ASSERT_TRUE(grid->CommitEdit());
  EXPECT_EQ("1200.00", grid->Model().Cell(row, kInitialAssets));
  EXPECT_EQ("1200.00", grid->Model().Cell(row, kInitialAccumulated));

  module->OnCommand(704);
  const int number = ParseEntryKey(grid->Model().Key(row)).voucher;
  ASSERT_GT(number, 0);
  EXPECT_EQ(1200, ReadVoucher(number)->amount1);
  EXPECT_EQ("502", ReadVoucher(number)->account2);
}

TEST_F(AccountEasyTest, ASearchGoesThroughTheFrameAndShowsItsConditions) {
  Book(this_month_, 3, "601", "101", 10, "找我");
  auto module = Module();
  module->ShowPage(32900, false, nullptr);
  SearchConditions conditions;
  conditions.page = 32900;
  conditions.text_on = true;
  conditions.text = "找";
  search_ = conditions;
  QSignalSpy requested(module.get(), &CControlWnd::CommandRequested);
  module->OnCommand(709);
  ASSERT_EQ(1, requested.count());
  EXPECT_EQ(32999, requested.at(0).at(0).toInt());

  module->ShowPage(32999, true, nullptr);
  Settle();
  EXPECT_EQ("收入支出记账 - 查找结果", module->PageTitle());
  EXPECT_TRUE(module->SearchHeaderLabel()->isVisibleTo(module.get()));
  EXPECT_NE(-1, module->SearchHeaderLabel()->text().indexOf("查找结果：找到1笔记账数据"));
  EXPECT_FALSE(module->CommandAvailable(701));
  EXPECT_EQ(nullptr, module->ScopeChoices());

  // The results keep their column widths per searched page.
  Table(*module).SetColumnWidth(1, 222);
  module->ShowPage(32900, false, nullptr);
  EXPECT_EQ("User1/T999_900", SearchLayoutKey(32900, 1));
  EXPECT_EQ(222, settings::GetNumber("User1/T999_900", "Col1"));
  EXPECT_FALSE(settings::HasNumber("User1/T999", "Col1"));
}

}  // namespace
}  // namespace cw
