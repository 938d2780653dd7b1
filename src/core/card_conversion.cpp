#include "core/card_conversion.h"

#include <utility>

#include "core/ledger_model.h"
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

CardChoice PreselectCards() {
  CardChoice choice;
  CDBPack rows;
  rows.Open(Database::LoadStatement(419), {kTypeBorrowed});
  for (; !rows.IsEnd(); rows.MoveNext()) {
    AccountRef account{rows.GetText("Item_No"), rows.GetText("Item_Name")};
    (account.name.find("信用卡") != std::string::npos ? choice.cards : choice.borrowing).push_back(account);
  }
  return choice;
}

bool ConvertToCardAccounts(const std::vector<std::string>& codes) {
  for (const std::string& card : codes) {
    if (!Database::Execute(Database::LoadStatement(530, "Item_No = ?2"), {kTypeCreditCard, card})) return false;
    for (const auto& [number, content] : KindEightOn(532, card, "Voucher_No")) {
      if (!Database::Execute(Database::LoadStatement(533), {kKindRepayment, number}) ||
          !Database::Execute(Database::LoadStatement(264), {number, 2, content, std::string(kCardInterestAccount), 0.0, 0}))
        return false;
    }
    for (const auto& [plan, content] : KindEightOn(534, card, "PlanID")) {
      if (!Database::Execute(Database::LoadStatement(535), {kKindRepayment, plan}) ||
          !Database::Execute(Database::LoadStatement(686), {plan, 2, content, std::string(kCardInterestAccount), 0.0, 0}))
        return false;
    }
  }
  return true;
}

}  // namespace cw
