#pragma once
// The sixteen ledgers as the grid shows them: for each account category a
// detail table (every line of one account and its sub-accounts over a range of
// months, with a running balance and month, year and cumulative rows) and a
// balance table (every account of the category as a tree with its opening
// balance, the period's movements and its closing balance).
//
// A range is two voucher-number bounds of whole months: start = year * 100000
// + month * 1000, end = start of the last month + 999.
#include <optional>
#include <string>

#include "controls/grid_model.h"

namespace cw {

// The range of the months first..last (yyyymm).
struct LedgerRange {
  int start = 0;
  int end = 0;
  static LedgerRange OfMonths(int first_yyyymm, int last_yyyymm);
  int FirstMonth() const { return start / 1000; }  // yyyymm
  int LastMonth() const { return end / 1000; }
};

// Two header rows of the six balance tables other than income and expense:
// "本期发生额" stands over columns 2 and 3.
struct HeaderSpan {
  std::string title;
  int first_column = 0;
  int last_column = 0;
};

struct LedgerTable {
  std::string title;  // "现金明细表" ...
  GridModel grid;
  std::optional<HeaderSpan> span;
};

// Text of the range in captions: "%d年%d月 - %d年%d月".
std::string RangeText(const LedgerRange& range);

// Detail table of `account` (its category decides columns and sides). Data
// rows carry their voucher number as key; opening, month, year and cumulative
// rows have no key and the total-row background.
LedgerTable BuildDetailTable(const std::string& account, const LedgerRange& range);
// Balance table of category `type`. Rows carry the account code as key and the
// tree level of the account; summary accounts have the total-row background.
LedgerTable BuildBalanceTable(int type, const LedgerRange& range);

}  // namespace cw
