// What the three pickers of the booking form list for every kind, in order,
// with their bracket texts and colours, and which item they start on.
#include <gtest/gtest.h>

#include "bookkeeping/booking/picker_items.h"
#include "booking_fixture.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "store/database.h"

namespace cw {
namespace {

using testing::BookingTest;
using Codes = std::vector<std::string>;

class PickerItemsTest : public BookingTest {
 protected:
  static Codes CodesOf(const std::vector<PickerItem>& items) {
    Codes codes;
    for (const PickerItem& item : items) codes.push_back(item.code);
    return codes;
  }
};

TEST_F(PickerItemsTest, EveryKindListsTheLeavesOfItsTypesInOrder) {
  const Codes income_initial_first = {"502", "501", "50401", "50402", "505"};
  const Codes income_initial_last = {"501", "50401", "50402", "505", "502"};
  const Codes cash_bank = Join({kCash, kBank});
  const Codes cash_bank_card = Join({kCash, kBank, kCard});
  struct Case {
    int kind;
    Codes pickers[kPickerCount];
    std::string preselected_third;  // code picker 3 starts on
  } cases[] = {
      {1, {Join({kCash, kBank, kCard, kInvestment, kLent, kBorrowed}), income_initial_first, {}}, ""},
      {2, {income_initial_last, cash_bank, {}}, ""},
      {3, {kExpense, cash_bank_card, {}}, ""},
      {11, {kExpense, kCard, {}}, ""},
      {5, {kLent, cash_bank_card, {}}, ""},
      {6, {cash_bank, kLent, {}}, ""},
      {7, {cash_bank, kBorrowed, {}}, ""},
      {8, {kBorrowed, cash_bank_card, {}}, ""},
      {9, {kInvestment, cash_bank_card, {}}, ""},
      {10, {kInvestment, cash_bank, kIncome}, "50402"},  // 投资收益
      {12, {kCard, kCash, {}}, ""},
      {13, {kCard, cash_bank, kExpense}, "50399"},  // 信用卡利息
      {40, {kCash, kBank, {}}, ""},
      {41, {kBank, kCash, kIncome}, "50401"},  // 存款利息
      {42, {kCash, kCash, {}}, ""},
      {43, {kBank, kBank, {}}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    for (int picker = 0; picker < kPickerCount; ++picker) {
      SCOPED_TRACE(picker);
      const std::vector<PickerItem> items = PickerItems(c.kind, picker);
      EXPECT_EQ(c.pickers[picker], CodesOf(items));
      for (const PickerItem& item : items) {
        const int type = CItemCache::Instance().TypeOf(item.code);
        EXPECT_EQ(CItemCache::Instance().NameOf(item.code), item.name);
        EXPECT_EQ(TypeName(type), item.bracket);
        EXPECT_EQ(TypeColour(type), item.colour);
      }
      const int start = SelectionAfterFill(c.kind, picker, items, "");
      const std::string expected_start =
          items.empty() ? "" : picker == 2 && !c.preselected_third.empty() ? c.preselected_third : items[0].code;
      EXPECT_EQ(expected_start, start < 0 ? "" : items[start].code);
    }
  }
}

TEST_F(PickerItemsTest, TypeColours) {
  struct Case {
    int type;
    Rgb colour;
  } cases[] = {
      {1, {215, 235, 255}}, {2, {255, 255, 210}}, {3, {235, 255, 215}}, {4, {210, 255, 175}},
      {5, {200, 255, 150}}, {6, {185, 255, 125}}, {7, {255, 220, 220}}, {8, {255, 220, 220}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.colour, TypeColour(c.type)) << c.type;
}

TEST_F(PickerItemsTest, RefillKeepsTheSelectionWhileItIsListed) {
  const std::vector<PickerItem> income = PickerItems(41, 2);
  struct Case {
    const char* previous;
    std::string expected;
  } cases[] = {
      {"505", "505"},      // still listed
      {"101", "50401"},    // not listed: the preselected interest account
      {"", "50401"},
  };
  for (const Case& c : cases) {
    int index = SelectionAfterFill(41, 2, income, c.previous);
    ASSERT_GE(index, 0) << c.previous;
    EXPECT_EQ(c.expected, income[index].code) << c.previous;
  }
  // Without a preselection rule the first item; an empty list selects nothing.
  EXPECT_EQ(0, SelectionAfterFill(3, 1, PickerItems(3, 1), "999"));
  EXPECT_EQ(-1, SelectionAfterFill(3, 2, PickerItems(3, 2), "101"));
}

TEST_F(PickerItemsTest, WithoutAMatchingNameThePreselectionFallsBackToTheFirstItem) {
  Database::Execute("UPDATE Item SET Item_Name = '其他' WHERE Item_No IN ('50401', '50402')");
  CItemCache::Instance().MarkDirty();
  for (int kind : {10, 41}) {
    const std::vector<PickerItem> items = PickerItems(kind, 2);
    EXPECT_EQ(0, SelectionAfterFill(kind, 2, items, "")) << kind;
  }
}

TEST_F(PickerItemsTest, UnknownKindsAndPickersListNothing) {
  for (int kind : {0, 4, 14, 39, 44}) {
    EXPECT_FALSE(IsBookingKind(kind)) << kind;
    EXPECT_TRUE(PickerItems(kind, 0).empty()) << kind;
  }
  EXPECT_TRUE(PickerItems(3, 3).empty());
  EXPECT_TRUE(PickerItems(3, -1).empty());
}

}  // namespace
}  // namespace cw
