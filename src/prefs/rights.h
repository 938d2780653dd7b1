#pragma once
// The module rights of a user (`PersonRight`).
#include <array>
#include <string>

namespace cw {

struct Rights {
  bool voucher = true;         // 日常记账: daily entry pages and initial assets
  bool voucher_query = true;   // 账薄查询: detail ledgers and balance tables
  bool voucher_graph = true;   // 图表统计: statistics tables and charts
  bool budget = true;          // 收支预算: budgets
  bool system_set = true;      // 系统管理: accounts and database; users also need level 0

  static Rights All() { return {}; }
  static Rights None() { return {false, false, false, false, false}; }
  // Just the one right, as `Rights::Only(&Rights::budget)`.
  static Rights Only(bool Rights::*right) {
    Rights rights = None();
    rights.*right = true;
    return rights;
  }
  bool operator==(const Rights&) const = default;
};

// The five rights in display order with their check-box labels.
struct RightLabel {
  const char* label;
  bool Rights::*member;
};
inline constexpr std::array<RightLabel, 5> kRightLabels{{
    {"日常记账", &Rights::voucher},
    {"账薄查询", &Rights::voucher_query},
    {"图表统计", &Rights::voucher_graph},
    {"收支预算", &Rights::budget},
    {"系统管理", &Rights::system_set},
}};

// What a command or a verb asks of the logged-in user.
enum class Need {
  kNothing,
  kVoucher,       // entry pages and initial assets
  kVoucherQuery,  // detail ledgers and balance tables
  kVoucherGraph,  // statistics and the balance sheet
  kBudget,        // budgets
  kSystemSet,     // account and database management
  kUserAdmin,     // user management: SystemSet and the administrator level
};

// Whether a user with these rights and `Person_Level` has what `need` asks.
bool Permitted(Need need, const Rights& rights, int level);

// The rights of a user; every right when the user has no rights record, none
// when the query failed (the data store has reported that).
Rights ReadRights(int person_no);

// "全部权限" when all five are set, "无" when none is, otherwise the labels of
// the set rights in display order joined by "、".
std::string RightsText(const Rights& rights);

// Writes the rights of a user: updates the record when there is one, else
// inserts one. One transaction (joining the caller's); false when a statement failed.
bool WriteRights(int person_no, const Rights& rights);

}  // namespace cw
