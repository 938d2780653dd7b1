#pragma once
// A fresh ledger with the standard chart for the entry pages, user 1 ("管理员")
// logged in, and helpers that book vouchers and render tables compactly.
#include <string>
#include <vector>

#include "controls/grid_model.h"
#include "support/ledger_fixture.h"

namespace cw::testing {

class EntriesTest : public LedgerTest {
 protected:
  // Books through the engine; the voucher's number.
  static int Book(const std::string& date, int kind, const std::string& account1, const std::string& account2,
                  double amount, const std::string& description = "", const std::string& account3 = "",
                  double amount2 = 0);
  // Books as user `person` and logs user 1 in again.
  static int BookAs(int person, const std::string& date, int kind, const std::string& account1,
                    const std::string& account2, double amount);
  // Adds a user; his number.
  static int AddUser(const std::string& name);

  // Each row as "key|cell|cell..." with the cells of the columns titled `titles`.
  static std::vector<std::string> Rows(const GridModel& table, const std::vector<std::string>& titles);
  // The keys of the rows, in order.
  static std::vector<std::string> Keys(const GridModel& table);
  static int ColumnTitled(const GridModel& table, const std::string& title);
};

}  // namespace cw::testing
