#include "core/card_conversion.h"

#include "core/ledger_model.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {

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

bool MarkCardAccounts(const std::vector<std::string>& codes) {
  for (const std::string& code : codes) {
    if (!Database::Execute(Database::LoadStatement(530, "Item_No = ?2"), {kTypeCreditCard, code})) return false;
  }
  return true;
}

}  // namespace cw
