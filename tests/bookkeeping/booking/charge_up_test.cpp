// The booking dialog offscreen: kinds, captions, pickers, growing and
// shrinking, saving through its buttons, the checks through the prompter, and
// the edit and view modes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "booking_fixture.h"
#include "bookkeeping/accounts/ui/set_item.h"
#include "bookkeeping/booking/booking_texts.h"
#include "bookkeeping/booking/remembered_kind.h"
#include "bookkeeping/booking/ui/charge_up.h"
#include "bookkeeping/booking/ui/form_inputs.h"
#include "bookkeeping/booking/ui/select_item_wnd.h"
#include "calendar/calendar.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "core/session.h"
#include "core/voucher_engine.h"
#include "dialog_children.h"
#include "store/database.h"
#include "support/modal_driver.h"

namespace cw {
namespace {

using namespace booking_texts;
using testing::BookingTest;
using testing::Child;

class ChargeUpTest : public BookingTest {
 protected:
  static CSelectItemWnd* Picker(QWidget& d, int i) { return Child<CSelectItemWnd>(d, QString("picker%1").arg(i)); }
  static QLineEdit* Amount(QWidget& d, int i) { return Child<QLineEdit>(d, QString("amount%1").arg(i)); }
  static QPushButton* Button(QWidget& d, const char* name) { return Child<QPushButton>(d, name); }
  static void ChooseOption(QWidget& d, int offset) { Child<QRadioButton>(d, QString("kind%1").arg(offset))->click(); }
  static QString LabelOf(QWidget& d, QWidget* field) {
    for (QLabel* label : d.findChildren<QLabel*>())
      if (label->buddy() == field) return label->text();
    return "(no label)";
  }
  static void Open(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  }
  // Fills the form as a user would.
  static void Fill(QWidget& d, const std::string& a1, const std::string& a2, const QString& amount,
                   const QString& description, const std::string& a3 = "", const QString& amount2 = "") {
    EXPECT_TRUE(Picker(d, 0)->SelectCode(QString::fromStdString(a1))) << a1;
    EXPECT_TRUE(Picker(d, 1)->SelectCode(QString::fromStdString(a2))) << a2;
    if (!a3.empty()) {
      EXPECT_TRUE(Picker(d, 2)->SelectCode(QString::fromStdString(a3))) << a3;
    }
    Amount(d, 1)->setText(amount);
    Amount(d, 2)->setText(amount2);
    Child<QLineEdit>(d, "description")->setText(description);
  }
  static void SetDate(QWidget& d, const std::string& iso) { SetSerialDay(Child<QDateEdit>(d, "date"), Day(iso)); }
};

TEST_F(ChargeUpTest, DepositPageOptionsCaptionsAndHiddenRows) {
  RememberKindOffset(LoggedInPerson(), 32901, 0);
  CChargeUp dialog(32901);
  Open(dialog);
  EXPECT_EQ("记账", dialog.windowTitle());
  EXPECT_EQ("存款", Child<QRadioButton>(dialog, "kind0")->text());
  EXPECT_EQ("取款", Child<QRadioButton>(dialog, "kind1")->text());
  EXPECT_EQ(nullptr, dialog.findChild<QRadioButton*>("kind2"));
  EXPECT_EQ(Today(), SerialDayOf(Child<QDateEdit>(dialog, "date")));

  struct Shown {
    int offset;
    int kind;
    bool third_line;
    bool deposit_list;
  } shown[] = {{0, 40, false, true}, {1, 41, true, false}, {0, 40, false, true}};
  int deposit_height = 0;
  for (const Shown& s : shown) {
    SCOPED_TRACE(s.kind);
    ChooseOption(dialog, s.offset);
    EXPECT_EQ(s.kind, dialog.Kind());
    EXPECT_EQ(s.third_line, Picker(dialog, 2)->isVisible());
    EXPECT_EQ(s.third_line, Amount(dialog, 2)->isVisible());
    EXPECT_EQ(s.deposit_list, Child<QComboBox>(dialog, "depositType")->isVisible());
    for (int i = 0; i < kPickerCount; ++i) {
      EXPECT_EQ(QString::fromStdString(FieldCaption(s.kind, kFieldAccount1 + i)), LabelOf(dialog, Picker(dialog, i)));
    }
    EXPECT_EQ(QString::fromStdString(FieldCaption(s.kind, kFieldAmount1)), LabelOf(dialog, Amount(dialog, 1)));
    if (s.kind == 40) {
      if (deposit_height == 0) deposit_height = dialog.height();
      EXPECT_EQ(deposit_height, dialog.height()) << "shrinks back";
    } else {
      // Picker 3 and amount 2 replace the deposit list: one row more.
      EXPECT_GT(dialog.height(), deposit_height);
      EXPECT_EQ("50401", Picker(dialog, 2)->Code().toStdString()) << "the interest account is preselected";
    }
  }
}

TEST_F(ChargeUpTest, ThreeLineKindsGrowTheDialogByTwoRows) {
  // Kinds of the card page: purchase (2 lines), cash drawn (2), repayment (3).
  CChargeUp dialog(32908);
  Open(dialog);
  ChooseOption(dialog, 0);
  const int two_lines = dialog.height();
  ChooseOption(dialog, 2);
  const int three_lines = dialog.height();
  EXPECT_GT(three_lines, two_lines);
  EXPECT_EQ("50399", Picker(dialog, 2)->Code().toStdString());
  EXPECT_EQ("利    息：", LabelOf(dialog, Picker(dialog, 2)));
  ChooseOption(dialog, 1);
  EXPECT_EQ(two_lines, dialog.height());
  EXPECT_FALSE(Picker(dialog, 2)->isVisible());
}

TEST_F(ChargeUpTest, SaveAndExitWritesTheBookingAndRemembersTheKind) {
  RememberKindOffset(LoggedInPerson(), 32900, 0);
  CChargeUp dialog(32900);
  Open(dialog);
  EXPECT_EQ("保存退出(&O)", Button(dialog, "ok")->text());
  ChooseOption(dialog, 1);  // 支出
  SetDate(dialog, "2024-05-10");
  Fill(dialog, "602", "10201", "123.45", "电费");
  Button(dialog, "ok")->click();

  EXPECT_EQ(QDialog::Accepted, dialog.result());
  ASSERT_EQ(1u, dialog.Written().size());
  const std::optional<Booking> stored = ReadVoucher(dialog.Written()[0]);
  ASSERT_TRUE(stored);
  EXPECT_EQ(202405001, dialog.Written()[0]);
  EXPECT_EQ(3, stored->kind);
  EXPECT_EQ("602", stored->account1);
  EXPECT_EQ("10201", stored->account2);
  EXPECT_DOUBLE_EQ(123.45, stored->amount1);
  EXPECT_EQ("电费", stored->description);
  EXPECT_EQ(1, RememberedKindOffset(LoggedInPerson(), 32900));

  CChargeUp next(32900);
  EXPECT_EQ(3, next.Kind()) << "the next dialog opens with the remembered kind";
}

TEST_F(ChargeUpTest, SaveAndAddKeepsTheDialogOpenForTheNextEntry) {
  CChargeUp dialog(32901);
  Open(dialog);
  ChooseOption(dialog, 0);
  SetDate(dialog, "2024-05-10");
  Fill(dialog, "101", "10202", "800", "定期");
  Child<QComboBox>(dialog, "depositType")->setCurrentIndex(3);  // 一年定期
  Button(dialog, "saveAdd")->click();

  EXPECT_TRUE(dialog.isVisible());
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_EQ(kAddedContinue, prompter_.shown[0].text);
  EXPECT_EQ("", Amount(dialog, 1)->text());
  EXPECT_EQ(Child<QLineEdit>(dialog, "description"), dialog.focusWidget());
  EXPECT_EQ("10202", Picker(dialog, 1)->Code().toStdString()) << "accounts stay";
  EXPECT_EQ(12, ReadVoucher(dialog.Written()[0])->deposit_code);

  Amount(dialog, 1)->setText("50");
  Button(dialog, "saveAdd")->click();
  EXPECT_EQ(2u, dialog.Written().size());
  Button(dialog, "cancel")->click();
  EXPECT_EQ(QDialog::Rejected, dialog.result());
}

TEST_F(ChargeUpTest, ChecksShowTheirMessageAndFocusTheInput) {
  struct Case {
    const char* name;
    int page;
    int offset;
    const char* amount;
    const char* amount2;
    bool same_accounts;
    const char* message;
    const char* focus;
  } cases[] = {
      {"no amount", 32900, 1, "", "", false, kNeedAmount, "amount1"},
      {"no proceeds", 32906, 1, "100", "", false, kNeedAmount, "amount2"},
      {"too large", 32900, 1, "1000000000000.01", "", false, kAmountTooLarge, "amount1"},
      {"interest too large", 32901, 1, "5", "1000000000001", false, kAmountTooLarge, "amount2"},
      {"same accounts", 32902, 0, "5", "", true, kSameAccounts, "picker1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    prompter_.shown.clear();
    CChargeUp dialog(c.page);
    Open(dialog);
    ChooseOption(dialog, c.offset);
    Amount(dialog, 1)->setText(c.amount);
    Amount(dialog, 2)->setText(c.amount2);
    if (c.same_accounts) Picker(dialog, 1)->SelectCode(Picker(dialog, 0)->Code());
    Button(dialog, "ok")->click();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(1u, prompter_.shown.size());
    EXPECT_EQ(c.message, prompter_.shown[0].text);
    EXPECT_EQ(kInputErrorCaption, prompter_.shown[0].caption);
    EXPECT_EQ(c.focus, dialog.focusWidget()->objectName().toStdString());
    EXPECT_TRUE(dialog.Written().empty());
  }
}

TEST_F(ChargeUpTest, NoAccountOfTheKindIsRefused) {
  Database::Execute("DELETE FROM Item WHERE Item_No = '104'");  // the only lent-funds account
  CItemCache::Instance().MarkDirty();
  CChargeUp dialog(32904);
  Open(dialog);
  ChooseOption(dialog, 0);
  Amount(dialog, 1)->setText("5");
  Button(dialog, "saveAdd")->click();
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_EQ(kNoAccount, prompter_.shown[0].text);
  EXPECT_EQ("picker0", dialog.focusWidget()->objectName().toStdString());
}

TEST_F(ChargeUpTest, PurchaseReopensAsPurchaseAndIsChangedInPlace) {
  SetLoggedInPerson(1);
  const int number = WriteVoucher(Make("2024-05-10", 11, "601", "20201", 60, "超市"));
  CChargeUp dialog(CChargeUp::Mode::kEdit, 32908, number);
  Open(dialog);
  EXPECT_EQ(11, dialog.Kind());
  EXPECT_TRUE(Child<QRadioButton>(dialog, "kind0")->isChecked());
  EXPECT_EQ("购物", Child<QRadioButton>(dialog, "kind0")->text());
  EXPECT_FALSE(Button(dialog, "saveAdd")->isVisible());
  EXPECT_EQ("确定(&O)", Button(dialog, "ok")->text());
  EXPECT_TRUE(Button(dialog, "ok")->isEnabled());
  EXPECT_EQ("60.00", Amount(dialog, 1)->text());
  EXPECT_EQ("超市", Child<QLineEdit>(dialog, "description")->text());

  Amount(dialog, 1)->setText("65.5");
  Button(dialog, "ok")->click();
  EXPECT_EQ(QDialog::Accepted, dialog.result());
  const std::optional<Booking> changed = ReadVoucher(number);
  EXPECT_EQ(3, changed->kind);
  EXPECT_DOUBLE_EQ(65.5, changed->amount1);
}

TEST_F(ChargeUpTest, OnlyTheAuthorOfAnUnauditedVoucherMayChangeIt) {
  const int number = WriteVoucher(Make("2024-05-10", 2, "501", "101", 10, "工资"));
  struct Case {
    int user;
    bool audited;
    bool ok_enabled;
  } cases[] = {{1, false, true}, {2, false, false}, {1, true, false}};
  for (const Case& c : cases) {
    SetLoggedInPerson(2);
    ASSERT_TRUE(SetAudit(number, c.audited));
    SetLoggedInPerson(c.user);
    CChargeUp dialog(CChargeUp::Mode::kEdit, 32900, number);
    EXPECT_EQ(c.ok_enabled, Button(dialog, "ok")->isEnabled()) << c.user << " " << c.audited;
  }
}

TEST_F(ChargeUpTest, ViewOnlyHasOneExitButton) {
  const int number = WriteVoucher(Make("2024-05-10", 41, "10201", "101", 5000, "到期", "50401", 25));
  CChargeUp dialog(CChargeUp::Mode::kView, 32900, number);  // opened from a generated line's page
  Open(dialog);
  EXPECT_EQ(41, dialog.Kind()) << "a kind of another page takes its own page's options";
  EXPECT_EQ("取款", Child<QRadioButton>(dialog, "kind1")->text());
  EXPECT_EQ("25.00", Amount(dialog, 2)->text());
  EXPECT_FALSE(Button(dialog, "ok")->isVisible());
  EXPECT_FALSE(Button(dialog, "saveAdd")->isVisible());
  EXPECT_EQ("退出(&Q)", Button(dialog, "cancel")->text());
}

TEST_F(ChargeUpTest, SetButtonOpensAccountManagement) {
  CChargeUp dialog(32908);
  Open(dialog);
  ChooseOption(dialog, 0);
  CSelectItemWnd* card = Picker(dialog, 1);
  ASSERT_TRUE(card->SelectCode("20201"));
  card->ShowList();
  ASSERT_TRUE(card->ListWindow()->SetButton()->isVisible());
  bool done = false;
  SelectMode mode = SelectMode::kChoose;
  testing::OnModal<CSetItem>(
      [&mode](CSetItem* set) {
        mode = set->Mode();
        set->reject();
      },
      &done);
  card->ListWindow()->SetButton()->click();
  EXPECT_TRUE(done);
  EXPECT_EQ(SelectMode::kManage, mode);
  EXPECT_FALSE(card->IsListShown());
  EXPECT_EQ("20201", card->Code().toStdString()) << "an unchanged chart leaves the pickers alone";
}

TEST_F(ChargeUpTest, BookNewReturnsTheNumbersWritten) {
  bool done = false;
  testing::OnModal<CChargeUp>(
      [](CChargeUp* d) {
        ChooseOption(*d, 0);
        SetDate(*d, "2024-06-02");
        Fill(*d, "501", "101", "300", "奖金");
        Button(*d, "saveAdd")->click();
        SetDate(*d, "2024-06-01");
        Amount(*d, 1)->setText("200");
        Button(*d, "ok")->click();
      },
      &done);
  const std::vector<int> written = CChargeUp::BookNew(nullptr, 32900);
  EXPECT_TRUE(done);
  EXPECT_EQ((std::vector<int>{202406001, 202406001}), written) << "the second, dated earlier, took the first place";
  EXPECT_EQ(0, CChargeUp::EditVoucher(nullptr, 32900, 202407001)) << "no such voucher: nothing opens";
}

}  // namespace
}  // namespace cw
