#include "app_ui_fixture.h"

#include <QTest>

#include "app/desktop_driver.h"
#include "app/main_frame.h"
#include "bookkeeping/entries/ui/ctrl_wnd_account_easy.h"
#include "core/data_sets.h"
#include "core/settings.h"
#include "prefs/user_admin.h"
#include "store/database.h"

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

void DemoFrameTest::SetUp() {
  AppUiTest::SetUp();
  CCtrlWndAccountEasy::ResetSessionForTesting();
  settings::SetNumber(settings::UserKey(1), "HideDailyNote", 1);
  ASSERT_EQ(1, Database::OpenDatabase(Database::kDemoData));
  frame_ = std::make_unique<CMainFrame>(true, 1);
  ASSERT_TRUE(frame_->Create());
  frame_->ShowPlaced();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frame_.get()));
}

void DemoFrameTest::TearDown() { frame_.reset(); }

void DemoDesktopTest::SetUp() {
  ASSERT_TRUE(PrepareDemoUserPassword(home_.path().toStdString(), 2, "mama2024"));
  frame_ = StartDesktop(app_, home_.path(), {.user = "爸爸", .demo = true});
  ASSERT_NE(nullptr, frame_);
}

std::vector<std::string> AppUiTest::TakeMessages() {
  std::vector<std::string> texts;
  for (const auto& shown : prompter_.shown) texts.push_back(shown.text);
  prompter_.shown.clear();
  return texts;
}

}  // namespace cw::testing
