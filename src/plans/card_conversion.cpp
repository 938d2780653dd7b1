#include "plans/card_conversion.h"

#include "core/card_conversion.h"
#include "core/item_cache.h"
#include "plans/card_cache.h"
#include "store/database.h"

namespace cw {

CardProposal ProposeCardAccounts() {
  std::lock_guard guard(Database::Lock());
  CardProposal proposal;
  const CardChoice choice = PreselectCards();
  for (const AccountRef& account : choice.borrowing) proposal.borrowing.push_back(account.code);
  for (const AccountRef& account : choice.cards) proposal.cards.push_back(account.code);
  return proposal;
}

bool ConvertToCards(const std::vector<std::string>& cards) {
  Transaction tx;
  if (!ConvertToCardAccounts(cards)) tx.Fail();
  const bool done = tx.ok() && tx.Commit();
  CItemCache::Instance().MarkDirty();
  CCreditCardCache::Instance().MarkStale();
  return done;
}

}  // namespace cw
