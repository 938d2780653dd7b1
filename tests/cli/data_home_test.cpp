// Where the tool keeps its data when no --home is given.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/cli_runner.h"

namespace cw::testing {
namespace {

TEST(DataHome, FollowsTheOptionThenTheEnvironment) {
  CliHome home;
  const std::string root = home.path() + "/roots";
  struct Case {
    std::string arguments;    // before the verb
    std::string environment;  // NAME=value ...
    std::string expected;     // the data home
  } cases[] = {
      {"--home " + root + "/option", "COINWRIGHT_HOME=" + root + "/own", root + "/option"},
      {"", "COINWRIGHT_HOME=" + root + "/own XDG_DATA_HOME=" + root + "/xdg", root + "/own"},
      {"", "XDG_DATA_HOME=" + root + "/xdg HOME=" + root + "/user", root + "/xdg/Coinwright"},
      {"", "HOME=" + root + "/user", root + "/user/.local/share/Coinwright"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.environment + " " + c.arguments);
    std::vector<std::string> args;
    if (!c.arguments.empty()) args = {"--home", c.arguments.substr(7)};
    args.insert(args.end(), {"--json", "init"});
    CliResult r = home.RunWithEnvironment(args, c.environment);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.Json("data")["home"], c.expected);
    EXPECT_TRUE(std::filesystem::exists(c.expected + "/CW.db"));
    EXPECT_TRUE(std::filesystem::exists(c.expected + "/CWSample.db"));
  }
}

}  // namespace
}  // namespace cw::testing
