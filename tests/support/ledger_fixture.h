#pragma once
// A user data set in a temporary home, created once per test suite; every test
// starts with no vouchers, the standard chart and user 1 logged in.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/scripted_prompter.h"
#include "core/booking.h"
#include "support/temp_home.h"

namespace cw::testing {

class LedgerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override;

  // A booking of `kind` on day `date` ("YYYY-MM-DD") between two leaves of the
  // standard chart, with types filled from the chart.
  static Booking Make(const std::string& date, int kind, const std::string& account1, const std::string& account2,
                      double amount, const std::string& description = "", const std::string& account3 = "",
                      double amount2 = 0);
  static int Day(const std::string& iso);
  // Voucher numbers of a month in number order, with their dates.
  static std::vector<std::pair<int, std::string>> MonthVouchers(int year, int month);

  ScriptedPrompter prompter_;

 private:
  std::unique_ptr<PrompterGuard> guard_;
  static TempHome* home_;
};

}  // namespace cw::testing
