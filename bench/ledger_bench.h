#pragma once
// The ledgers on the benchmark ledger of `years` years from `first_year`.

namespace cw::bench {

// Builds inside the process every balance table at the last month, and every
// detail table over the last year for the busiest account of its category.
void TimeLedgers(int first_year, int years);

}  // namespace cw::bench
