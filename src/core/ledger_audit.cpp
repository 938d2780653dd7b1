#include "core/ledger_audit.h"

#include <cmath>
#include <map>

#include "base/gbk_text.h"
#include "core/ledger_model.h"
#include "store/month_totals.h"
#include "store/row_reader.h"

namespace cw {

std::vector<std::string> AuditLedger() {
  std::vector<std::string> problems;
  std::map<int, std::vector<std::pair<int, double>>> months;  // yyyymm -> (number, date)
  std::map<int, int> kinds;
  {
    CDBPack rows;
    if (!rows.Open("SELECT Voucher_No, Input_Time, Input_Type FROM AccountInput ORDER BY Voucher_No", {}, true)) {
      return {"the vouchers cannot be read"};
    }
    for (; !rows.IsEnd(); rows.MoveNext()) {
      int n = rows.GetLong("Voucher_No");
      months[n / 1000].push_back({n, rows.GetDate("Input_Time")});
      kinds[n] = rows.GetByte("Input_Type");
    }
  }
  for (const auto& [month, list] : months) {
    for (std::size_t i = 0; i < list.size(); ++i) {
      const std::string number = std::to_string(list[i].first);
      if (list[i].first != month * 1000 + static_cast<int>(i) + 1) {
        problems.push_back("voucher " + number + ": numbers of month " + std::to_string(month) + " have a gap");
      }
      if (i > 0 && list[i].second < list[i - 1].second) {
        problems.push_back("voucher " + number + ": dated before the voucher numbered before it");
      }
    }
  }
  std::map<int, std::pair<int, double>> lines;  // number -> (count, debit - credit)
  {
    CDBPack rows;
    if (!rows.Open("SELECT Voucher_No, Cash, IsDebit FROM Detail_Input", {}, true)) {
      return {"the voucher lines cannot be read"};
    }
    for (; !rows.IsEnd(); rows.MoveNext()) {
      auto& [count, balance] = lines[rows.GetLong("Voucher_No")];
      ++count;
      balance += rows.GetBool("IsDebit") ? rows.GetDouble("Cash") : -rows.GetDouble("Cash");
    }
  }
  for (const auto& [number, kind] : kinds) {
    auto it = lines.find(number);
    if (it == lines.end() || it->second.first != LineCount(kind)) {
      problems.push_back("voucher " + std::to_string(number) + ": " +
                         std::to_string(it == lines.end() ? 0 : it->second.first) + " lines, its kind has " +
                         std::to_string(LineCount(kind)));
    } else if (std::fabs(it->second.second) > 1e-6) {
      problems.push_back("voucher " + std::to_string(number) + ": debits and credits differ");
    }
  }
  for (const auto& [number, tally] : lines) {
    if (!kinds.count(number)) problems.push_back("lines of voucher " + std::to_string(number) + " without the voucher");
  }
  for (const MonthTotalDifference& d : CompareMonthTotals()) {
    problems.push_back(StrFormat("month total of account %s in %d%s: debit %.2f, credit %.2f, %d lines stored; "
                                 "the voucher lines give %.2f, %.2f, %d",
                                 d.item.c_str(), d.month, d.opening ? " (opening vouchers)" : "", d.stored.debit,
                                 d.stored.loan, d.stored.lines, d.computed.debit, d.computed.loan, d.computed.lines));
  }
  return problems;
}

}  // namespace cw
