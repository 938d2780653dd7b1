#pragma once
// A data home made once per test suite with the suite's bookings, for suites
// whose tests only read it (reports, statistics).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/cli_runner.h"

namespace cw::testing {

using Args = std::vector<std::string>;

// `Suite::Bookings()` gives the options of `book`, one booking each.
template <typename Suite>
class BookedHome : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    home_ = new CliHome;
    for (const Args& booking : Suite::Bookings()) {
      Args args{"book"};
      args.insert(args.end(), booking.begin(), booking.end());
      CliResult r = home_->Run(args);
      ASSERT_EQ(r.code, 0) << r.err;
    }
  }
  static void TearDownTestSuite() {
    delete home_;
    home_ = nullptr;
  }

  // The JSON of `--json VERB ARGS...`, which must succeed.
  static nlohmann::json RunJson(const std::string& verb, const Args& args) {
    Args all{"--json", verb};
    all.insert(all.end(), args.begin(), args.end());
    CliResult r = home_->Run(all);
    EXPECT_EQ(r.code, 0) << r.err;
    return r.Json();
  }

  static inline CliHome* home_ = nullptr;
};

}  // namespace cw::testing
