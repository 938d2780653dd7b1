#include "plans/card_conversion.h"

#include <utility>

#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "plans/card_cache.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {
namespace {

constexpr int kKindReturnBorrowed = 8;

// Rows (number, content of line 0) of statement `select` for kind 8 on `card`.
std::vector<std::pair<int, std::string>> KindEightOn(int select, const std::string& card, const char* key) {
  std::vector<std::pair<int, std::string>> rows;
  CDBPack found;
  found.Open(Database::LoadStatement(select), {kKindReturnBorrowed, card});
  for (; !found.IsEnd(); found.MoveNext()) rows.emplace_back(found.GetLong(key), found.GetText("Content"));
  return rows;
}

}  // namespace

CardProposal ProposeCardAccounts() {
  CardProposal proposal;
  std::lock_guard guard(Database::Lock());
  CDBPack rows;
  rows.Open(Database::LoadStatement(419), {kTypeBorrowed});
  for (; !rows.IsEnd(); rows.MoveNext()) {
    const std::string code = rows.GetText("Item_No");
    const bool card = rows.GetText("Item_Name").find("信用卡") != std::string::npos;
    (card ? proposal.cards : proposal.borrowing).push_back(code);
  }
  return proposal;
}

bool ConvertToCards(const std::vector<std::string>& cards) {
  Transaction tx;
  bool ok = true;
  for (const std::string& card : cards) {
    ok = ok && Database::Execute(Database::LoadStatement(531), {kTypeCreditCard, card});
    for (const auto& [number, content] : KindEightOn(532, card, "Voucher_No")) {
      ok = ok && Database::Execute(Database::LoadStatement(533), {kKindRepayment, number}) &&
           Database::Execute(Database::LoadStatement(264), {number, 2, content, std::string(kCardInterestAccount), 0.0, 0});
    }
    for (const auto& [plan, content] : KindEightOn(534, card, "PlanID")) {
      ok = ok && Database::Execute(Database::LoadStatement(535), {kKindRepayment, plan}) &&
           Database::Execute(Database::LoadStatement(686), {plan, 2, content, std::string(kCardInterestAccount), 0.0, 0});
    }
  }
  if (!ok) tx.Fail();
  const bool done = tx.ok() && tx.Commit();
  CItemCache::Instance().MarkDirty();
  CCreditCardCache::Instance().MarkStale();
  return done;
}

}  // namespace cw
