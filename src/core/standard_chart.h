#pragma once
// The fixed top level of the chart of accounts that every new data set gets,
// and the joining of sub-accounts onto a chart.
#include <string>
#include <vector>

namespace cw {

struct ChartAccount {
  std::string code;  // Item_No
  std::string name;  // Item_Name
  int type = 0;      // ItemType; 0 on an account that has sub-accounts
};

// The accounts of a new data set in code order: one or more top-level
// accounts per account type, the initial-income account "502" and the
// reserved card-interest account "50399" below the expense account "503".
// Users add and remove sub-accounts; the three-digit accounts stay.
const std::vector<ChartAccount>& StandardChart();

// `chart` with `sub_accounts` added (an account of `sub_accounts` replaces one
// of the same code in `chart`), in code order. Every account that ends up
// with a sub-account gets type 0: the type of a leaf moves to its children.
std::vector<ChartAccount> ExtendChart(const std::vector<ChartAccount>& chart,
                                      const std::vector<ChartAccount>& sub_accounts);

}  // namespace cw
