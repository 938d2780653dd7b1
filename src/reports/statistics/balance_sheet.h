#pragma once
// "财产负债表": the assets and the liabilities as two account trees under the
// heading rows "财产" and "负债", each account with its balance and its share,
// then "净资产（财产-负债）"; and the two pies "财产图" and "负债图".
//
// Every account holds the net debit balance of its subtree (of the same
// category) up to the cut-off. Liabilities are shown negated, so an ordinary
// debt reads positive and a credit card paid beyond its debt negative. In the
// pies an asset below zero counts as a debt and a liability with a debit
// balance as property.
#include <string>
#include <utility>
#include <vector>

#include "controls/charts/pie_geometry.h"
#include "controls/grid_model.h"
#include "core/item_cache.h"

namespace cw {

enum BalanceSheetColumn { kBsName = 0, kBsAmount = 1, kBsShare = 2 };

struct AccountSums {
  std::string code;
  double sum = 0;
};

struct BalanceSheet {
  GridModel table;
  PieChart assets;       // "财产图"
  PieChart liabilities;  // "负债图"
};

// The sheet of `chart` (the account list in code order) from the per-account
// debit and credit sums up to the cut-off.
BalanceSheet BalanceSheetOf(const std::vector<CItemCache::Entry>& chart, const std::vector<AccountSums>& debits,
                            const std::vector<AccountSums>& credits);
// The same, reading the sums of every voucher up to and including the month of
// `bound` (year × 100000 + month × 1000 + 999) from the per-account month totals.
BalanceSheet BuildBalanceSheet(int bound);

}  // namespace cw
