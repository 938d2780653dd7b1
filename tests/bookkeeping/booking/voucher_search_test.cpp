// The voucher search: hostile search texts find exactly what they contain,
// dates include both ends, amounts are tested on what each page shows.
#include <gtest/gtest.h>

#include <regex>

#include "bookkeeping/booking/booking_texts.h"
#include "bookkeeping/booking/voucher_search.h"
#include "booking_fixture.h"
#include "core/ledger_model.h"
#include "core/voucher_engine.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {
namespace {

using testing::BookingTest;
using Descriptions = std::vector<std::string>;

class VoucherSearchTest : public BookingTest {
 protected:
  void Book(const std::string& date, int kind, const std::string& a1, const std::string& a2, double amount,
            const std::string& description, const std::string& a3 = "", double amount2 = 0) {
    ASSERT_NE(0, WriteVoucher(Make(date, kind, a1, a2, amount, description, a3, amount2))) << description;
  }
  // The descriptions of the vouchers found, in number order.
  static Descriptions Found(const SearchConditions& c) {
    Descriptions found;
    for (int number : FindVouchers(c)) found.push_back(ReadVoucher(number)->description);
    return found;
  }
  static SearchConditions Text(int page, const std::string& text) {
    SearchConditions c;
    c.page = page;
    c.text_on = true;
    c.text = text;
    return c;
  }
  static SearchConditions OnPage(int page) {
    SearchConditions c;
    c.page = page;
    return c;
  }
  static SearchConditions Amount(int page, AmountComparison comparison, double a1, double a2 = 0) {
    SearchConditions c;
    c.page = page;
    c.amount_on = true;
    c.comparison = comparison;
    c.amount1 = a1;
    c.amount2 = a2;
    return c;
  }
};

TEST_F(VoucherSearchTest, HostileTextsFindExactlyWhatTheyContain) {
  const Descriptions texts = {"it's 50% off", "it_s 50 off", "say \"hi\"", "100%", "a_b",
                              "axb",          "back\\slash", "plain",     "房租（五月）"};
  for (const std::string& text : texts) Book("2024-05-10", 3, "601", "101", 10, text);
  struct Case {
    std::string text;
    Descriptions found;
  } cases[] = {
      {"'", {"it's 50% off"}},
      {"%", {"it's 50% off", "100%"}},
      {"50%", {"it's 50% off"}},
      {"_", {"it_s 50 off", "a_b"}},
      {"a_b", {"a_b"}},
      {"\"", {"say \"hi\""}},
      {"\"hi\"", {"say \"hi\""}},
      {"\\", {"back\\slash"}},
      {"' OR '1'='1", {}},
      {"%' --", {}},
      {"（五月）", {"房租（五月）"}},
      {"off", {"it's 50% off", "it_s 50 off"}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.found, Found(Text(32900, c.text))) << c.text;
  EXPECT_EQ(9u, Found(OnPage(32900)).size()) << "no condition finds the page's vouchers";
}

TEST_F(VoucherSearchTest, TheTextIsLookedForInTheDescriptionNotInTheGeneratedLines) {
  Book("2024-05-10", 41, "10201", "101", 5000, "到期", "50401", 25);  // line 2 reads "到期(利息)"
  EXPECT_EQ(Descriptions{}, Found(Text(32901, "(利息)")));
  EXPECT_EQ(Descriptions{"到期"}, Found(Text(32901, "到期")));
}

TEST_F(VoucherSearchTest, DatesIncludeBothEnds) {
  for (const char* date : {"2024-01-31", "2024-02-01", "2024-02-29", "2024-03-01"}) {
    Book(date, 2, "501", "101", 10, date);
  }
  SearchConditions c;
  c.page = 32900;
  c.dates_on = true;
  c.first_day = Day("2024-02-01");
  c.last_day = Day("2024-02-29");
  EXPECT_EQ((Descriptions{"2024-02-01", "2024-02-29"}), Found(c));
  c.text_on = true;
  c.text = "29";
  EXPECT_EQ(Descriptions{"2024-02-29"}, Found(c)) << "text and dates together";
}

TEST_F(VoucherSearchTest, AmountsAreTestedOnWhatThePageShows) {
  Book("2024-05-01", 3, "601", "101", 100, "支出100");
  Book("2024-05-02", 2, "501", "101", 100.00000005, "收入100");
  Book("2024-05-03", 3, "601", "101", 100.001, "支出100.001");
  Book("2024-05-04", 41, "10201", "101", 5000, "取款", "50401", 25);
  Book("2024-05-05", 41, "10201", "101", 3000, "无息取款", "50401", 0);
  Book("2024-05-06", 10, "103", "10201", 1000, "卖出", "50402", 1200);
  Book("2024-05-07", 11, "601", "20201", 60, "刷卡");
  Book("2024-05-08", 13, "20201", "10201", 300, "还款", "50399", 4.5);
  using C = AmountComparison;
  struct Case {
    const char* name;
    SearchConditions conditions;
    Descriptions found;
  } cases[] = {
      {"equal within 0.0000001", Amount(32900, C::kEqual, 100), {"支出100", "收入100"}},
      {"greater is strict", Amount(32900, C::kGreater, 100.00000005), {"支出100.001", "卖出"}},
      {"between is strict", Amount(32900, C::kBetween, 25, 200), {"支出100", "收入100", "支出100.001", "刷卡"}},
      {"less", Amount(32900, C::kLess, 30), {"取款", "还款"}},
      {"interest line on the income page", Amount(32900, C::kEqual, 25), {"取款"}},
      {"withdrawal on the deposit page", Amount(32901, C::kEqual, 5000), {"取款"}},
      {"not the interest on the deposit page", Amount(32901, C::kEqual, 25), {}},
      {"gain on the income page", Amount(32900, C::kEqual, 200), {"卖出"}},
      {"principal on the investment page", Amount(32906, C::kEqual, 1000), {"卖出"}},
      {"proceeds on the investment page", Amount(32906, C::kEqual, 1200), {"卖出"}},
      {"not the gain on the investment page", Amount(32906, C::kEqual, 200), {}},
      {"repayment on the card page", Amount(32908, C::kEqual, 300), {"还款"}},
      {"card purchases only on the card page", Amount(32908, C::kLess, 200), {"刷卡"}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.found, Found(c.conditions)) << c.name;
  // Without an amount test the income page still leaves out the withdrawal without interest.
  EXPECT_EQ((Descriptions{"支出100", "收入100", "支出100.001", "取款", "卖出", "刷卡", "还款"}),
            Found(OnPage(32900)));
}

TEST_F(VoucherSearchTest, DescriptionAndRefusal) {
  SearchConditions c = Text(32900, "房租");
  c.dates_on = true;
  c.first_day = Day("2024-01-01");
  c.last_day = Day("2024-03-31");
  c.amount_on = true;
  c.comparison = AmountComparison::kGreater;
  c.amount1 = 100;
  EXPECT_EQ("记账说明中包含“房租”，时间从2024-01-01到2024-03-31，金额大于100.00", DescribeSearch(c));
  EXPECT_EQ("金额介于1.50和2.00", DescribeSearch(Amount(32900, AmountComparison::kBetween, 1.5, 2)));
  EXPECT_EQ("金额等于3.00", DescribeSearch(Amount(32900, AmountComparison::kEqual, 3)));
  EXPECT_EQ("金额小于3.00", DescribeSearch(Amount(32900, AmountComparison::kLess, 3)));

  EXPECT_EQ(booking_texts::kSearchTextMissing, CheckSearch(Text(32900, "")));
  EXPECT_EQ("", CheckSearch(Text(32900, " ")));
  SearchConditions unticked;
  unticked.page = 32900;
  EXPECT_EQ("", CheckSearch(unticked));
}

TEST_F(VoucherSearchTest, SearchStatementReadsVouchersByNumber) {
  CDBPack plan;
  plan.Open("EXPLAIN QUERY PLAN " + Database::LoadStatement(950, KindFilter(32900, false, false)),
            {0, 999912999, std::string("%x%"), std::string("2024-01-01"), std::string("2024-02-01")});
  const std::regex full_scan("SCAN TABLE (AccountInput|Detail_Input)( AS [A-Z])?$");
  ASSERT_FALSE(plan.IsEnd());
  for (; !plan.IsEnd(); plan.MoveNext()) EXPECT_FALSE(std::regex_search(plan.GetText("detail"), full_scan));
}

}  // namespace
}  // namespace cw
