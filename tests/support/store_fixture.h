#pragma once
// A temporary data home whose data files hold what `fill` writes, with a
// scripted prompter installed; the user data set is open.
#include <gtest/gtest.h>

#include <functional>

#include "base/scripted_prompter.h"
#include "store/database.h"
#include "support/temp_home.h"

namespace cw::testing {

// Writes the program's layout into the file being built.
bool FillWithSchema();

class StoreTest : public ::testing::Test {
 protected:
  // Builds both data files with `fill` and opens the user data set.
  void Build(const std::function<bool()>& fill) {
    ASSERT_TRUE(Database::CreateDataFile(Database::kUserData, fill));
    ASSERT_TRUE(Database::CreateDataFile(Database::kDemoData, fill));
    ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
  }
  void SetUp() override { Build(FillWithSchema); }

  TempHome home_;
  ScriptedPrompter prompter_;
  PrompterGuard guard_{prompter_};
};

}  // namespace cw::testing
