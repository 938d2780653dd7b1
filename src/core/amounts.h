#pragma once
// The limits of an amount of money, whichever way it enters the ledger: the
// booking dialog, the opening amounts, the command line or an import.

namespace cw {

// The largest amount a booking may carry.
inline constexpr double kMaxAmount = 1e12;

// Whether `amount` is a whole number of cents. Amounts are kept as doubles, so
// the test allows the error that a decimal of two places picks up in binary;
// anything not finite fails.
bool IsWholeCents(double amount);

}  // namespace cw
