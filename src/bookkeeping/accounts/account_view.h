#pragma once
// What the account page shows, as plain values: the category bar ("科目类别")
// and the rows of the account tree for the chosen category, and which
// context-menu commands a row allows.
#include <cstddef>
#include <string>
#include <vector>

#include "core/item_cache.h"

namespace cw {

struct AccountCategory {
  std::string code;  // empty for the last entry, "所有科目"
  std::string name;
  int type = 0;   // the account's derived type; 0 for "所有科目"
  int image = 0;  // category-bar image
  bool IsAll() const { return code.empty(); }
};

// The category-bar image of an account type: 1 cash, 2 bank deposit, 3 credit
// card, 4 income, 5 expense, 6 money borrowed, 7 money lent, 8 investment;
// 0 for a type without one. "所有科目" has image kAllAccountsImage.
int CategoryImage(int type);
inline constexpr int kAllAccountsImage = 99;

// The entries in code order: every top-level account except the initial-income
// account "502" while it is an income account, every credit-card group (a
// 5-digit account of type 8), then "所有科目".
std::vector<AccountCategory> BuildCategories(const std::vector<CItemCache::Entry>& chart);
// The entry chosen first: the first of `requested_type`, else the first.
std::size_t InitialCategory(const std::vector<AccountCategory>& categories, int requested_type);
// The part of the codes the tree leaves out: the entry's code without its last
// three characters, so that the entry's own account shows a 3-character code.
std::string CategoryPrefix(const AccountCategory& category);

struct AccountRow {
  std::string code;       // the full code
  std::string relative;   // the code without the category's prefix
  std::string name;
  std::string type_name;  // empty for an account with sub-accounts
  bool leaf = false;
  int type = 0;
  // A leaf without a type is drawn in red with a mark after its name.
  bool Untyped() const { return leaf && type == 0; }
  // The name as the tree shows it: "<name> [科目类型未设置]" for an untyped leaf.
  std::string Text() const;
  // A displayed root: its relative code is a top-level code.
  bool IsRoot() const { return relative.size() <= 3; }
};

// The accounts of a category in code order: those whose code starts with the
// entry's code and whose derived type is the entry's type; every account for
// "所有科目".
std::vector<AccountRow> CategoryRows(const std::vector<CItemCache::Entry>& chart, const AccountCategory& category);

// The context-menu entries that depend on the row: a sibling cannot be added
// beside a displayed root; neither a displayed root nor an account with
// sub-accounts can be deleted.
struct AccountMenuState {
  bool add_sibling = true;
  bool remove = true;
};
AccountMenuState MenuStateFor(const AccountRow& row);

}  // namespace cw
