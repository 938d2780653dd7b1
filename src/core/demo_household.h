#pragma once
// The demonstration data set: a believable Chinese household of three (爸爸,
// 妈妈 and their son 小明) keeping its books from 1 January 2005 to
// 9 September 2008. Everything is generated from a fixed seed, so every build
// produces the same data.
//
// The vouchers end with exactly nine on 1 to 9 September 2008, so that the
// newest voucher number of the set is 200809009; the program recognises the
// untouched sample data by that number and moves it forward to the current
// month.
#include <string>
#include <vector>

#include "core/booking.h"
#include "core/standard_chart.h"

namespace cw {

// A user with rights and look.
struct DemoUser {
  int person_no = 0;
  std::string name;
  int level = 1;                 // 0 administrator, 1 ordinary user
  int state = 0;                 // 0 active
  std::string password_digest;   // empty: no password
  // Rights: bookkeeping, ledger queries, charts, budgets, system management.
  bool voucher = true;
  bool voucher_query = true;
  bool voucher_graph = true;
  bool budget = true;
  bool system_set = true;
  int color_type = 0;            // theme 0-4
  int font_type = 0;             // 0 small, 1 medium, 2 large
  std::string welcome_word;
};

// A scheduled booking: the recurrence rule, the booking mode and the entry it
// books (kind, accounts, amounts, description with match strings such as
// "<YM>", deposit code). Its plan lines are composed from the entry the way
// the voucher engine composes voucher lines.
struct DemoPlan {
  int plan_id = 0;
  int chargeup_type = 0;  // 0 book silently, 1 book and show, 2 ask first
  int year = 0;           // YYear, 0 = every year
  int month = 0;          // MMonth, 0 = every month
  int day = 0;            // DDay, 0 = every day (or weekly)
  int week = 0;           // Week 1-7 (Monday-Sunday), 0 = not weekly
  int state = 0;          // 0 enabled, 1 disabled
  int person_no = 0;
  int last_chargeup = 0;  // serial day from which the next occurrence is searched
  Booking entry;          // kind, accounts with types, amounts, description, deposit code
};

struct DemoCardSetting {
  std::string item_no;      // the card's account
  std::string pay_item_no;  // account that repays it
  int bill_date = 1;        // bill day of month
  int pay_date = 0;         // repayment day of month, or 0
  int after_bill_days = 0;  // repayment this many days after the bill, or 0
  int pay_mode = 0;         // 1 = book the repayment automatically
};

// One line of an income or expense budget.
struct DemoBudgetLine {
  int budget_no = 0;  // year*100 + month, + 50 + quarter, or + 61 for a year
  int category = 0;   // 1 income, 2 expense
  std::string item_no;
  double cash = 0;
};

// One item of the family property projection.
struct DemoPropertyItem {
  int budget_id = 0;
  std::string content;
  int type_id = 0;            // 1 regular income, 2 regular spending, 100 inflation
  int cash_frequency = 0;     // 4 monthly, 5 quarterly, 6 yearly
  int start_date = 0;         // serial day, 0 = none
  int end_date = 0;           // serial day, 0 = none
  double cash = 0;            // amount, or a fraction for the rate kinds
  int cash_type = 0;          // 0 fixed, 1 year-on-year rate, 2 share of average income
  double increase = 0;
  int increase_frequency = 0;
  int increase_type = 0;      // 0 fixed amount, 1 percentage
};

struct DemoHousehold {
  // Sub-accounts below the standard chart. A standard account that gets
  // sub-accounts loses its type to them (see ExtendChart).
  std::vector<ChartAccount> accounts;
  std::vector<DemoUser> users;
  // In date order; person_no names the user who booked each entry, plan the
  // scheduled booking that produced it.
  std::vector<Booking> bookings;
  std::vector<DemoPlan> plans;
  std::vector<DemoCardSetting> card_settings;
  std::vector<DemoBudgetLine> budgets;
  std::vector<DemoPropertyItem> property_budget;
};

DemoHousehold BuildDemoHousehold();

// The standard chart with the household's sub-accounts, in code order, with
// type 0 on every account that has sub-accounts.
std::vector<ChartAccount> DemoChart(const DemoHousehold& household);

// Writes everything but the bookings into the open data set, in one
// transaction: the whole chart (rows of the same code are replaced, so the
// standard chart may already be there), users and their rights, plans with
// their lines, card settings and budgets. Users, plans and property items keep
// their numbers (a row with the same number is replaced). False when a
// statement failed; then nothing was written.
bool WriteDemoTables(const DemoHousehold& household);

}  // namespace cw
