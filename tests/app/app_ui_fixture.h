#pragma once
// Widget tests of the shell: a fresh data home with both data sets and a
// scripted prompter that records every message.
#include <gtest/gtest.h>

#include <memory>
#include <string>

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

}  // namespace cw::testing
