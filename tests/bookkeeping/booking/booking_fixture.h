#pragma once
// A fresh ledger whose chart has, besides the standard accounts, two banks,
// a credit card, a typeless leaf and two income accounts for interest and
// investment gains; every test starts with no vouchers and user 1 logged in.
#include <string>
#include <vector>

#include "support/ledger_fixture.h"

namespace cw::testing {

class BookingTest : public LedgerTest {
 protected:
  void SetUp() override;

  // The leaves of each account type in this chart, in code order.
  static const std::vector<std::string> kIncome, kExpense, kCash, kBank, kInvestment, kLent, kBorrowed, kCard;
  // The lists joined in order.
  static std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> lists);
};

}  // namespace cw::testing
