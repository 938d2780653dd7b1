#pragma once
// The statistics tables on the benchmark ledger of `years` years from `first_year`.
#include <string>

namespace cw::bench {

// Builds each table inside the process: over all years in month periods, over
// the last year in day periods, and the balance sheet at the last month.
void TimeStatistics(int first_year, int years);
// `coinwright-cli stats income-expense --period month` over all years on the
// data home `home`, as a whole process (key derivation included).
void TimeCliStatistics(const std::string& home, int first_year, int years);

}  // namespace cw::bench
