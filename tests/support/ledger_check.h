#pragma once
// Checks the invariants every ledger keeps, whatever was done to it.
#include <string>
#include <vector>

namespace cw::testing {

struct Problems {
  std::vector<std::string> found;
  void Add(const std::string& what) { found.push_back(what); }
};

// Numbers unique and in date order within each month, numbered 1..n; every
// voucher with its 2 or 3 lines and debits equal to credits; no stray lines;
// the month totals equal what the lines give.
Problems CheckLedger();

}  // namespace cw::testing
