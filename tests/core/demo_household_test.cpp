#include "core/demo_household.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "calendar/calendar.h"
#include "core/ledger_model.h"
#include "core/standard_chart.h"
#include "core/voucher_lines.h"
#include "store/row_reader.h"
#include "support/ledger_fixture.h"

namespace cw {
namespace {

const DemoHousehold& Household() {
  static const DemoHousehold household = BuildDemoHousehold();
  return household;
}

std::map<std::string, ChartAccount> ByCode(const std::vector<ChartAccount>& chart) {
  std::map<std::string, ChartAccount> out;
  for (const ChartAccount& a : chart) out[a.code] = a;
  return out;
}

bool HasChildren(const std::vector<ChartAccount>& chart, const std::string& code) {
  for (const ChartAccount& a : chart)
    if (ParentCode(a.code) == code) return true;
  return false;
}

// ---- The standard chart --------------------------------------------------------

TEST(StandardChart, AccountsWithAFixedRoleHaveTheirTypes) {
  const auto chart = ByCode(StandardChart());
  struct Case {
    const char* code;
    int type;
    bool leaf;
  };
  for (const Case& c : {Case{"502", kTypeIncome, true}, Case{"503", 0, false}, Case{"50399", kTypeExpense, true}}) {
    SCOPED_TRACE(c.code);
    ASSERT_EQ(chart.count(c.code), 1u);
    EXPECT_EQ(chart.at(c.code).type, c.type);
    EXPECT_EQ(HasChildren(StandardChart(), c.code), !c.leaf);
  }
  EXPECT_EQ(chart.at("50399").name, "信用卡利息");
}

TEST(StandardChart, EveryAccountTypeHasATopLevelLeaf) {
  std::set<int> types;
  for (const ChartAccount& a : StandardChart())
    if (a.code.size() == 3) types.insert(a.type);
  for (int type = kTypeIncome; type <= kTypeCreditCard; ++type) EXPECT_EQ(types.count(type), 1u) << type;
}

// Both the standard chart and the demonstration chart are well formed: valid,
// unique codes in order, every parent present, types on leaves only.
TEST(StandardChart, ChartsAreWellFormed) {
  const std::vector<std::pair<const char*, std::vector<ChartAccount>>> charts = {
      {"standard", StandardChart()}, {"demonstration", DemoChart(Household())}};
  for (const auto& [label, chart] : charts) {
    SCOPED_TRACE(label);
    const auto codes = ByCode(chart);
    for (std::size_t i = 0; i < chart.size(); ++i) {
      const ChartAccount& a = chart[i];
      SCOPED_TRACE(a.code);
      EXPECT_TRUE(IsValidCode(a.code));
      EXPECT_FALSE(a.name.empty());
      if (i > 0) {
        EXPECT_LT(chart[i - 1].code, a.code);
      }
      if (a.code.size() > 3) {
        EXPECT_EQ(codes.count(ParentCode(a.code)), 1u) << "parent missing";
      }
      if (HasChildren(chart, a.code)) {
        EXPECT_EQ(a.type, 0);
      } else {
        EXPECT_GE(a.type, kTypeIncome);
        EXPECT_LE(a.type, kTypeCreditCard);
      }
    }
  }
}

TEST(ExtendChart, ATopLevelLeafPassesItsTypeToItsChildren) {
  const std::vector<ChartAccount> chart = {{"101", "现金", 3}, {"102", "银行存款", 4}};
  const std::vector<ChartAccount> extended =
      ExtendChart(chart, {{"10201", "工商银行", 4}, {"10101", "爸爸现金", 3}, {"102", "存款", 4}});
  const std::vector<std::tuple<std::string, std::string, int>> expected = {
      {"101", "现金", 0}, {"10101", "爸爸现金", 3}, {"102", "存款", 0}, {"10201", "工商银行", 4}};
  ASSERT_EQ(extended.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(std::tie(extended[i].code, extended[i].name, extended[i].type),
              std::tie(std::get<0>(expected[i]), std::get<1>(expected[i]), std::get<2>(expected[i])));
  }
}

// ---- The sample vouchers ----------------------------------------------------------

// The account types each line of a kind may name.
struct KindRoles {
  std::set<int> line0, line1, line2;
};
const std::map<int, KindRoles>& RolesByKind() {
  static const std::map<int, KindRoles> roles = {
      {1, {{3, 4, 5, 6, 7, 8}, {1}, {}}}, {2, {{1}, {3, 4}, {}}},       {3, {{2}, {3, 4, 8}, {}}},
      {5, {{6}, {3, 4}, {}}},             {6, {{3, 4}, {6}, {}}},       {7, {{3, 4}, {7}, {}}},
      {8, {{7}, {3, 4}, {}}},             {9, {{5}, {3, 4}, {}}},       {10, {{5}, {3, 4}, {1}}},
      {12, {{8}, {3, 4}, {}}},            {13, {{8}, {3, 4}, {2}}},     {40, {{3}, {4}, {}}},
      {41, {{4}, {3}, {1}}},              {42, {{3}, {3}, {}}},         {43, {{4}, {4}, {}}},
  };
  return roles;
}

TEST(DemoBookings, EveryLineNamesALeafOfTheTypeItsRoleNeeds) {
  const std::vector<ChartAccount> chart = DemoChart(Household());
  const auto codes = ByCode(chart);
  for (const Booking& b : Household().bookings) {
    SCOPED_TRACE(IsoDate(b.date) + " " + b.description);
    ASSERT_EQ(RolesByKind().count(b.kind), 1u) << "kind " << b.kind;
    const KindRoles& roles = RolesByKind().at(b.kind);
    const bool three_lines = LineCount(b.kind) == 3;
    const std::vector<std::tuple<const std::string&, int, const std::set<int>&>> lines = {
        {b.account1, b.type1, roles.line0}, {b.account2, b.type2, roles.line1}};
    for (const auto& [code, type, allowed] : lines) {
      ASSERT_EQ(codes.count(code), 1u) << code;
      EXPECT_FALSE(HasChildren(chart, code)) << code;
      EXPECT_EQ(type, codes.at(code).type) << code;
      EXPECT_EQ(allowed.count(type), 1u) << code;
    }
    EXPECT_NE(b.account1, b.account2);
    if (three_lines) {
      ASSERT_EQ(codes.count(b.account3), 1u) << b.account3;
      EXPECT_FALSE(HasChildren(chart, b.account3));
      EXPECT_EQ(b.type3, codes.at(b.account3).type);
      EXPECT_EQ(roles.line2.count(b.type3), 1u) << b.account3;
    } else {
      EXPECT_TRUE(b.account3.empty());
    }
    if (b.kind == 1) {
      EXPECT_EQ(b.account2, kInitialIncomeAccount);
    }
    if (b.kind == 13) {
      EXPECT_EQ(b.account3, kCardInterestAccount);
    }
  }
}

TEST(DemoBookings, AmountsAreUsableByTheirKind) {
  for (const Booking& b : Household().bookings) {
    SCOPED_TRACE(IsoDate(b.date) + " " + b.description);
    EXPECT_GT(b.amount1, 0);
    EXPECT_FALSE(b.description.empty());
    if (b.kind == 10) {
      EXPECT_GT(b.amount2, 0);  // the proceeds
    } else if (b.kind == 13 || b.kind == 41) {
      EXPECT_GE(b.amount2, 0);  // the interest may be nothing
    } else {
      EXPECT_EQ(b.amount2, 0);
    }
    if (b.kind == 40) {
      EXPECT_GE(DepositIndex(b.deposit_code), 0) << b.deposit_code;
    } else {
      EXPECT_EQ(b.deposit_code, 0);
    }
  }
}

TEST(DemoBookings, EveryKindAppearsWithItsVariants) {
  std::set<int> kinds, deposit_codes;
  bool card_purchase = false, gain = false, loss = false, repayment_with_interest = false,
       repayment_without_interest = false, withdrawal_with_interest = false;
  for (const Booking& b : Household().bookings) {
    kinds.insert(b.kind);
    card_purchase |= b.kind == 3 && b.type2 == kTypeCreditCard;
    gain |= b.kind == 10 && b.amount2 > b.amount1;
    loss |= b.kind == 10 && b.amount2 < b.amount1;
    repayment_with_interest |= b.kind == 13 && b.amount2 > 0;
    repayment_without_interest |= b.kind == 13 && b.amount2 == 0;
    withdrawal_with_interest |= b.kind == 41 && b.amount2 > 0;
    if (b.kind == 40) deposit_codes.insert(b.deposit_code);
  }
  EXPECT_EQ(kinds, (std::set<int>{1, 2, 3, 5, 6, 7, 8, 9, 10, 12, 13, 40, 41, 42, 43}));
  EXPECT_TRUE(card_purchase);
  EXPECT_TRUE(gain);
  EXPECT_TRUE(loss);
  EXPECT_TRUE(repayment_with_interest);
  EXPECT_TRUE(repayment_without_interest);
  EXPECT_TRUE(withdrawal_with_interest);
  EXPECT_GE(deposit_codes.size(), 4u);
}

TEST(DemoBookings, OpeningBalancesComeFirstOnTheFirstDay) {
  const auto& bookings = Household().bookings;
  const int first_day = SerialDay(2005, 1, 1);
  std::set<int> opened_types;
  std::size_t openings = 0;
  while (openings < bookings.size() && bookings[openings].kind == 1) {
    EXPECT_EQ(bookings[openings].date, first_day);
    opened_types.insert(bookings[openings].type1);
    ++openings;
  }
  for (std::size_t i = openings; i < bookings.size(); ++i) EXPECT_NE(bookings[i].kind, 1) << i;
  for (int type : {kTypeCash, kTypeBank, kTypeInvestment, kTypeBorrowed}) EXPECT_EQ(opened_types.count(type), 1u);
}

// Voucher numbers count by date within each month, so the newest sample
// voucher must be the ninth of September 2008: 200809009.
TEST(DemoBookings, DatesRunFromJanuary2005ToNineVouchersOnOneToNineSeptember2008) {
  const auto& bookings = Household().bookings;
  ASSERT_FALSE(bookings.empty());
  EXPECT_EQ(bookings.front().date, SerialDay(2005, 1, 1));
  EXPECT_EQ(bookings.back().date, SerialDay(2008, 9, 9));
  std::map<int, int> per_month;
  std::vector<int> september_days;
  for (std::size_t i = 0; i < bookings.size(); ++i) {
    if (i > 0) {
      EXPECT_LE(bookings[i - 1].date, bookings[i].date) << i;
    }
    const Ymd d = DateOfSerialDay(bookings[i].date);
    ++per_month[d.year * 100 + d.month];
    if (d.year == 2008 && d.month == 9) september_days.push_back(d.day);
  }
  EXPECT_EQ(september_days, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(per_month.size(), 45u);  // January 2005 to September 2008, none empty
  for (const auto& [month, count] : per_month) {
    EXPECT_LT(count, kMaxVouchersPerMonth) << month;
    if (month != 200809) {
      EXPECT_GE(count, 12) << month;  // several a week
    }
  }
}

// Nobody pays from an empty purse or account, and no debt is repaid beyond
// what is owed: every property account stays at or above zero.
TEST(DemoBookings, NoAccountEverGoesBelowZero) {
  std::map<std::string, double> balances;
  for (const Booking& b : Household().bookings) {
    for (const VoucherLine& line : ComposeLines(b)) {
      const int type = line.item == b.account1 ? b.type1 : line.item == b.account2 ? b.type2 : b.type3;
      if (!IsPropertyType(type)) continue;
      const double change = line.debit ? line.cash : -line.cash;
      const bool liability = type == kTypeBorrowed || type == kTypeCreditCard;
      double& balance = balances[line.item];
      balance += liability ? -change : change;
      EXPECT_GE(balance, -0.005) << line.item << " on " << IsoDate(b.date) << " " << b.description;
    }
  }
}

TEST(DemoBookings, BookersAreUsersAndPlannedVouchersFollowTheirPlan) {
  std::map<int, const DemoPlan*> plans;
  for (const DemoPlan& p : Household().plans) plans[p.plan_id] = &p;
  std::set<int> users;
  for (const DemoUser& u : Household().users) users.insert(u.person_no);
  std::set<int> plans_used;
  for (const Booking& b : Household().bookings) {
    SCOPED_TRACE(IsoDate(b.date) + " " + b.description);
    EXPECT_EQ(users.count(b.person_no), 1u);
    if (b.plan == 0) continue;
    ASSERT_EQ(plans.count(b.plan), 1u);
    const DemoPlan& p = *plans.at(b.plan);
    plans_used.insert(b.plan);
    const Ymd d = DateOfSerialDay(b.date);
    EXPECT_EQ(b.kind, p.entry.kind);
    EXPECT_EQ(b.account1, p.entry.account1);
    EXPECT_EQ(b.account2, p.entry.account2);
    EXPECT_EQ(b.person_no, p.person_no);
    EXPECT_EQ(d.day, p.day);
    if (p.month != 0) {
      EXPECT_EQ(d.month, p.month);
    }
  }
  EXPECT_EQ(plans_used.size(), plans.size());
}

TEST(DemoBookings, GenerationIsRepeatable) {
  const DemoHousehold again = BuildDemoHousehold();
  const auto& first = Household().bookings;
  ASSERT_EQ(again.bookings.size(), first.size());
  for (std::size_t i = 0; i < first.size(); ++i) {
    const Booking& a = first[i];
    const Booking& b = again.bookings[i];
    ASSERT_EQ(std::tie(a.date, a.kind, a.account1, a.account2, a.account3, a.amount1, a.amount2, a.description),
              std::tie(b.date, b.kind, b.account1, b.account2, b.account3, b.amount1, b.amount2, b.description))
        << i;
  }
}

// ---- Users, plans, card, budgets ------------------------------------------------

TEST(DemoHousehold, UsersHaveUniqueNamesAndOneAdministratorWithAllRights) {
  std::set<std::string> names;
  int administrators = 0;
  for (const DemoUser& u : Household().users) {
    EXPECT_TRUE(names.insert(u.name).second) << u.name;
    EXPECT_EQ(u.state, 0);
    EXPECT_TRUE(u.password_digest.empty());
    EXPECT_GE(u.color_type, 0);
    EXPECT_LE(u.color_type, 4);
    if (u.level == 0) {
      ++administrators;
      EXPECT_TRUE(u.voucher && u.voucher_query && u.voucher_graph && u.budget && u.system_set) << u.name;
    } else {
      EXPECT_EQ(u.level, 1);
    }
  }
  EXPECT_EQ(administrators, 1);
}

// Each plan's Last_Chargeup is its next occurrence after its newest sample
// voucher, one period later, and still after the end of the sample data.
TEST(DemoHousehold, PlansResumeAtTheirNextOccurrence) {
  for (const DemoPlan& p : Household().plans) {
    SCOPED_TRACE(p.entry.description);
    int newest = 0;
    for (const Booking& b : Household().bookings)
      if (b.plan == p.plan_id) newest = b.date;
    ASSERT_NE(newest, 0);
    const Ymd last = DateOfSerialDay(newest);
    const Ymd next = DateOfSerialDay(p.last_chargeup);
    const int period_months = p.month == 0 ? 1 : 12;
    EXPECT_EQ(next.year * 100 + next.month, MonthAdd(last.year, last.month, period_months));
    EXPECT_EQ(next.day, p.day);
    EXPECT_GT(p.last_chargeup, SerialDay(2008, 9, 9));
    EXPECT_EQ(p.week, 0);
    EXPECT_GT(p.entry.amount1, 0);
    EXPECT_EQ(p.entry.type1, ByCode(DemoChart(Household())).at(p.entry.account1).type);
  }
}

TEST(DemoHousehold, CardRepaymentsFollowTheCardSettings) {
  const std::vector<ChartAccount> chart = DemoChart(Household());
  const auto codes = ByCode(chart);
  ASSERT_EQ(Household().card_settings.size(), 1u);
  const DemoCardSetting& card = Household().card_settings.front();
  EXPECT_EQ(codes.at(card.item_no).type, kTypeCreditCard);
  EXPECT_FALSE(HasChildren(chart, card.item_no));
  EXPECT_EQ(codes.at(card.pay_item_no).type, kTypeBank);
  EXPECT_TRUE((card.pay_date > 0) != (card.after_bill_days > 0));
  EXPECT_GE(card.bill_date, 1);
  EXPECT_LE(card.bill_date, 31);
  int repayments = 0;
  for (const Booking& b : Household().bookings) {
    if (b.kind != 13) continue;
    ++repayments;
    EXPECT_EQ(b.account1, card.item_no);
    EXPECT_EQ(b.account2, card.pay_item_no);
    EXPECT_EQ(DateOfSerialDay(b.date).day, card.pay_date) << IsoDate(b.date);
  }
  EXPECT_GE(repayments, 40);
}

TEST(DemoHousehold, BudgetLinesPlanLeavesOfTheirCategoryUnderValidKeys) {
  const std::vector<ChartAccount> chart = DemoChart(Household());
  const auto codes = ByCode(chart);
  std::set<std::tuple<int, int, std::string>> keys;
  std::set<int> periods;
  for (const DemoBudgetLine& l : Household().budgets) {
    SCOPED_TRACE(std::to_string(l.budget_no) + " " + l.item_no);
    const int part = l.budget_no % 100;
    EXPECT_TRUE((part >= 1 && part <= 12) || (part >= 51 && part <= 54) || part == 61);
    periods.insert(part <= 12 ? 1 : part <= 54 ? 2 : 3);
    ASSERT_EQ(codes.count(l.item_no), 1u);
    EXPECT_FALSE(HasChildren(chart, l.item_no));
    EXPECT_EQ(codes.at(l.item_no).type, l.category);
    EXPECT_GT(l.cash, 0);
    EXPECT_TRUE(keys.insert({l.category, l.budget_no, l.item_no}).second) << "duplicate line";
  }
  EXPECT_EQ(periods.size(), 3u);  // month, quarter and year budgets
}

// The property items are those the item dialog can enter: regular income
// (fixed or a share of income), regular spending (share of income) and the
// inflation rate (year-on-year).
TEST(DemoHousehold, PropertyItemsAreOnesTheItemDialogCanEnter) {
  const std::map<int, std::set<int>> cash_types = {{1, {0, 2}}, {2, {2}}, {100, {1}}};
  std::set<int> ids;
  for (const DemoPropertyItem& i : Household().property_budget) {
    SCOPED_TRACE(i.content);
    EXPECT_TRUE(ids.insert(i.budget_id).second);
    EXPECT_FALSE(i.content.empty());
    ASSERT_EQ(cash_types.count(i.type_id), 1u);
    EXPECT_EQ(cash_types.at(i.type_id).count(i.cash_type), 1u);
    EXPECT_GE(i.cash_frequency, 4);
    EXPECT_LE(i.cash_frequency, 6);
    EXPECT_GT(i.cash, 0);
    if (i.start_date != 0 && i.end_date != 0) {
      EXPECT_LE(i.start_date, i.end_date);
    }
  }
}

// ---- Writing into a data set --------------------------------------------------------

class DemoTablesTest : public testing::LedgerTest {
 protected:
  static int Count(const std::string& table) {
    CDBPack rows;
    rows.Open("SELECT COUNT(*) AS Total FROM " + table);
    return rows.GetLong("Total");
  }
};

TEST_F(DemoTablesTest, WritesChartUsersPlansCardAndBudgets) {
  const DemoHousehold& h = Household();
  ASSERT_TRUE(WriteDemoTables(h));

  EXPECT_EQ(Count("Item"), static_cast<int>(DemoChart(h).size()));
  for (const auto& [code, type] : std::vector<std::pair<std::string, int>>{
           {"101", 0}, {"10101", kTypeCash}, {"502", kTypeIncome}, {"503", 0}, {"50399", kTypeExpense}}) {
    CDBPack item;
    item.Open("SELECT ItemType FROM Item WHERE Item_No = ?1", {code});
    ASSERT_FALSE(item.IsEnd()) << code;
    EXPECT_EQ(item.GetByte("ItemType"), type) << code;
  }

  ASSERT_EQ(Count("Person"), static_cast<int>(h.users.size()));
  for (const DemoUser& u : h.users) {
    CDBPack person;
    person.Open("SELECT p.Person_Name, p.Person_Level, p.Person_Password, p.Color_Type, p.FontType, "
                "p.Welcome_Word, r.Budget, r.SystemSet FROM Person p JOIN PersonRight r "
                "ON r.Person_No = p.Person_No WHERE p.Person_No = ?1",
                {static_cast<std::int64_t>(u.person_no)});
    ASSERT_FALSE(person.IsEnd()) << u.name;
    EXPECT_EQ(person.GetText("Person_Name"), u.name);
    EXPECT_EQ(person.GetLong("Person_Level"), u.level);
    EXPECT_EQ(person.GetText("Person_Password"), "");
    EXPECT_EQ(person.GetByte("Color_Type"), u.color_type);
    EXPECT_EQ(person.GetByte("FontType"), u.font_type);
    EXPECT_EQ(person.GetText("Welcome_Word"), u.welcome_word);
    EXPECT_EQ(person.GetBool("Budget"), u.budget);
    EXPECT_EQ(person.GetBool("SystemSet"), u.system_set);
  }

  for (const DemoPlan& p : h.plans) {
    CDBPack plan;
    plan.Open("SELECT Input_Type, Chargeup_Type, YYear, MMonth, DDay, Week, State, Person_No, Last_Chargeup "
              "FROM AccountInputPlan WHERE PlanID = ?1",
              {static_cast<std::int64_t>(p.plan_id)});
    ASSERT_FALSE(plan.IsEnd()) << p.plan_id;
    EXPECT_EQ(plan.GetByte("Input_Type"), p.entry.kind);
    EXPECT_EQ(plan.GetByte("Chargeup_Type"), p.chargeup_type);
    EXPECT_EQ(plan.GetShort("MMonth"), p.month);
    EXPECT_EQ(plan.GetShort("DDay"), p.day);
    EXPECT_EQ(plan.GetLong("Person_No"), p.person_no);
    EXPECT_EQ(plan.GetDate("Last_Chargeup"), p.last_chargeup);

    // The lines are the voucher the plan books, all with the plan's text.
    const std::vector<VoucherLine> expected = ComposeLines(p.entry);
    CDBPack lines;
    lines.Open("SELECT Line_No, Content, Item_No, Cash, IsDebit FROM Detail_Plan WHERE PlanID = ?1 ORDER BY Line_No",
               {static_cast<std::int64_t>(p.plan_id)});
    for (const VoucherLine& line : expected) {
      ASSERT_FALSE(lines.IsEnd());
      EXPECT_EQ(lines.GetShort("Line_No"), line.line);
      EXPECT_EQ(lines.GetText("Content"), p.entry.description);
      EXPECT_EQ(lines.GetText("Item_No"), line.item);
      EXPECT_EQ(lines.GetDouble("Cash"), line.cash);
      EXPECT_EQ(lines.GetBool("IsDebit"), line.debit);
      lines.MoveNext();
    }
    EXPECT_TRUE(lines.IsEnd());
  }

  const DemoCardSetting& card = h.card_settings.front();
  CDBPack settings;
  settings.Open("SELECT PayItem_No, BillDate, PayDate, AfterBillDays, PayMode FROM CreditCard WHERE Item_No = ?1",
                {card.item_no});
  ASSERT_FALSE(settings.IsEnd());
  EXPECT_EQ(settings.GetText("PayItem_No"), card.pay_item_no);
  EXPECT_EQ(settings.GetShort("BillDate"), card.bill_date);
  EXPECT_EQ(settings.GetShort("PayDate"), card.pay_date);
  EXPECT_EQ(settings.GetShort("AfterBillDays"), card.after_bill_days);
  EXPECT_EQ(settings.GetShort("PayMode"), card.pay_mode);

  EXPECT_EQ(Count("Budget"), static_cast<int>(h.budgets.size()));
  const DemoPropertyItem& item = h.property_budget.front();
  CDBPack property;
  property.Open("SELECT Content, TypeID, StartDate, Cash, Increase FROM PropertyBudget WHERE BudgetID = ?1",
                {static_cast<std::int64_t>(item.budget_id)});
  ASSERT_FALSE(property.IsEnd());
  EXPECT_EQ(property.GetText("Content"), item.content);
  EXPECT_EQ(property.GetByte("TypeID"), item.type_id);
  EXPECT_EQ(property.GetDate("StartDate"), 0);  // no start date
  EXPECT_EQ(property.GetDouble("Cash"), item.cash);
  EXPECT_EQ(property.GetDouble("Increase"), item.increase);
}

TEST_F(DemoTablesTest, WritingAgainReplacesTheRowsInsteadOfAddingThem) {
  const DemoHousehold& h = Household();
  ASSERT_TRUE(WriteDemoTables(h));
  ASSERT_TRUE(WriteDemoTables(h));
  EXPECT_EQ(Count("Item"), static_cast<int>(DemoChart(h).size()));
  EXPECT_EQ(Count("Person"), static_cast<int>(h.users.size()));
  EXPECT_EQ(Count("PersonRight"), static_cast<int>(h.users.size()));
  EXPECT_EQ(Count("AccountInputPlan"), static_cast<int>(h.plans.size()));
  int plan_lines = 0;
  for (const DemoPlan& p : h.plans) plan_lines += LineCount(p.entry.kind);
  EXPECT_EQ(Count("Detail_Plan"), plan_lines);
  EXPECT_EQ(Count("CreditCard"), static_cast<int>(h.card_settings.size()));
  EXPECT_EQ(Count("Budget"), static_cast<int>(h.budgets.size()));
  EXPECT_EQ(Count("PropertyBudget"), static_cast<int>(h.property_budget.size()));
}

}  // namespace
}  // namespace cw
