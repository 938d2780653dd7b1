#include "bench/ledger_bench.h"

#include <string>

#include "bench/bench_support.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "reports/ledgers/ledger_tables.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw::bench {
namespace {

constexpr int kRuns = 3;
constexpr int kCategories[] = {kTypeIncome, kTypeExpense, kTypeInvestment, kTypeBorrowed,
                               kTypeLent,   kTypeCash,    kTypeBank,       kTypeCreditCard};

// The leaf of `type` with the most lines (statement 321 per account).
std::string BusiestAccount(int type) {
  std::string busiest;
  int most = -1;
  for (const CItemCache::Entry& e : CItemCache::Instance().Entries()) {
    if (e.type != type || !e.leaf) continue;
    CDBPack rows;
    rows.Open(Database::LoadStatement(321), {e.code});
    const int lines = rows.IsEnd() ? 0 : static_cast<int>(std::get<std::int64_t>(rows.GetValue("NUM")));
    if (lines > most) {
      most = lines;
      busiest = e.code;
    }
  }
  return busiest;
}

}  // namespace

void TimeLedgers(int first_year, int years) {
  const int last_year = first_year + years - 1;
  const LedgerRange last_month = LedgerRange::OfMonths(last_year * 100 + 12, last_year * 100 + 12);
  const LedgerRange last_year_range = LedgerRange::OfMonths(last_year * 100 + 1, last_year * 100 + 12);
  for (int type : kCategories) {
    int rows = 0;
    Timing t = MedianTiming(kRuns, [&] { rows = BuildBalanceTable(type, last_month).grid.RowCount(); });
    Line("(l) " + PageTitle(PageOfType(type, false)) + " at the last month, " + std::to_string(rows) + " rows", Ms(t),
         "aim <= 30 ms");
  }
  for (int type : kCategories) {
    const std::string account = BusiestAccount(type);
    int rows = 0;
    Timing t = MedianTiming(kRuns, [&] { rows = BuildDetailTable(account, last_year_range).grid.RowCount(); });
    Line("(l) " + PageTitle(PageOfType(type, true)) + " " + account + ", one year, " + std::to_string(rows) + " rows",
         Ms(t), "aim <= 30 ms");
  }
}

}  // namespace cw::bench
