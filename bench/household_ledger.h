#pragma once
// A generated household ledger for the benchmark: a chart of about forty
// accounts and, per month, any number of vouchers with the mix of a real
// household (mostly spending, by cash, bank card and credit card; monthly pay;
// deposits and withdrawals with interest, transfers, card repayments,
// investments, loans). Fixed seed: every run books the same ledger.
#include <random>
#include <string>
#include <vector>

#include "cli/chart_import.h"
#include "core/booking.h"
#include "core/voucher_import.h"

namespace cw::bench {

// The sub-accounts the ledger books on, below the standard chart.
std::vector<cli::NewAccount> HouseholdAccounts();

class HouseholdLedger {
 public:
  explicit HouseholdLedger(unsigned seed = 20150219);

  // One booking dated on a random day of the month; account types are filled.
  Booking NextBooking(int year, int month);
  // `count` vouchers of the month, in random date order.
  std::vector<ImportedVoucher> Month(int year, int month, int count);

 private:
  int RandomInt(int low, int high);  // low..high inclusive
  double Amount(double low, double high);
  const std::string& Pick(const std::vector<std::string>& codes);

  std::mt19937 random_;
};

}  // namespace cw::bench
