#pragma once
// The credit-card settings of every card account, read once and shared by the
// whole process (the home page on the interface thread, the automatic
// repayment on the booking thread). Loaded on first use, and again on the next
// use after a change to the cards marked it stale or another data set was
// opened. Safe to use from several threads.
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace cw {

// One card's bill and repayment rule (a row of table CreditCard).
struct CardSetting {
  std::string item_no;      // the card's account
  std::string pay_item_no;  // the account that repays it
  int bill_date = 1;        // bill day of month, 1-31
  int pay_date = 0;         // repayment day of month 1-31; 0: counted from the bill date
  int after_bill_days = 0;  // repayment date = bill date + this many days; 0 when pay_date is used
  int pay_mode = 0;         // 1: the repayment is booked automatically
};

class CCreditCardCache {
 public:
  static CCreditCardCache& Instance();

  CCreditCardCache(const CCreditCardCache&) = delete;
  CCreditCardCache& operator=(const CCreditCardCache&) = delete;

  // Call after any change to a card or its settings.
  void MarkStale();
  // Every card's settings in account-code order (a copy, so that the caller
  // may keep it while another thread reloads).
  std::vector<CardSetting> Cards();
  std::optional<CardSetting> Find(const std::string& item_no);

 private:
  CCreditCardCache() = default;
  void EnsureLoaded();  // caller holds mutex_

  std::mutex mutex_;
  std::vector<CardSetting> cards_;
  bool stale_ = true;
  int loaded_generation_ = -1;
};

// True when the account has card settings.
bool IsCreditCard(const std::string& item_no);

}  // namespace cw
