#pragma once
// The invariants every ledger keeps, checked on the open data set: voucher
// numbers follow dates within each month and run 1..n without gaps, every
// voucher has the 2 or 3 lines of its kind, debits equal credits, no line
// belongs to a voucher that is not there, and the per-account month totals
// equal the lines they sum.
#include <string>
#include <vector>

namespace cw {

// One sentence per fault found; empty when the ledger is whole.
std::vector<std::string> AuditLedger();

}  // namespace cw
