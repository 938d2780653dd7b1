// The statement catalogue against the real layout: every entry compiles, and the
// statements that run over a long ledger are answered from an index.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <regex>
#include <string>

#include "base/scripted_prompter.h"
#include "store/database.h"
#include "store/row_reader.h"
#include "store/schema.h"
#include "support/store_fixture.h"

namespace cw {
namespace {

constexpr char kAccounts[] = "Item_No IN ('601','602') AND A.Input_Type<>1";

using CatalogueTest = testing::StoreTest;

// The catalogue text itself, to list every entry number.
std::vector<int> AllEntries() {
  std::vector<int> ids;
  for (int id = 1; id < 1000; ++id) {
    if (!Database::LoadStatement(id).empty()) ids.push_back(id);
  }
  return ids;
}

TEST_F(CatalogueTest, EveryStatementCompilesAgainstTheLayout) {
  std::vector<int> ids = AllEntries();
  ASSERT_GT(ids.size(), 30u);
  for (int id : ids) {
    if (id == 357) continue;  // key material, not a statement
    std::string sql = Database::LoadStatement(id, id == 290 ? "" : "1=1");
    sqlite3_stmt* stmt = nullptr;
    EXPECT_EQ(SQLITE_OK, sqlite3_prepare_v2(Database::Handle(), sql.c_str(), -1, &stmt, nullptr))
        << id << ": " << sqlite3_errmsg(Database::Handle());
    sqlite3_finalize(stmt);
  }
}

TEST_F(CatalogueTest, LedgerStatementsUseAnIndex) {
  struct Case {
    int id;
    std::string slot;
    SqlParams params;
  } cases[] = {
      {413, "", {std::string("2024-05-01"), 202405999}},
      {412, "", {std::string("+"), 1, 202405003, 202406000}},
      {411, "", {std::string("+"), 1, 202405003, 202406000}},
      {250, "", {202405003}},
      {253, "", {202405003}},
      {254, "", {202405003}},
      {256, "", {202405003}},
      {703, kAccounts, {202401001, 202412999}},
      {707, kAccounts, {202401001}},
      {257, "", {0, 999912999}},
      {258, "", {0, 999912999}},
      {737, "", {std::string("2024-05-01")}},
      {738, "", {std::string("2024-05-01")}},
      {629, "Input_Type=2 OR Input_Type=3", {202401001, 202412999}},
      {290, "", {}},
      {299, "", {std::string("101")}},
      // Renumbering in one pass, and the sums read from the account index.
      {905, "", {202405003, 202406000}},
      {906, "", {1, 202405003, 202406000}},
      {907, "", {202405003, 202406000}},
      {908, "", {1, 202405003, 202406000}},
      {909, "", {202405003, 2}},
      {901, "Item_No IN ('101','102')", {202405001}},
      {902, "Item_No IN ('601','602')", {202401001, 202412999}},
      {903, "", {0, 999912999}},
      {904, "Item_No IN ('501','502')", {}},
      // The entry pages: a page's vouchers with their lines, one voucher, the
      // opening vouchers, and a balance brought forward.
      {960, "Input_Type=2 OR Input_Type=3 OR Input_Type=10", {202401001, 202412999}},
      {960, "1=1", {202405003, 202405003}},
      {961, "", {}},
      {962, "Item_No IN ('104','10401')", {202405001}},
  };
  const std::regex full_scan("SCAN TABLE (AccountInput|Detail_Input|Item)( AS [A-Z])?$");
  for (const Case& c : cases) {
    CDBPack plan;
    plan.Open("EXPLAIN QUERY PLAN " + Database::LoadStatement(c.id, c.slot), c.params);
    ASSERT_FALSE(plan.IsEnd()) << c.id;
    for (; !plan.IsEnd(); plan.MoveNext()) {
      std::string detail = plan.GetText("detail");
      EXPECT_FALSE(std::regex_search(detail, full_scan)) << c.id << ": " << detail;
    }
  }
}

}  // namespace
}  // namespace cw
