#include "reports/statistics/balance_sheet.h"

#include <cmath>
#include <unordered_map>

#include "core/ledger_model.h"
#include "reports/statistics/statistics_rows.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {
namespace {

bool IsAssetType(int type) { return type >= kTypeCash && type <= kTypeLent; }

struct SheetEntry {
  const CItemCache::Entry* account;
  double amount = 0;  // net debit balance of the subtree
  int level = 0;      // depth under its heading row, 1 for a top row
};

// The assets in chart order, then money borrowed, then credit cards.
std::vector<SheetEntry> Entries(const std::vector<CItemCache::Entry>& chart) {
  std::vector<SheetEntry> entries;
  for (const auto& account : chart)
    if (IsAssetType(account.type)) entries.push_back({&account});
  for (int type : {kTypeBorrowed, kTypeCreditCard})
    for (const auto& account : chart)
      if (account.type == type) entries.push_back({&account});
  return entries;
}

// Adds `sign` × each sum to every entry of the summed account's category whose
// code begins the summed account's code.
void AddSums(std::vector<SheetEntry>& entries, const std::unordered_map<std::string, int>& type_of,
             const std::vector<AccountSums>& sums, double sign) {
  for (const AccountSums& sum : sums) {
    const auto type = type_of.find(sum.code);
    if (type == type_of.end()) continue;
    for (SheetEntry& entry : entries) {
      if (entry.account->type == type->second && sum.code.starts_with(entry.account->code))
        entry.amount += sign * sum.sum;
    }
  }
}

// Each row nests under the nearest preceding row with a shorter code.
void SetLevels(std::vector<SheetEntry>& entries, std::size_t from, std::size_t to) {
  std::vector<std::size_t> parents;
  for (std::size_t i = from; i < to; ++i) {
    while (!parents.empty() && entries[parents.back()].account->code.size() >= entries[i].account->code.size())
      parents.pop_back();
    entries[i].level = static_cast<int>(parents.size()) + 1;
    parents.push_back(i);
  }
}

GridRow HeadingRow(const char* name, const char* key, double amount, std::string share) {
  GridRow row{.key = std::string(key), .cells = {name, StatAmount(amount), std::move(share)}};
  SetRowClass(row, StatRowClass::kHeading);
  return row;
}


}  // namespace

BalanceSheet BalanceSheetOf(const std::vector<CItemCache::Entry>& chart, const std::vector<AccountSums>& debits,
                            const std::vector<AccountSums>& credits) {
  std::unordered_map<std::string, int> type_of;
  for (const auto& account : chart) type_of[account.code] = account.type;
  std::vector<SheetEntry> entries = Entries(chart);
  AddSums(entries, type_of, debits, 1);
  AddSums(entries, type_of, credits, -1);
  std::size_t first_liability = 0;
  while (first_liability < entries.size() && IsAssetType(entries[first_liability].account->type)) ++first_liability;
  SetLevels(entries, 0, first_liability);
  SetLevels(entries, first_liability, entries.size());

  double assets = 0, liabilities = 0;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (!entries[i].account->leaf) continue;
    (i < first_liability ? assets : liabilities) += entries[i].amount;
  }

  BalanceSheet sheet;
  sheet.assets.title = "财产图";
  sheet.liabilities.title = "负债图";
  GridModel& table = sheet.table;
  table.SetColumns({{.title = "类别", .width = 200, .align = Align::Left},
                    {.title = "金额", .width = 120, .align = Align::Right, .sort = SortKind::Number},
                    {.title = "比例", .width = 120, .align = Align::Right, .sort = SortKind::Number}});
  table.AddRow(HeadingRow("财产", "1", assets, StatPercent(assets, assets)));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const SheetEntry& entry = entries[i];
    const bool asset = i < first_liability;
    if (i == first_liability) table.AddRow(HeadingRow("负债", "2", -liabilities, StatPercent(liabilities, liabilities)));
    GridRow row{.key = entry.account->code,
                .cells = {entry.account->name, StatAmount(asset ? entry.amount : -entry.amount),
                          StatPercent(entry.amount, asset ? assets : liabilities)},
                .level = entry.level};
    if (!entry.account->leaf) SetRowClass(row, StatRowClass::kSummary);
    table.AddRow(std::move(row));
    // The pies take the top rows: what is owned on one side, what is owed on the other.
    if (entry.level == 1 && !IsZeroAmount(entry.amount)) {
      PieChart& pie = entry.amount > 0 ? sheet.assets : sheet.liabilities;
      pie.items.push_back({entry.account->name, std::fabs(entry.amount)});
    }
  }
  if (first_liability == entries.size())
    table.AddRow(HeadingRow("负债", "2", -liabilities, StatPercent(liabilities, liabilities)));
  table.AddRow(HeadingRow("净资产（财产-负债）", "3", assets + liabilities, ""));
  return sheet;
}

BalanceSheet BuildBalanceSheet(int bound) {
  // The month totals hold every line of whole months, opening vouchers
  // included: every month up to the cut-off's, its last voucher too.
  std::vector<AccountSums> debits, credits;
  CDBPack rows;
  rows.Open(Database::LoadStatement(970), {0, bound / 1000});
  for (; !rows.IsEnd(); rows.MoveNext()) {
    const std::string code = rows.GetText("Item_No");
    debits.push_back({code, rows.GetDouble("Debit")});
    credits.push_back({code, rows.GetDouble("Loan")});
  }
  return BalanceSheetOf(CItemCache::Instance().Entries(), debits, credits);
}

}  // namespace cw
