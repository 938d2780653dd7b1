#pragma once
// A fresh ledger with no budgets and no property items.
#include "core/voucher_engine.h"
#include "store/database.h"
#include "support/ledger_fixture.h"

namespace cw::testing {

class BudgetTest : public LedgerTest {
 protected:
  void SetUp() override {
    LedgerTest::SetUp();
    Database::Execute("DELETE FROM Budget");
    Database::Execute("DELETE FROM PropertyBudget");
  }
  void Book(const std::string& date, int kind, const std::string& account1, const std::string& account2,
            double amount) {
    ASSERT_NE(0, WriteVoucher(Make(date, kind, account1, account2, amount)));
  }
};

}  // namespace cw::testing
