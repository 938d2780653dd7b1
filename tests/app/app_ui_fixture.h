#pragma once
// Widget tests of the shell: a fresh data home with both data sets and a
// scripted prompter that records every message.
#include <gtest/gtest.h>

#include <string>

#include "base/scripted_prompter.h"
#include "support/temp_home.h"

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

}  // namespace cw::testing
