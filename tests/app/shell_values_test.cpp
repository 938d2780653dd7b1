// Small values of the shell: the data home, the window title, the targets of
// the home page's links and the web addresses.
#include <gtest/gtest.h>

#include <map>

#include "base/data_home_choice.h"
#include "app/desktop_links.h"
#include "app/frame_title.h"
#include "app/ledger_link.h"
#include "core/settings.h"
#include "frame/app_commands.h"
#include "support/temp_home.h"

namespace cw {
namespace {

TEST(DataHomeChoiceTest, OptionThenEnvironment) {
  struct Case {
    const char* name;
    std::vector<std::string> arguments;
    std::map<std::string, std::string> environment;
    std::string folder;
    bool error;
  } cases[] = {
      {"--home wins", {"coinwright", "--home", "/a"}, {{"COINWRIGHT_HOME", "/b"}}, "/a", false},
      {"--home=DIR", {"coinwright", "--home=/a"}, {}, "/a", false},
      {"--home without a folder", {"coinwright", "--home"}, {{"HOME", "/h"}}, "", true},
      {"--home= empty", {"coinwright", "--home="}, {{"HOME", "/h"}}, "", true},
      {"COINWRIGHT_HOME", {"coinwright"}, {{"COINWRIGHT_HOME", "/b"}, {"XDG_DATA_HOME", "/x"}}, "/b", false},
      {"XDG data home", {"coinwright"}, {{"XDG_DATA_HOME", "/x"}, {"HOME", "/h"}}, "/x/Coinwright", false},
      {"home folder", {"coinwright"}, {{"HOME", "/h"}}, "/h/.local/share/Coinwright", false},
      {"nothing at all", {"coinwright"}, {}, "", true},
      {"the program name is no option", {"--home=/p"}, {{"HOME", "/h"}}, "/h/.local/share/Coinwright", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const DataHomeChoice choice = ChooseDataHome(c.arguments, [&](const char* name) {
      auto found = c.environment.find(name);
      return found == c.environment.end() ? std::string() : found->second;
    });
    EXPECT_EQ(c.folder, choice.folder);
    EXPECT_EQ(c.error, !choice.error.empty());
  }
}

TEST(FrameTitleTest, NameVersionAndUser) {
  EXPECT_EQ("Coinwright家庭理财3.40", FrameTitle(3.4, ""));
  EXPECT_EQ("Coinwright家庭理财3.41  -  妈妈", FrameTitle(3.41, "妈妈"));
}

TEST(LedgerLinkTest, Targets) {
  struct Case {
    int kind;
    std::string target;
    int type;
    int page;
  } cases[] = {
      {3, "6", 0, 32940}, {3, "7", 0, 32941}, {3, "5", 0, 0},       {2, "10101", 2, 32931},
      {2, "401", 8, 32937}, {2, "10101", 0, 0}, {2, "1x1", 2, 0},    {4, "10101", 2, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target);
    EXPECT_EQ(c.page, LedgerLinkTarget(c.kind, c.target, c.type, 2024, 5).page);
  }
  // An account's ledger opens over the current month's vouchers.
  const LedgerLink link = LedgerLinkTarget(2, "10101", 2, 2024, 12);
  EXPECT_EQ((PageParams{"10101", 202412001, 202412999, -1}), link.params);
}

TEST(DesktopLinksTest, CalculatorAndWebAddresses) {
  EXPECT_EQ("galculator", FirstCalculator([](const std::string& n) { return n == "galculator" || n == "xcalc"; }));
  EXPECT_EQ("", FirstCalculator([](const std::string&) { return false; }));

  testing::TempHome home;
  EXPECT_EQ(0u, WebAddress(cmd::kWebSite).find("https://"));
  EXPECT_NE(WebAddress(cmd::kWebSite), WebAddress(cmd::kSupport));
  settings::SetText("Web", "Support", "https://example.net/help");
  EXPECT_EQ("https://example.net/help", WebAddress(cmd::kSupport));
  EXPECT_EQ("", WebAddress(cmd::kHelp));
}

}  // namespace
}  // namespace cw
