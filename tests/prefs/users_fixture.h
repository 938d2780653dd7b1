#pragma once
// A ledger whose only user is the administrator 1 "管理员" (no password, every
// right), logged in.
#include <string>

#include "prefs/rights.h"
#include "support/ledger_fixture.h"

namespace cw::testing {

class UsersTest : public LedgerTest {
 protected:
  void SetUp() override;
  // Adds a user through the program's own path; returns the Person_No.
  static int Add(const std::string& name, const std::string& password = "", int state = 0,
                 const Rights& rights = Rights::All(), int level = 1);
  // Writes a password in a given stored form, as an older program would have.
  static void StorePasswordAs(int person_no, const std::string& stored);
  static std::string StoredPassword(int person_no);
};

}  // namespace cw::testing
