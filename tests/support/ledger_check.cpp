#include "support/ledger_check.h"

#include <cmath>
#include <map>

#include "core/ledger_model.h"
#include "store/month_totals.h"
#include "store/row_reader.h"

namespace cw::testing {

Problems CheckLedger() {
  Problems problems;
  std::map<int, std::vector<std::pair<int, double>>> months;  // yyyymm -> (number, date)
  std::map<int, int> kinds;
  {
    CDBPack rows;
    rows.Open("SELECT Voucher_No, Input_Time, Input_Type FROM AccountInput ORDER BY Voucher_No");
    for (; !rows.IsEnd(); rows.MoveNext()) {
      int n = rows.GetLong("Voucher_No");
      months[n / 1000].push_back({n, rows.GetDate("Input_Time")});
      kinds[n] = rows.GetByte("Input_Type");
    }
  }
  for (const auto& [month, list] : months) {
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (list[i].first != month * 1000 + static_cast<int>(i) + 1) problems.Add("gap or park at " + std::to_string(list[i].first));
      if (i > 0 && list[i].second < list[i - 1].second) problems.Add("date order at " + std::to_string(list[i].first));
    }
  }
  std::map<int, std::pair<int, double>> lines;  // number -> (count, debit - credit)
  {
    CDBPack rows;
    rows.Open("SELECT Voucher_No, Cash, IsDebit FROM Detail_Input");
    for (; !rows.IsEnd(); rows.MoveNext()) {
      auto& [count, balance] = lines[rows.GetLong("Voucher_No")];
      ++count;
      balance += rows.GetBool("IsDebit") ? rows.GetDouble("Cash") : -rows.GetDouble("Cash");
    }
  }
  for (const auto& [number, kind] : kinds) {
    auto it = lines.find(number);
    if (it == lines.end() || it->second.first != LineCount(kind)) problems.Add("lines of " + std::to_string(number));
    else if (std::fabs(it->second.second) > 1e-6) problems.Add("unbalanced " + std::to_string(number));
  }
  for (const auto& [number, tally] : lines) {
    if (!kinds.count(number)) problems.Add("stray lines of " + std::to_string(number));
  }
  for (const MonthTotalDifference& d : CompareMonthTotals()) {
    problems.Add("month total of " + d.item + " in " + std::to_string(d.month) + (d.opening ? " (opening)" : ""));
  }
  return problems;
}

}  // namespace cw::testing
