// The updater's command line and what it hands to Relaymate.
#include <gtest/gtest.h>

#include "patchwell/patchwell_options.h"
#include "patchwell/relay_request.h"
#include "relaymate/relay_command.h"

namespace cw::patchwell {
namespace {

TEST(PatchwellOptionsTest, CommandLines) {
  const struct {
    std::vector<std::string> arguments;
    bool start, yes;
    std::string server, install_dir, home, error;
  } kCases[] = {
      {{}, false, false, "", "", "", ""},
      {{"start"}, true, false, "", "", "", ""},
      {{"/Start"}, true, false, "", "", "", ""},  // any argument containing "start", in any case
      {{"start", "--server", "https://u.example/Update/", "--install-dir=/opt/cw", "--home", "/h", "--yes"},
       true, true, "https://u.example/Update/", "/opt/cw", "/h", ""},
      {{"--server"}, false, false, "", "", "", "--server needs a value"},
      {{"--home="}, false, false, "", "", "", "--home needs a value"},
      {{"--force"}, false, false, "", "", "", "unknown option --force"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.arguments.empty() ? "(none)" : c.arguments.front());
    const PatchwellOptions options = ParsePatchwellOptions(c.arguments);
    EXPECT_EQ(c.error, options.error);
    if (!c.error.empty()) continue;
    EXPECT_EQ(c.start, options.start);
    EXPECT_EQ(c.yes, options.yes);
    EXPECT_EQ(c.server, options.server);
    EXPECT_EQ(c.install_dir, options.install_dir);
    EXPECT_EQ(c.home, options.home);
  }
}

TEST(RelayRequestTest, FourQuotedFieldsThatRelaymateReadsBack) {
  const InstallPlaces places{"/home/ann/.local"};
  const struct {
    RelayRequest request;
    const char* argument;
  } kCases[] = {
      // Leaving after 103 without starting the program again.
      {{true, false},
       "'Copy' '/home/ann/.local/.coinwright-update/new/bin/patchwell' '/home/ann/.local/bin/patchwell' ''"},
      {{true, true},
       "'CopyStart' '/home/ann/.local/.coinwright-update/new/bin/patchwell' '/home/ann/.local/bin/patchwell' "
       "'/home/ann/.local/bin/coinwright'"},
      {{false, true}, "'Start' 'NULL' 'NULL' '/home/ann/.local/bin/coinwright'"},
  };
  for (const auto& c : kCases) {
    const std::string argument = RelayArgument(c.request, places, "bin\\patchwell");
    EXPECT_EQ(c.argument, argument);
    const relaymate::RelayCommand command = relaymate::ParseRelayCommand(argument);
    EXPECT_EQ(c.request.copy, command.copy);
    EXPECT_EQ(c.request.start, command.start);
    EXPECT_EQ(c.request.copy, command.source.has_value());
    EXPECT_EQ(c.request.start, command.program.has_value());
  }
}

TEST(InstallPlacesTest, UpdaterFileAndStagingPaths) {
  EXPECT_TRUE(IsUpdaterFile("bin\\patchwell"));
  EXPECT_TRUE(IsUpdaterFile("./bin/patchwell"));
  EXPECT_FALSE(IsUpdaterFile("bin/patchwell.sig"));
  EXPECT_FALSE(IsUpdaterFile("bin/Patchwell"));  // file names are case-sensitive
  EXPECT_TRUE(IsInStaging(".coinwright-update\\saved\\x"));
  EXPECT_FALSE(IsInStaging("share/.coinwright-update"));
}

}  // namespace
}  // namespace cw::patchwell
