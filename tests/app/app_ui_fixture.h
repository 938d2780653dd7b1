#pragma once
// Widget tests of the shell: a fresh data home with both data sets and a
// scripted prompter that records every message.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>
#include <string>

#include "app/coinwright_app.h"
#include "base/scripted_prompter.h"
#include "support/temp_home.h"

namespace cw {
class CMainFrame;
}

namespace cw::testing {

class AppUiTest : public ::testing::Test {
 protected:
  void SetUp() override;

  // Adds a user to the open data set; returns the new Person_No.
  static int AddTestUser(const std::string& name, const std::string& password, bool frozen = false);
  // The texts shown so far, and forgets them.
  std::vector<std::string> TakeMessages();

  TempHome home_;
  ScriptedPrompter prompter_;
  PrompterGuard guard_{prompter_};
};

// The main frame on the demonstration data, shown, with its administrator
// (user 1) logged in and the entry window's kept months forgotten.
class DemoFrameTest : public AppUiTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::unique_ptr<CMainFrame> frame_;
};

// The whole program started on a fresh data home and logged in through the
// login dialog to the demonstration data as its administrator 爸爸 (妈妈 has the
// password "mama2024"), with the tip of the day closed.
class DemoDesktopTest : public ::testing::Test {
 protected:
  void SetUp() override;

  QTemporaryDir home_;
  CCoinwrightApp app_;
  CMainFrame* frame_ = nullptr;
};

}  // namespace cw::testing
