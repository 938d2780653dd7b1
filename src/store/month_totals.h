#pragma once
// Checking the per-account month totals (table MonthTotal, kept by triggers on
// the voucher tables) against the voucher lines they sum.
#include <string>
#include <vector>

namespace cw {

// The voucher engine stops the triggers while it renumbers inside a month,
// inside its transaction (see month_totals.sql). False when the statement failed.
bool HoldMonthTotals();
bool ReleaseMonthTotals();

// A bulk import takes the triggers off for its transaction, puts them back and
// counts the months it wrote again from their voucher lines (yyyymm).
bool RemoveMonthTotalTriggers();
bool AddMonthTotalTriggers();
bool RecountMonthTotals(int yyyymm);

struct MonthTotalFigures {
  double debit = 0;
  double loan = 0;
  int lines = 0;
};

struct MonthTotalDifference {
  std::string item;
  int month = 0;         // yyyymm
  bool opening = false;  // the class of opening lines (kind-1 vouchers)
  MonthTotalFigures stored;
  MonthTotalFigures computed;  // from the voucher lines
};

// Recomputes every month total from the voucher lines and returns the keys
// whose stored figures differ (amounts by more than a thousandth of a cent).
// A stored row with zero figures and no lines matches a missing one.
std::vector<MonthTotalDifference> CompareMonthTotals();

}  // namespace cw
