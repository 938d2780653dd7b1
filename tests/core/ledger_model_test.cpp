#include "core/ledger_model.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace cw {
namespace {

const std::vector<int> kAssignedKinds = {1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 40, 41, 42, 43};
const std::vector<int> kEntryPages = {32900, 32901, 32902, 32903, 32904,
                                      32905, 32906, 32907, 32908};

// ---- Entry kinds --------------------------------------------------------------

TEST(EntryKinds, ThreeLineKindsAreInvestmentSaleRepaymentAndWithdrawal) {
  for (int kind : kAssignedKinds) {
    bool three = kind == 10 || kind == 13 || kind == 41;
    EXPECT_EQ(LineCount(kind), three ? 3 : 2) << "kind " << kind;
  }
  EXPECT_EQ(LineCount(4), 2);
}

TEST(EntryKinds, UnassignedCodesHaveNoNameAndNoPage) {
  for (int kind : {0, 4, 14, 39, 44, -1}) {
    EXPECT_EQ(KindName(kind), "") << kind;
    EXPECT_EQ(PageOfKind(kind).page, 0) << kind;
  }
  EXPECT_EQ(KindName(1), "初始财产、负债");
  EXPECT_EQ(KindName(10), "收回投资");
}

TEST(EntryKinds, EveryKindSitsOnExactlyOnePageAtItsOffset) {
  for (int kind : kAssignedKinds) {
    PageKind where = PageOfKind(kind);
    std::vector<int> kinds = PageKinds(where.page);
    ASSERT_LT(where.offset, static_cast<int>(kinds.size())) << "kind " << kind;
    EXPECT_EQ(kinds[where.offset], kind);
  }
  EXPECT_EQ(PageKinds(32908), (std::vector<int>{11, 12, 13}));
  EXPECT_EQ(PageOfKind(3).page, 32900);
  EXPECT_EQ(PageOfKind(3).offset, 1);
  EXPECT_EQ(PageOfKind(13).offset, 2);
  EXPECT_TRUE(PageKinds(32930).empty());
}

TEST(EntryKinds, EachEntryPageStartsWithItsBaseKind) {
  const int base_kinds[] = {2, 40, 42, 43, 5, 7, 9, 1, 11};  // pages 32900 to 32908
  for (int i = 0; i < 9; ++i) {
    int page = 32900 + i;
    EXPECT_EQ(PageBaseKind(page), base_kinds[i]) << page;
    EXPECT_EQ(PageOfKind(base_kinds[i]).page, page);
    EXPECT_EQ(PageOfKind(base_kinds[i]).offset, 0);
  }
  EXPECT_EQ(PageBaseKind(32999), 0);
}

TEST(EntryKinds, CardPurchaseIsStoredAsExpenseAndReopensAsPurchase) {
  int stored = KindStored(11);
  EXPECT_EQ(stored, 3);
  int shown = KindShownOnPage(stored, 32908);
  EXPECT_EQ(shown, 11);
  EXPECT_EQ(KindName(shown), "购物");
  EXPECT_EQ(PageOfKind(shown).page, 32908);
  EXPECT_EQ(PageOfKind(shown).offset, 0);
  // Elsewhere an expense stays an expense, and other kinds are stored as chosen.
  EXPECT_EQ(KindShownOnPage(3, 32900), 3);
  EXPECT_EQ(KindShownOnPage(3, 32999), 3);
  EXPECT_EQ(KindShownOnPage(12, 32908), 12);
  EXPECT_EQ(KindStored(12), 12);
}

// ---- Kind filter ----------------------------------------------------------------

TEST(KindFilter, ListsThePagesStoredKinds) {
  struct Case {
    int page;
    bool with_initial;
    bool plans_only;
    const char* condition;
  };
  const Case cases[] = {
      {32902, false, false, "Input_Type=42"},
      {32904, false, true, "Input_Type=5 OR Input_Type=6"},
      // Voucher lists widen the two pages that show other kinds' extra lines.
      {32900, false, false,
       "Input_Type=2 OR Input_Type=3 OR Input_Type=10 OR Input_Type=41 OR Input_Type=13"},
      {32900, false, true, "Input_Type=2 OR Input_Type=3"},
      // A purchase is never stored as 11: the voucher list finds it as kind 3.
      {32908, false, false, "Input_Type=12 OR Input_Type=13 OR Input_Type=3"},
      {32908, false, true, "Input_Type=12 OR Input_Type=13"},
      {32901, true, false, "Input_Type=1 OR (Input_Type=40 OR Input_Type=41)"},
      {32900, true, true, "Input_Type=1 OR (Input_Type=2 OR Input_Type=3)"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(KindFilter(c.page, c.with_initial, c.plans_only), c.condition)
        << c.page << " initial " << c.with_initial << " plans " << c.plans_only;
}

TEST(KindFilter, IsEmptyForPagesWithoutEntries) {
  for (int page : {32999, 32930, 32950, 0})
    for (bool with_initial : {false, true})
      EXPECT_EQ(KindFilter(page, with_initial, false), "") << page;
}

// ---- Debit rule -------------------------------------------------------------------

TEST(DebitRule, DistinguishesTheAccountsOfOneKind) {
  struct Case {
    int kind;
    int type;
    bool debit;
  };
  const Case cases[] = {
      {40, kTypeCash, false},       {40, kTypeBank, true},  // a deposit debits the bank
      {41, kTypeIncome, false},                             // withdrawal interest is income
      {12, kTypeCreditCard, false},                         // cash drawn raises card debt
      {12, kTypeBorrowed, true},    {12, kTypeIncome, false}, {13, kTypeCreditCard, true},
      {13, kTypeExpense, true},     {6, kTypeLent, false},    {7, kTypeBorrowed, false},
      {10, kTypeInvestment, false}, {1, kTypeLent, true},     {1, kTypeCreditCard, false},
      {11, kTypeExpense, false},  // the dialog-only kind must be stored as 3 first
      {4, kTypeCash, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsDebitFor(c.kind, c.type, 0), c.debit) << "kind " << c.kind << " type " << c.type;
}

TEST(DebitRule, CashAndBankTransfersFollowTheLineNotTheType) {
  for (int kind : {42, 43})
    for (int type = 0; type <= 8; ++type) {
      EXPECT_TRUE(IsDebitFor(kind, type, 0)) << kind << "/" << type;
      EXPECT_FALSE(IsDebitFor(kind, type, 1)) << kind << "/" << type;
    }
  EXPECT_FALSE(IsDebitFor(43, kTypeBank, 2));
  // Other kinds ignore the flag.
  EXPECT_TRUE(IsDebitFor(40, kTypeBank, 1));
  EXPECT_FALSE(IsDebitFor(2, kTypeIncome, 0));
}

// The side of each line that the rule gives with the accounts each kind books
// on; line 1 of every kind is the opposite of line 0.
TEST(DebitRule, GivesEachKindItsLineSides) {
  struct Case {
    int kind;
    int line0_type;
    bool line0_debit;
  };
  const Case cases[] = {
      {1, kTypeBank, true},         {1, kTypeBorrowed, false},    {2, kTypeIncome, false},
      {3, kTypeExpense, true},      {5, kTypeLent, true},         {6, kTypeCash, true},
      {7, kTypeBank, true},         {8, kTypeBorrowed, true},     {9, kTypeInvestment, true},
      {10, kTypeInvestment, false}, {12, kTypeCreditCard, false}, {13, kTypeCreditCard, true},
      {40, kTypeCash, false},       {41, kTypeBank, false},       {42, kTypeCash, true},
      {43, kTypeBank, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsDebitFor(KindStored(c.kind), c.line0_type, 0), c.line0_debit) << "kind " << c.kind;
  EXPECT_TRUE(IsDebitFor(KindStored(11), kTypeExpense, 0));
  // Line 2: repayment interest is an expense (debit), withdrawal interest an
  // income (credit).
  EXPECT_TRUE(IsDebitFor(13, kTypeExpense, 2));
  EXPECT_FALSE(IsDebitFor(41, kTypeIncome, 2));
}

// ---- Account types and pages ---------------------------------------------------------

TEST(AccountTypes, NamesConvertOnlyAsWholeNames) {
  EXPECT_EQ(TypeCode("信用卡"), 8);
  EXPECT_EQ(TypeCode("信用"), 0);
  EXPECT_EQ(TypeCode("信用卡 "), 0);
  EXPECT_EQ(TypeCode(""), 0);
  for (int type = 1; type <= 8; ++type) EXPECT_EQ(TypeCode(TypeName(type)), type);
  EXPECT_EQ(TypeName(0), "");
  EXPECT_EQ(TypeName(9), "");
}

TEST(AccountTypes, PropertyTypesAreAssetsAndLiabilities) {
  for (int type = 0; type <= 9; ++type)
    EXPECT_EQ(IsPropertyType(type), type >= 3 && type <= 8) << type;
}

TEST(Pages, LedgerPagesRoundTripToTheirAccountType) {
  for (int type = 1; type <= 8; ++type) {
    int detail = PageOfType(type, true);
    int balance = PageOfType(type, false);
    EXPECT_EQ(TypeOfPage(detail), type);
    EXPECT_EQ(TypeOfPage(balance), type);
    EXPECT_EQ(balance - detail, 10);
    EXPECT_EQ(PageClass(detail), 3);
    EXPECT_EQ(PageClass(balance), 4);
    EXPECT_EQ(PageTitle(detail), TypeName(type) + "明细表");
    EXPECT_EQ(PageTitle(balance), TypeName(type) + "余额表");
  }
  EXPECT_EQ(PageOfType(1, true), 32930);
  EXPECT_EQ(PageOfType(7, true), 32933);
  EXPECT_EQ(PageOfType(3, false), 32945);
  EXPECT_EQ(PageOfType(0, true), 0);
  EXPECT_EQ(PageOfType(9, false), 0);
  for (int page : {32929, 32938, 32939, 32948, 32900}) EXPECT_EQ(TypeOfPage(page), 0) << page;
}

TEST(Pages, ClassesAndTitles) {
  struct Case {
    int page;
    int page_class;
    const char* title;
  };
  const Case cases[] = {
      {32900, 1, "收入支出记账"},
      {32907, 1, "初始财产、负债录入"},
      {32908, 1, "信用卡记账"},
      {32999, 2, "查找结果"},
      {32932, 3, "投资明细表"},
      {32947, 4, "信用卡余额表"},
      {32920, 5, "收入支出表"},
      {32922, 6, "支出分类表"},
      {32950, 7, "财产负债表"},
      {32961, 8, "支出预算"},
      {32962, 9, "家庭财产预算"},
      {32909, 0, ""},
      {32938, 0, ""},
      {32963, 0, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PageClass(c.page), c.page_class) << c.page;
    EXPECT_EQ(PageTitle(c.page), c.title) << c.page;
  }
}

// ---- Deposit types and frequencies ------------------------------------------------------

TEST(DepositTypes, IndexAndCodeConvertBothWays) {
  EXPECT_EQ(DepositCount(), 11);
  for (int index = 0; index < DepositCount(); ++index)
    EXPECT_EQ(DepositIndex(DepositCodeAt(index)), index);
  EXPECT_EQ(DepositIndex(12), 3);
  EXPECT_EQ(DepositName(3), "一年定期");
  EXPECT_EQ(DepositIndex(7), -1);
  EXPECT_EQ(DepositCodeAt(11), -1);
  EXPECT_EQ(DepositCodeAt(-1), -1);
  EXPECT_EQ(DepositCodeAt(10), 10000);
  EXPECT_EQ(DepositName(11), "");
}

TEST(Frequencies, OnlyCodesOneToSevenHaveNames) {
  EXPECT_EQ(FrequencyName(1), "每日");
  EXPECT_EQ(FrequencyName(3), "每两周");
  EXPECT_EQ(FrequencyName(7), "单次");
  EXPECT_EQ(FrequencyName(0), "");
  EXPECT_EQ(FrequencyName(8), "");
}

// ---- Booking form -------------------------------------------------------------------------

TEST(BookingForm, FieldCaptions) {
  struct Case {
    int kind;
    int field;
    const char* caption;
  };
  const Case cases[] = {
      {2, kFieldAccount1, "收入类型："},
      {2, kFieldAccount2, "资金转入："},
      {2, kFieldAccount3, "："},
      {2, kFieldAmount1, "金    额："},
      {2, kFieldAmount2, "："},
      {2, kFieldDepositType, "："},
      {2, kFieldDescription, "说    明："},
      {11, kFieldAccount1, "支出类型："},
      {11, kFieldAccount2, "资金来源："},
      {12, kFieldAccount1, "信 用 卡："},
      {13, kFieldAccount3, "利    息："},
      {13, kFieldAmount1, "欠款金额："},
      {13, kFieldAmount2, "利息金额："},
      {10, kFieldAccount3, "收益类型："},
      {10, kFieldAmount1, "本金金额："},
      {10, kFieldAmount2, "售出总额："},
      {41, kFieldAccount2, "现金转入："},
      {41, kFieldAccount3, "利息转入："},
      {41, kFieldAmount1, "取款金额："},
      {41, kFieldAmount2, "利息金额："},
      {40, kFieldDepositType, "存款类型："},
      {40, kFieldAmount1, "金    额："},
      {7, kFieldAccount2, "资金借自："},
      {8, kFieldAccount1, "资金还给："},
      {42, kFieldAccount1, "现金转入："},
      {42, kFieldAccount2, "现金来源："},
      {1, kFieldAccount1, "初始类型："},
      {4, kFieldAmount1, "金    额："},
      {4, kFieldAccount1, "："},
      {13, kFieldDescription, "说    明："},
      {2, 7, ""},
      {2, -1, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FieldCaption(c.kind, c.field), c.caption)
        << "kind " << c.kind << " field " << c.field;
}

TEST(BookingForm, RemembersTheKindPerPageSlot) {
  EXPECT_EQ(KindSlot(32900), 2);
  EXPECT_EQ(KindSlot(32907), 1);
  EXPECT_EQ(KindSlot(32908), 10);
  EXPECT_EQ(KindSlot(32999), 0);
  // Every entry page remembers its kind under its own name.
  std::set<std::string> names;
  for (int page : kEntryPages) names.insert(KindSettingName(page, false));
  EXPECT_EQ(names.size(), kEntryPages.size());
  EXPECT_EQ(KindSettingName(32901, false), "AccountInput7");
  EXPECT_EQ(KindSettingName(32908, true), "AccountInputPlan10");
  EXPECT_EQ(KindSettingName(32930, false), "");
}

TEST(BookingForm, AcceptsOnlyOffsetsOfThePagesKinds) {
  struct Case {
    int page;
    int stored;
    int accepted;
  };
  const Case cases[] = {
      {32900, 1, 1}, {32900, 2, 0}, {32900, -1, 0}, {32908, 2, 2}, {32908, 3, 0},
      {32902, 1, 0}, {32903, 1, 0}, {32907, 1, 0},  {32999, 1, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(AcceptedKindOffset(c.page, c.stored), c.accepted) << c.page << "/" << c.stored;
}

// ---- Voucher numbers ------------------------------------------------------------------------

TEST(VoucherNumbers, SplitIntoYearMonthAndSequence) {
  const int number = 200803012;  // the 12th voucher of March 2008
  EXPECT_EQ(VoucherYear(number), 2008);
  EXPECT_EQ(VoucherMonth(number), 3);
  EXPECT_EQ(VoucherSequence(number), 12);
  EXPECT_EQ(MonthFirstNumber(2008, 5), 200805001);
  EXPECT_EQ(MonthLastNumber(2008, 5), 200805999);
  EXPECT_EQ(VoucherSequence(MonthLastNumber(2008, 5)), kMaxVouchersPerMonth);
}

TEST(VoucherNumbers, NextMonthBoundSitsBetweenMonths) {
  EXPECT_EQ(FirstNumberOfNextMonth(200805999), 200806000);
  EXPECT_EQ(FirstNumberOfNextMonth(200805001), 200806000);
  // December runs into month 13, still below the next year's first number.
  int after_december = FirstNumberOfNextMonth(200812005);
  EXPECT_EQ(VoucherMonth(after_december), 13);
  EXPECT_EQ(VoucherYear(after_december), 2008);
  EXPECT_GT(after_december, MonthLastNumber(2008, 12));
  EXPECT_LT(after_december, MonthFirstNumber(2009, 1));
}

TEST(VoucherNumbers, YearAndWholeLedgerBounds) {
  EXPECT_EQ(LastNumberBeforeYear(2009), 200812999);
  EXPECT_EQ(LastNumberBeforeYear(2009), MonthLastNumber(2008, 12));
  EXPECT_EQ(kAllVouchersLast, MonthLastNumber(9999, 12));
}

// ---- Account codes ----------------------------------------------------------------------------

TEST(AccountCodes, LevelsAndParents) {
  struct Case {
    const char* code;
    bool valid;
    int level;
    const char* parent;
  };
  const Case cases[] = {
      {"502", true, 1, ""},
      {"50399", true, 2, "503"},
      {"5039901", true, 3, "50399"},
      {"10101010101010101", true, 8, "101010101010101"},
      {"1010101010101010101", false, 0, "10101010101010101"},
      {"5039", false, 0, "50"},
      {"50", false, 0, ""},
      {"", false, 0, ""},
      {"5a399", false, 0, "5a3"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsValidCode(c.code), c.valid) << c.code;
    EXPECT_EQ(CodeLevel(c.code), c.level) << c.code;
    EXPECT_EQ(ParentCode(c.code), c.parent) << c.code;
  }
  EXPECT_EQ(CodeLevel(kInitialIncomeAccount), 1);
  EXPECT_EQ(CodeLevel(kCardInterestAccount), 2);
}

TEST(AccountCodes, ChildCodesAppendTwoDigits) {
  EXPECT_EQ(ChildCode("502", 1), "50201");
  EXPECT_EQ(ChildCode("503", 99), kCardInterestAccount);
  std::string child = ChildCode("50399", 7);
  EXPECT_EQ(child, "5039907");
  EXPECT_EQ(ParentCode(child), "50399");
  EXPECT_EQ(CodeLevel(child), 3);
}

}  // namespace
}  // namespace cw
