#pragma once
// The budget table with its comparison and the property projection on the
// benchmark ledger of `years` years from `first_year`.

namespace cw::bench {

// Writes twenty years of monthly expense budgets (every expense leaf) ending
// with the ledger's last year and times the table with its comparison rows;
// writes thirty projection items and times a projection fifty years ahead.
void TimeBudgets(int first_year, int years);

}  // namespace cw::bench
