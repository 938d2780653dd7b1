// report: the balance figures over a small ledger whose sums are known.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/booked_home.h"

namespace cw::testing {
namespace {

class ReportVerb : public BookedHome<ReportVerb> {
 public:
  static std::vector<Args> Bookings() {
    return {
        // An opening balance counts for the property but is no income.
        {"--date", "2014-12-31", "--kind", "1", "--acc1", "102", "--acc2", "502", "--amount", "10000"},
        {"--date", "2015-01-10", "--kind", "2", "--acc1", "501", "--acc2", "102", "--amount", "1000"},
        {"--date", "2015-01-15", "--kind", "3", "--acc1", "601", "--acc2", "101", "--amount", "100"},
        {"--date", "2015-02-03", "--kind", "3", "--acc1", "602", "--acc2", "202", "--amount", "50"},
        {"--date", "2015-02-20", "--kind", "41", "--acc1", "102", "--acc2", "101", "--acc3", "504", "--amount", "200",
         "--amount2", "5"},
    };
  }

 protected:
  static nlohmann::json Report(const Args& args, const char* section) { return RunJson("report", args)[section]; }
};

TEST_F(ReportVerb, NetPropertyCountsEverythingBeforeTheMonth) {
  struct Case {
    const char* before;
    double property;
  } cases[] = {{"2014-12", 0}, {"2015-01", 10000}, {"2015-02", 10900}, {"2015-03", 10855}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    EXPECT_DOUBLE_EQ(Report({"net-property", "--before", c.before}, "net_property")["net_property"], c.property);
  }
}

TEST_F(ReportVerb, IncomeExpenseHasOneRowPerPeriod) {
  struct Row {
    std::string label;
    double income, expense, balance;
  };
  struct Case {
    Args args;
    std::vector<Row> rows;
  } cases[] = {
      {{"--period", "month", "--from", "2015-01-01", "--to", "2015-03-31"},
       {{"2015-01", 1000, 100, 900}, {"2015-02", 5, 50, -45}, {"2015-03", 0, 0, 0}}},
      {{"--period", "year", "--from", "2014-01-01", "--to", "2015-12-31"}, {{"2014", 0, 0, 0}, {"2015", 1005, 150, 855}}},
      {{"--period", "day", "--from", "2015-01-14", "--to", "2015-01-16"},
       {{"2015-01-14", 0, 0, 0}, {"2015-01-15", 0, 100, -100}, {"2015-01-16", 0, 0, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    Args args{"income-expense"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    nlohmann::json periods = Report(args, "periods");
    ASSERT_EQ(periods.size(), c.rows.size());
    for (std::size_t i = 0; i < c.rows.size(); ++i) {
      EXPECT_EQ(periods[i]["period"], c.rows[i].label);
      EXPECT_DOUBLE_EQ(periods[i]["income"], c.rows[i].income);
      EXPECT_DOUBLE_EQ(periods[i]["expense"], c.rows[i].expense);
      EXPECT_DOUBLE_EQ(periods[i]["balance"], c.rows[i].balance);
    }
  }
}

TEST_F(ReportVerb, CategoryShowsEachAccountPerPeriod) {
  struct Case {
    Args args;
    std::string code;
    std::vector<std::pair<std::string, double>> values;  // period column -> amount
  } cases[] = {
      {{"--expense", "--period", "month", "--from", "2015-01", "--to", "2015-02"}, "601", {{"2015-01", 100}, {"2015-02", 0}}},
      {{"--expense", "--period", "month", "--from", "2015-01", "--to", "2015-02"}, "602", {{"2015-01", 0}, {"2015-02", 50}}},
      {{"--income", "--period", "month", "--from", "2015-01", "--to", "2015-02"}, "504", {{"2015-01", 0}, {"2015-02", 5}}},
      {{"--income", "--period", "quarter", "--from", "2014-11", "--to", "2015-06"}, "501",
       {{"2014Q4", 0}, {"2015Q1", 1000}, {"2015Q2", 0}}},
      {{"--expense", "--period", "year", "--from", "2015-01", "--to", "2015-12"}, "602", {{"2015", 50}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args) + " " + c.code);
    Args args{"category"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    nlohmann::json accounts = Report(args, "accounts");
    auto row = std::find_if(accounts.begin(), accounts.end(), [&](const auto& a) { return a["code"] == c.code; });
    ASSERT_NE(row, accounts.end());
    ASSERT_EQ(row->size(), 2 + c.values.size()) << row->dump();
    for (const auto& [period, value] : c.values) EXPECT_DOUBLE_EQ((*row)[period], value) << period;
  }
}

TEST_F(ReportVerb, RefusesBadPeriods) {
  const Args cases[] = {
      {"report", "income-expense", "--period", "week", "--from", "2015-01-01", "--to", "2015-02-01"},
      {"report", "income-expense", "--period", "month", "--from", "2015-02-01", "--to", "2015-01-01"},
      {"report", "category", "--income", "--expense", "--period", "month", "--from", "2015-01", "--to", "2015-02"},
      {"report", "category", "--income", "--period", "month", "--from", "2015-13", "--to", "2015-02"},
      {"report", "net-property", "--before", "2015-01-01"},
      {"report", "balance-sheet"},
  };
  for (const Args& args : cases) {
    SCOPED_TRACE(::testing::PrintToString(args));
    CliResult r = home_->Run(args);
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
  }
}

}  // namespace
}  // namespace cw::testing
