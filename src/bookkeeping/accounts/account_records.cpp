#include "bookkeeping/accounts/account_records.h"

#include "core/item_cache.h"
#include "plans/card_cache.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {
namespace {

// The NUM column of a counting statement; nothing when it failed.
std::optional<int> Count(int statement, const std::string& code) {
  CDBPack rows;
  if (!rows.Open(Database::LoadStatement(statement), {code}) || rows.IsEnd()) return std::nullopt;
  return rows.GetLong("NUM");
}

bool Move(int statement, const std::string& target, const std::string& source) {
  return Database::Execute(Database::LoadStatement(statement), {target, source}) == 1;
}

}  // namespace

std::optional<AccountRecord> ReadAccount(const std::string& code) {
  CDBPack rows;
  // The chart listing narrowed to one account, so that the leaf test is the
  // one the cache uses.
  if (!rows.Open(Database::LoadStatement(290, "WHERE I.Item_No = ?1"), {code}) || rows.IsEnd()) return std::nullopt;
  return AccountRecord{rows.GetText("Item_No"), rows.GetText("Item_Name"), rows.GetByte("ItemType"),
                       rows.GetLong("NUM") == 1};
}

std::optional<int> CountVoucherLines(const std::string& code) { return Count(321, code); }

std::optional<AccountUsage> ReadUsage(const std::string& code) {
  std::optional<int> lines = CountVoucherLines(code);
  std::optional<int> plans = Count(717, code);
  std::optional<int> cards = Count(941, code);
  if (!lines || !plans || !cards) return std::nullopt;
  return AccountUsage{*lines > 0, *plans > 0, *cards > 0};
}

bool MoveVoucherLines(const std::string& target, const std::string& source) { return Move(380, target, source); }

bool MovePlans(const std::string& target, const std::string& source) {
  return Move(716, target, source) && Move(940, target, source);
}

bool MoveBudgetLines(const std::string& target, const std::string& source) { return Move(728, target, source); }

bool StoreCardSetting(const std::string& code, const CardSetting& card, bool update) {
  if (update) {
    return Database::Execute(Database::LoadStatement(756), {card.bill_date, card.pay_date, card.after_bill_days,
                                                            card.pay_item_no, card.pay_mode, code});
  }
  return Database::Execute(Database::LoadStatement(755), {code, card.bill_date, card.pay_date, card.after_bill_days,
                                                          card.pay_item_no, card.pay_mode});
}

void MarkChartChanged() {
  CItemCache::Instance().MarkDirty();
  CCreditCardCache::Instance().MarkStale();
}

}  // namespace cw
