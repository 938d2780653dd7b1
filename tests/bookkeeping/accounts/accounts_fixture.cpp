#include "accounts_fixture.h"

#include <ostream>

#include "core/item_cache.h"
#include "core/voucher_engine.h"
#include "plans/card_cache.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw::testing {
namespace {

int CountWhere(const std::string& sql, const std::string& code) {
  CDBPack rows;
  rows.Open(sql, {code});
  return rows.IsEnd() ? -1 : rows.GetLong("N");
}

}  // namespace

void AccountsTest::SetUp() {
  LedgerTest::SetUp();
  Reset();
}

void AccountsTest::Reset() {
  for (const char* table : {"AccountInput", "Detail_Input", "AccountInputPlan", "Detail_Plan", "CreditCard", "Budget"})
    Database::Execute(std::string("DELETE FROM ") + table);
  UseChart({});
  CCreditCardCache::Instance().MarkStale();
  prompter_.shown.clear();
  prompter_.answers.clear();
}

void AccountsTest::UseChart(const std::vector<ChartAccount>& sub_accounts) {
  Database::Execute("DELETE FROM Item");
  for (const ChartAccount& a : ExtendChart(StandardChart(), sub_accounts))
    Database::Execute(Database::LoadStatement(349), {a.code, a.name, a.type});
  CItemCache::Instance().MarkDirty();
}

int AccountsTest::BookExpense(const std::string& expense, const std::string& paying, double amount) {
  int number = WriteVoucher(Make("2024-03-05", 3, expense, paying, amount, "午饭"));
  EXPECT_GT(number, 0);
  return number;
}

void AccountsTest::Schedule(const std::string& code) {
  Database::Execute("INSERT INTO AccountInputPlan (Input_Type) VALUES (3)");
  Database::Execute("INSERT INTO Detail_Plan (PlanID, Line_No, Item_No, Cash, IsDebit) "
                    "VALUES ((SELECT MAX(PlanID) FROM AccountInputPlan), 0, ?1, 5, 1)",
                    {code});
}

void AccountsTest::Budget(const std::string& code, double amount) {
  Database::Execute("INSERT INTO Budget (TypeID, Budget_No, Item_No, Cash) VALUES (2, 202403, ?1, ?2)",
                    {code, amount});
}

void AccountsTest::RepayCardFrom(const std::string& card, const std::string& paying) {
  Database::Execute("INSERT INTO CreditCard (Item_No, PayItem_No, BillDate, PayDate, PayMode) "
                    "VALUES (?1, ?2, 5, 25, 1)",
                    {card, paying});
  CCreditCardCache::Instance().MarkStale();
}

Refs AccountsTest::RefsOf(const std::string& code) {
  return {CountWhere("SELECT COUNT(*) AS N FROM Detail_Input WHERE Item_No = ?1", code),
          CountWhere("SELECT COUNT(*) AS N FROM Detail_Plan WHERE Item_No = ?1", code),
          CountWhere("SELECT COUNT(*) AS N FROM Budget WHERE Item_No = ?1", code),
          CountWhere("SELECT COUNT(*) AS N FROM CreditCard WHERE PayItem_No = ?1", code)};
}

std::optional<Stored> AccountsTest::StoredAccount(const std::string& code) {
  CDBPack rows;
  rows.Open("SELECT Item_Name, ItemType FROM Item WHERE Item_No = ?1", {code});
  if (rows.IsEnd()) return std::nullopt;
  return Stored{rows.GetText("Item_Name"), rows.GetByte("ItemType")};
}

std::vector<std::string> AccountsTest::Shown() const {
  std::vector<std::string> texts;
  for (const auto& shown : prompter_.shown) texts.push_back(shown.text);
  return texts;
}

void PrintTo(const Refs& refs, std::ostream* out) {
  *out << "{lines " << refs.lines << ", plans " << refs.plans << ", budgets " << refs.budgets << ", repaid cards "
       << refs.repaid_cards << "}";
}

void PrintTo(const Stored& stored, std::ostream* out) {
  *out << "{" << stored.name << ", type " << stored.type << "}";
}

}  // namespace cw::testing
