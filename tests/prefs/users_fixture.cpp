#include "users_fixture.h"

#include "core/session.h"
#include "prefs/user_admin.h"
#include "prefs/user_records.h"
#include "store/database.h"

namespace cw::testing {

void UsersTest::SetUp() {
  LedgerTest::SetUp();
  Database::Execute("DELETE FROM AccountInputPlan");
  Database::Execute("DELETE FROM Person WHERE Person_No <> 1");
  Database::Execute("DELETE FROM PersonRight WHERE Person_No <> 1");
  Database::Execute("UPDATE Person SET Person_Name = '管理员', Person_Password = '', Person_Level = 0, State = 0 "
                    "WHERE Person_No = 1");
  Database::Execute("UPDATE PersonRight SET Voucher = 1, VoucherQuery = 1, VoucherGraph = 1, Budget = 1, "
                    "SystemSet = 1 WHERE Person_No = 1");
  SetLoggedInPerson(1);
}

int UsersTest::Add(const std::string& name, const std::string& password, int state, const Rights& rights,
                   int level) {
  UserInput input;
  input.name = name;
  input.password = password;
  input.state = state;
  input.rights = rights;
  input.level = level;
  UserResult result = AddUser(input);
  EXPECT_TRUE(result.ok) << name << ": " << result.message;
  return result.person_no;
}

void UsersTest::StorePasswordAs(int person_no, const std::string& stored) {
  ASSERT_TRUE(Database::Execute(Database::LoadStatement(325), {stored, person_no}));
}

std::string UsersTest::StoredPassword(int person_no) {
  std::optional<UserRecord> user = FindUserByNumber(person_no);
  return user ? user->password : "<no user>";
}

}  // namespace cw::testing
