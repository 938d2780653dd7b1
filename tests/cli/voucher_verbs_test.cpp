// book, show, vouchers, replace, delete: the writing verbs through the real binary.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "cli/cli_runner.h"

namespace cw::testing {
namespace {

using Args = std::vector<std::string>;

Args Book(const std::string& date, int kind, const std::string& acc1, const std::string& acc2,
          const std::string& amount, const Args& more = {}) {
  Args args{"book", "--date", date, "--kind", std::to_string(kind), "--acc1", acc1, "--acc2", acc2, "--amount", amount};
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// The same options as `book` for the voucher `number` replaces.
Args Replace(const std::string& number, Args book) {
  book[0] = number;
  book.insert(book.begin(), "replace");
  return book;
}

// Runs a book or replace command and returns the voucher number it prints.
int Booked(const CliHome& home, Args args) {
  args.insert(args.begin(), "--json");
  CliResult r = home.Run(args);
  EXPECT_EQ(r.code, 0) << r.err;
  return r.code == 0 ? r.Json("voucher")["number"].get<int>() : 0;
}

nlohmann::json Vouchers(const CliHome& home) {
  CliResult r = home.Run({"--json", "vouchers"});
  EXPECT_EQ(r.code, 0) << r.err;
  return r.Json("vouchers");
}

TEST(VoucherVerbs, BookedVouchersAreNumberedByDateAndShownWithTheirLines) {
  CliHome home;
  EXPECT_EQ(Booked(home, Book("2015-03-10", 3, "601", "101", "12.5", {"--content", "午餐"})), 201503001);
  EXPECT_EQ(Booked(home, Book("2015-03-01", 2, "501", "102", "8000", {"--content", "工资"})), 201503001);
  // A withdrawal with interest has three lines: bank credit, cash debit of both, interest income credit.
  EXPECT_EQ(Booked(home, Book("2015-03-05", 41, "102", "101", "5000", {"--acc3", "504", "--amount2", "25"})),
            201503002);

  nlohmann::json list = Vouchers(home);
  ASSERT_EQ(list.size(), 3u);
  const std::vector<std::tuple<int, std::string, std::string, double, std::string>> expected = {
      {201503001, "2015-03-01", "收入", 8000, "工资"},
      {201503002, "2015-03-05", "取款", 5000, ""},
      {201503003, "2015-03-10", "支出", 12.5, "午餐"},
  };
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const auto& [number, date, kind, amount, content] = expected[i];
    SCOPED_TRACE(number);
    EXPECT_EQ(list[i]["number"], number);
    EXPECT_EQ(list[i]["date"], date);
    EXPECT_EQ(list[i]["kind"], kind);
    EXPECT_EQ(list[i]["person"], "管理员");
    EXPECT_EQ(list[i]["checker"], "");
    EXPECT_EQ(list[i]["amount"], amount);
    EXPECT_EQ(list[i]["content"], content);
  }

  CliResult shown = home.Run({"--json", "show", "201503002"});
  ASSERT_EQ(shown.code, 0) << shown.err;
  nlohmann::json voucher = shown.Json();
  EXPECT_EQ(voucher["voucher"]["kind"], 41);
  EXPECT_EQ(voucher["voucher"]["date"], "2015-03-05");
  const nlohmann::json& lines = voucher["lines"];
  ASSERT_EQ(lines.size(), 3u);
  const std::vector<std::tuple<std::string, std::string, double, bool>> sides = {
      {"102", "银行存款", 5000, false}, {"101", "现金", 5025, true}, {"504", "理财收入", 25, false}};
  for (std::size_t i = 0; i < sides.size(); ++i) {
    const auto& [item, name, cash, debit] = sides[i];
    EXPECT_EQ(lines[i]["item"], item);
    EXPECT_EQ(lines[i]["item_name"], name);
    EXPECT_EQ(lines[i]["cash"], cash);
    EXPECT_EQ(lines[i]["debit"], debit);
  }
}

TEST(VoucherVerbs, ListFiltersByMonthsAndEntryPage) {
  CliHome home;
  Booked(home, Book("2015-01-31", 3, "601", "101", "10"));
  Booked(home, Book("2015-02-01", 40, "101", "102", "500", {"--deposit", "12"}));
  Booked(home, Book("2015-03-01", 3, "602", "202", "30"));
  struct Case {
    Args filter;
    std::vector<int> numbers;
  } cases[] = {
      {{}, {201501001, 201502001, 201503001}},
      {{"--from", "2015-02"}, {201502001, 201503001}},
      {{"--to", "2015-02"}, {201501001, 201502001}},
      {{"--from", "2015-02", "--to", "2015-02"}, {201502001}},
      {{"--kind-page", "32901"}, {201502001}},  // deposits and withdrawals
      {{"--kind-page", "32908"}, {201501001, 201503001}},  // the card page lists every expense as a purchase
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.filter));
    Args args{"--json", "vouchers"};
    args.insert(args.end(), c.filter.begin(), c.filter.end());
    CliResult r = home.Run(args);
    ASSERT_EQ(r.code, 0) << r.err;
    std::vector<int> numbers;
    for (const auto& v : r.Json("vouchers")) numbers.push_back(v["number"]);
    EXPECT_EQ(numbers, c.numbers);
  }
  // On the card page a kind-3 voucher is a purchase.
  EXPECT_EQ(home.Run({"--json", "vouchers", "--kind-page", "32908"}).Json("vouchers")[0]["kind"], "购物");
}

TEST(VoucherVerbs, BadInputExitsWithTwoAndWritesNothing) {
  CliHome home;
  struct Case {
    const char* name;
    Args args;
    const char* message;  // part of the one line on stderr
  } cases[] = {
      {"amount 0", Book("2015-03-01", 3, "601", "101", "0"), "请输入一个大于0的金额"},
      {"amount above 1e12", Book("2015-03-01", 3, "601", "101", "1e13"), "金额太大"},
      {"amount below a cent", Book("2015-03-01", 3, "601", "101", "0.001"), "两位小数"},
      {"interest with three decimals", Book("2015-03-01", 41, "102", "101", "5", {"--acc3", "504", "--amount2", "0.125"}),
       "两位小数"},
      {"date before the calendar", Book("1899-12-31", 3, "601", "101", "5"), "1900-2100"},
      {"amount not a number", Book("2015-03-01", 3, "601", "101", "12,5"), "--amount"},
      {"same accounts", Book("2015-03-01", 42, "101", "101", "5"), "选择了两个相同的科目"},
      {"non-leaf account", Book("2015-03-01", 3, "503", "101", "5"), "非末级科目"},
      {"unknown account", Book("2015-03-01", 3, "60199", "101", "5"), "60199"},
      {"account of the wrong type", Book("2015-03-01", 3, "501", "101", "5"), "不能用作"},
      {"bad date", Book("2015-02-29", 3, "601", "101", "5"), "--date"},
      {"unknown kind", Book("2015-03-01", 4, "601", "101", "5"), "记账类型"},
      {"three-line kind without --acc3", Book("2015-03-01", 41, "102", "101", "5"), "--acc3"},
      {"proceeds of 0 for a sold investment", Book("2015-03-01", 10, "103", "102", "5", {"--acc3", "504"}),
       "请输入一个大于0的金额"},
      {"deposit type on an expense", Book("2015-03-01", 3, "601", "101", "5", {"--deposit", "12"}), "存款类型"},
      {"unknown deposit type", Book("2015-03-01", 40, "101", "102", "5", {"--deposit", "7"}), "存款类型"},
      {"missing option", {"book", "--date", "2015-03-01"}, "--kind"},
      {"unknown option", {"vouchers", "--colour", "red"}, "--colour"},
      {"unknown verb", {"frobnicate"}, "frobnicate"},
      {"user who does not exist", Book("2015-03-01", 3, "601", "101", "5", {"--user", "张飞"}), "张飞"},
      {"voucher that does not exist", {"delete", "201503001"}, "201503001"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CliResult r = home.Run(c.args);
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  EXPECT_TRUE(Vouchers(home).empty());
}

TEST(VoucherVerbs, TheLargestAmountIsAccepted) {
  CliHome home;
  EXPECT_EQ(Booked(home, Book("2015-03-01", 2, "501", "102", "1000000000000")), 201503001);
}

TEST(VoucherVerbs, ReplaceMovesTheVoucherAndDeleteClosesTheGap) {
  CliHome home;
  Booked(home, Book("2015-05-03", 3, "601", "101", "1", {"--content", "a"}));
  Booked(home, Book("2015-05-05", 3, "601", "101", "2", {"--content", "b"}));
  Booked(home, Book("2015-05-09", 3, "601", "101", "3", {"--content", "c"}));

  // Moved to the 9th, it goes after the voucher already there.
  EXPECT_EQ(Booked(home, Replace("201505002", Book("2015-05-09", 3, "602", "101", "20", {"--content", "b2"}))),
            201505003);

  CliResult deleted = home.Run({"delete", "201505001"});
  EXPECT_EQ(deleted.code, 0) << deleted.err;

  nlohmann::json list = Vouchers(home);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0]["number"], 201505001);
  EXPECT_EQ(list[0]["content"], "c");
  EXPECT_EQ(list[1]["number"], 201505002);
  EXPECT_EQ(list[1]["content"], "b2");
  EXPECT_EQ(list[1]["amount"], 20.0);
}

}  // namespace
}  // namespace cw::testing
