#include "plans/card_cache.h"

#include "store/database.h"
#include "store/row_reader.h"

namespace cw {

CCreditCardCache& CCreditCardCache::Instance() {
  static CCreditCardCache cache;
  return cache;
}

void CCreditCardCache::MarkStale() {
  std::lock_guard guard(mutex_);
  stale_ = true;
}

void CCreditCardCache::EnsureLoaded() {
  if (!stale_ && loaded_generation_ == Database::OpenGeneration()) return;
  cards_.clear();
  CDBPack rows;
  rows.Open(Database::LoadStatement(763));
  for (; !rows.IsEnd(); rows.MoveNext()) {
    CardSetting card;
    card.item_no = rows.GetText("Item_No");
    card.pay_item_no = rows.GetText("PayItem_No");
    card.bill_date = rows.GetShort("BillDate");
    card.pay_date = rows.GetShort("PayDate");
    card.after_bill_days = rows.GetShort("AfterBillDays");
    card.pay_mode = rows.GetShort("PayMode");
    cards_.push_back(std::move(card));
  }
  stale_ = false;
  loaded_generation_ = Database::OpenGeneration();
}

// The connection lock is always taken before the cache's own, so that a thread
// inside a transaction and a thread reloading the cache cannot wait on each other.
std::vector<CardSetting> CCreditCardCache::Cards() {
  std::lock_guard db(Database::Lock());
  std::lock_guard guard(mutex_);
  EnsureLoaded();
  return cards_;
}

std::optional<CardSetting> CCreditCardCache::Find(const std::string& item_no) {
  std::lock_guard db(Database::Lock());
  std::lock_guard guard(mutex_);
  EnsureLoaded();
  for (const CardSetting& card : cards_) {
    if (card.item_no == item_no) return card;
  }
  return std::nullopt;
}

bool IsCreditCard(const std::string& item_no) { return CCreditCardCache::Instance().Find(item_no).has_value(); }

}  // namespace cw
