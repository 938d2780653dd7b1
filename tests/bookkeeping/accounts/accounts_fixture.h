#pragma once
// A fresh ledger with the standard chart plus a few sub-accounts, and helpers
// to book on accounts, schedule bookings, budget and repay cards from them.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/standard_chart.h"
#include "support/ledger_fixture.h"

namespace cw::testing {

// Where the rows naming an account are: voucher lines, plan lines, budget
// lines, cards repaid from it.
struct Refs {
  int lines = 0, plans = 0, budgets = 0, repaid_cards = 0;
  bool operator==(const Refs&) const = default;
};
// An account's stored record.
struct Stored {
  std::string name;
  int type = 0;
  bool operator==(const Stored&) const = default;
};
void PrintTo(const Refs& refs, std::ostream* out);
void PrintTo(const Stored& stored, std::ostream* out);

class AccountsTest : public LedgerTest {
 protected:
  void SetUp() override;
  // Empties the ledger again inside a test: no vouchers, plans, cards or
  // budgets, the standard chart, nothing shown and no answers queued.
  void Reset();

  // Replaces the chart by the standard chart with `sub_accounts` added (their
  // parents lose their types).
  static void UseChart(const std::vector<ChartAccount>& sub_accounts);
  // One voucher of kind 3 (expense) from `paying` on `expense`; its number.
  int BookExpense(const std::string& expense, const std::string& paying, double amount = 10);
  // A scheduled booking with one line on `code`.
  static void Schedule(const std::string& code);
  static void Budget(const std::string& code, double amount);
  // A card repaid automatically from `paying`.
  static void RepayCardFrom(const std::string& card, const std::string& paying);

  static Refs RefsOf(const std::string& code);
  // Nothing when the account is gone.
  static std::optional<Stored> StoredAccount(const std::string& code);

  // The texts shown so far, in order.
  std::vector<std::string> Shown() const;
};

}  // namespace cw::testing
