#include "app_ui_fixture.h"

#include "core/data_sets.h"
#include "prefs/user_admin.h"

namespace cw::testing {

void AppUiTest::SetUp() { ASSERT_TRUE(EnsureDataSets()); }

int AppUiTest::AddTestUser(const std::string& name, const std::string& password, bool frozen) {
  UserInput input;
  input.name = name;
  input.password = password;
  input.state = frozen ? 1 : 0;
  const UserResult result = AddUser(input);
  EXPECT_TRUE(result.ok) << result.message;
  return result.person_no;
}

std::vector<std::string> AppUiTest::TakeMessages() {
  std::vector<std::string> texts;
  for (const auto& shown : prompter_.shown) texts.push_back(shown.text);
  prompter_.shown.clear();
  return texts;
}

}  // namespace cw::testing
