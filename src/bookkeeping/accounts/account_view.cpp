#include "bookkeeping/accounts/account_view.h"

#include "bookkeeping/accounts/account_texts.h"
#include "core/ledger_model.h"

namespace cw {

int CategoryImage(int type) {
  switch (type) {
    case kTypeIncome: return 4;
    case kTypeExpense: return 5;
    case kTypeCash: return 1;
    case kTypeBank: return 2;
    case kTypeInvestment: return 8;
    case kTypeLent: return 7;
    case kTypeBorrowed: return 6;
    case kTypeCreditCard: return 3;
    default: return 0;
  }
}

std::vector<AccountCategory> BuildCategories(const std::vector<CItemCache::Entry>& chart) {
  std::vector<AccountCategory> categories;
  for (const CItemCache::Entry& entry : chart) {
    const bool top_level = entry.code.size() == 3;
    const bool card_group = entry.code.size() == 5 && entry.type == kTypeCreditCard;
    if (!top_level && !card_group) continue;
    // The counter-account of the initial assets is no category of its own.
    if (entry.code == kInitialIncomeAccount && entry.type == kTypeIncome) continue;
    categories.push_back({entry.code, entry.name, entry.type, CategoryImage(entry.type)});
  }
  categories.push_back({"", account_texts::kAllAccounts, 0, kAllAccountsImage});
  return categories;
}

std::size_t InitialCategory(const std::vector<AccountCategory>& categories, int requested_type) {
  for (std::size_t i = 0; i < categories.size(); ++i)
    if (!categories[i].IsAll() && categories[i].type == requested_type) return i;
  return 0;
}

std::string CategoryPrefix(const AccountCategory& category) {
  return category.code.size() > 3 ? category.code.substr(0, category.code.size() - 3) : std::string();
}

std::string AccountRow::Text() const {
  return Untyped() ? name + " " + account_texts::kTypeNotSetMark : name;
}

std::vector<AccountRow> CategoryRows(const std::vector<CItemCache::Entry>& chart, const AccountCategory& category) {
  const std::string prefix = CategoryPrefix(category);
  std::vector<AccountRow> rows;
  for (const CItemCache::Entry& entry : chart) {
    if (!category.IsAll() && (!entry.code.starts_with(category.code) || entry.type != category.type)) continue;
    rows.push_back({entry.code, entry.code.substr(prefix.size()), entry.name,
                    entry.leaf ? TypeName(entry.type) : std::string(), entry.leaf, entry.type});
  }
  return rows;
}

AccountMenuState MenuStateFor(const AccountRow& row) { return {!row.IsRoot(), !row.IsRoot() && row.leaf}; }

}  // namespace cw
