#pragma once
// What the data set says about one account, read straight from the tables (the
// chart cache may lag behind a change made a moment ago), and the moves of
// everything that names an account when its bookings go to another one.
#include <optional>
#include <string>

#include "plans/card_cache.h"

namespace cw {

struct AccountRecord {
  std::string code;
  std::string name;
  int stored_type = 0;  // ItemType as stored: 0 on an account with sub-accounts
  bool leaf = false;    // no sub-account
};

// The account `code`; nothing when it is not in the chart or the query failed.
std::optional<AccountRecord> ReadAccount(const std::string& code);

// What refers to an account besides the chart.
struct AccountUsage {
  bool lines = false;        // voucher lines
  bool plans = false;        // scheduled-booking lines
  bool repays_card = false;  // a credit card is repaid from it
  bool any() const { return lines || plans || repays_card; }
};
// Nothing when a count failed (the data store has reported it).
std::optional<AccountUsage> ReadUsage(const std::string& code);
// Number of voucher lines on an account; nothing when the count failed.
std::optional<int> CountVoucherLines(const std::string& code);

// Moves the voucher lines of `source` to `target`.
bool MoveVoucherLines(const std::string& target, const std::string& source);
// Moves what a scheduled run books on `source` to `target`: the lines of the
// scheduled bookings and the repayment account of the credit cards.
bool MovePlans(const std::string& target, const std::string& source);
// Moves the budget lines of `source` to `target`.
bool MoveBudgetLines(const std::string& target, const std::string& source);

// Writes a credit card's settings for account `code` (whatever `card.item_no`
// says): a new record, or with `update` the card's existing one.
bool StoreCardSetting(const std::string& code, const CardSetting& card, bool update);

// Marks the chart cache and the credit-card cache for reloading; every change
// to the chart or to what names an account calls this after it committed.
void MarkChartChanged();

}  // namespace cw
