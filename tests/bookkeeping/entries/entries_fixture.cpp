#include "entries_fixture.h"

#include <optional>

#include "core/session.h"
#include "core/voucher_engine.h"
#include "prefs/user_records.h"
#include "store/database.h"

namespace cw::testing {

int EntriesTest::Book(const std::string& date, int kind, const std::string& account1, const std::string& account2,
                      double amount, const std::string& description, const std::string& account3, double amount2) {
  const int number = WriteVoucher(Make(date, kind, account1, account2, amount, description, account3, amount2));
  EXPECT_GT(number, 0) << date << " kind " << kind;
  return number;
}

int EntriesTest::BookAs(int person, const std::string& date, int kind, const std::string& account1,
                        const std::string& account2, double amount) {
  SetLoggedInPerson(person);
  const int number = Book(date, kind, account1, account2, amount);
  SetLoggedInPerson(1);
  return number;
}

int EntriesTest::AddUser(const std::string& name) {
  // Users outlive a test: the fixture empties the ledger, not the user table.
  if (const std::optional<UserRecord> user = FindUserByName(name)) return user->person_no;
  EXPECT_EQ(1, Database::Execute(Database::LoadStatement(323), {name, std::string(), std::string(), 1, 0}));
  const std::optional<UserRecord> user = FindUserByName(name);
  return user ? user->person_no : 0;
}

int EntriesTest::ColumnTitled(const GridModel& table, const std::string& title) {
  for (int c = 0; c < table.ColumnCount(); ++c) {
    if (table.Column(c).title == title) return c;
  }
  ADD_FAILURE() << "no column " << title;
  return -1;
}

std::vector<std::string> EntriesTest::Rows(const GridModel& table, const std::vector<std::string>& titles) {
  std::vector<int> columns;
  for (const std::string& title : titles) columns.push_back(ColumnTitled(table, title));
  std::vector<std::string> rows;
  for (int r = 0; r < table.RowCount(); ++r) {
    std::string text = table.Key(r).Text();
    for (int c : columns) text += "|" + table.Cell(r, c);
    rows.push_back(text);
  }
  return rows;
}

std::vector<std::string> EntriesTest::Keys(const GridModel& table) {
  std::vector<std::string> keys;
  for (int r = 0; r < table.RowCount(); ++r) keys.push_back(table.Key(r).Text());
  return keys;
}

}  // namespace cw::testing
