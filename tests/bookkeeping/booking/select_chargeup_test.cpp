// The search dialog offscreen: the refusal of an empty text before the
// ledger is read, the stay-open message, and the conditions handed back.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "bookkeeping/booking/booking_texts.h"
#include "bookkeeping/booking/ui/select_chargeup.h"
#include "booking_fixture.h"
#include "dialog_children.h"
#include "core/voucher_engine.h"
#include "store/database.h"

namespace cw {
namespace {

using namespace booking_texts;
using testing::BookingTest;
using testing::Child;

class SelectChargeupTest : public BookingTest {
 protected:
  static void Open(QDialog& dialog) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  }
  static void PressOk(QWidget& dialog) { Child<QPushButton>(dialog, "ok")->click(); }
};

TEST_F(SelectChargeupTest, EmptyTextIsRefusedBeforeTheLedgerIsRead) {
  CSelectChargeup dialog(32900);
  Open(dialog);
  EXPECT_EQ("记账数据查找", dialog.windowTitle());
  Child<QCheckBox>(dialog, "textOn")->setChecked(true);
  Database::CloseDatabase();  // any statement now would report a failure
  PressOk(dialog);
  Database::OpenDatabase(Database::kUserData);
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_EQ(kSearchTextMissing, prompter_.shown[0].text);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(Child<QLineEdit>(dialog, "text"), dialog.focusWidget());
}

TEST_F(SelectChargeupTest, NothingFoundKeepsTheDialogOpen) {
  ASSERT_NE(0, WriteVoucher(Make("2024-05-10", 3, "601", "101", 10, "午饭 50%")));
  CSelectChargeup dialog(32900);
  Open(dialog);
  Child<QCheckBox>(dialog, "textOn")->setChecked(true);
  Child<QLineEdit>(dialog, "text")->setText("晚饭");
  PressOk(dialog);
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_EQ(kNothingFound, prompter_.shown[0].text);
  EXPECT_TRUE(dialog.isVisible());

  Child<QLineEdit>(dialog, "text")->setText("50%");
  Child<QCheckBox>(dialog, "amountOn")->setChecked(true);
  Child<QComboBox>(dialog, "comparison")->setCurrentIndex(3);
  Child<QLineEdit>(dialog, "amount1")->setText("5");
  Child<QLineEdit>(dialog, "amount2")->setText("20");
  PressOk(dialog);
  EXPECT_EQ(QDialog::Accepted, dialog.result());
  EXPECT_EQ(1u, dialog.Found().size());
  const SearchConditions c = dialog.Conditions();
  EXPECT_EQ(32900, c.page);
  EXPECT_TRUE(c.text_on);
  EXPECT_EQ("50%", c.text);
  EXPECT_FALSE(c.dates_on);
  EXPECT_TRUE(c.amount_on);
  EXPECT_EQ(AmountComparison::kBetween, c.comparison);
  EXPECT_EQ(5, c.amount1);
  EXPECT_EQ(20, c.amount2);
}

TEST_F(SelectChargeupTest, SecondAmountOnlyForBetween) {
  CSelectChargeup dialog(32900);
  Open(dialog);
  Child<QCheckBox>(dialog, "amountOn")->setChecked(true);
  auto* amount2 = Child<QLineEdit>(dialog, "amount2");
  const QLabel* first_caption = nullptr;
  for (QLabel* label : dialog.findChildren<QLabel*>())
    if (label->text() == "金额等于") first_caption = label;
  ASSERT_NE(nullptr, first_caption);
  struct Case {
    int comparison;
    const char* caption;
    bool second_amount;
  } cases[] = {{1, "金额大于", false}, {2, "金额小于", false}, {3, "金额介于", true}, {0, "金额等于", false}};
  for (const Case& c : cases) {
    Child<QComboBox>(dialog, "comparison")->setCurrentIndex(c.comparison);
    EXPECT_EQ(c.caption, first_caption->text());
    EXPECT_EQ(c.second_amount, amount2->isVisible());
  }
}

}  // namespace
}  // namespace cw
