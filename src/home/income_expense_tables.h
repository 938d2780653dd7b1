#pragma once
// The home page's income and expense statistics: the totals of this month and
// this year, and this month's income and expense by account.
#include "home/home_table.h"

namespace cw {

struct IncomeExpenseTables {
  // "收支统计表": 收支类型, 收入, 支出, "收入 - 支出"; rows "本月收支" and "本年度收支".
  HomeTable summary;
  // "本月收入分类统计表" / "本月支出分类统计表": 收入类别 (支出类别), 金额, 百分比;
  // one row per account with a non-zero month total, linked to its ledger,
  // then the total row.
  HomeTable month_income;
  HomeTable month_expense;
};

// Figures for the month and year of `today` (a serial day). Opening vouchers
// (initial assets and liabilities) are not income of the month they are dated in
// and stay out.
IncomeExpenseTables MakeIncomeExpenseTables(int today);

}  // namespace cw
