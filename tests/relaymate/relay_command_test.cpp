#include "relaymate/relay_command.h"

#include <gtest/gtest.h>

namespace cw::relaymate {
namespace {

std::string Joined(const std::array<std::string, 4>& f) { return f[0] + "|" + f[1] + "|" + f[2] + "|" + f[3]; }

TEST(RelayCommandTest, SplitsQuotedFields) {
  const struct {
    const char* text;
    const char* fields;
  } kCases[] = {
      {"'Copy' '/tmp/Temp/Patchwell' '/opt/Patchwell' ''", "Copy|/tmp/Temp/Patchwell|/opt/Patchwell|"},
      {"\"CopyStart\" \"/a b/src\" \"/a b/dst\" \"/a b/Coinwright\"", "CopyStart|/a b/src|/a b/dst|/a b/Coinwright"},
      {"'Start'   \"NULL\"\t'NULL' '/x/prog'", "Start|NULL|NULL|/x/prog"},
      // A closing quote without its opening one is still skipped as left over.
      {"Start' NULL' NULL' /p", "Start|NULL|NULL|/p"},
      // Unquoted fields run to the next quote: blanks do not end them.
      {"Copy NULL NULL", "Copy NULL NULL|||"},
      {"'Copy'", "Copy|||"},
      {"", "|||"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.fields, Joined(SplitRelayFields(c.text)));
  }
}

TEST(RelayCommandTest, OperationWithoutCaseFileNamesWithCase) {
  const RelayCommand both = ParseRelayCommand("'COPYstart' '/Tmp/Patchwell' '/Opt/Patchwell' '/Opt/Coinwright'");
  EXPECT_TRUE(both.copy);
  EXPECT_TRUE(both.start);
  EXPECT_EQ("/Tmp/Patchwell", both.source);
  EXPECT_EQ("/Opt/Patchwell", both.destination);
  EXPECT_EQ("/Opt/Coinwright", both.program);

  const RelayCommand none = ParseRelayCommand("'Move' 'Null' 'NULL' ''");
  EXPECT_FALSE(none.copy);
  EXPECT_FALSE(none.start);
  EXPECT_FALSE(none.source);
  EXPECT_FALSE(none.destination);
  EXPECT_FALSE(none.program);
  EXPECT_FALSE(ParseRelayCommand("'Start' 'a' 'b' 'nUlL'").program);
}

}  // namespace
}  // namespace cw::relaymate
