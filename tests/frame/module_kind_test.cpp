// Which module shows a page, and which page a menu command shows.
#include "frame/module_kind.h"

#include <gtest/gtest.h>

namespace cw {
namespace {

TEST(ModuleKindTest, ModulesAndMenuCommands) {
  using enum ModuleKind;
  struct Case {
    int command;
    int page;
    ModuleKind module;
  } cases[] = {
      {32850, 32850, kMain},
      {32900, 32900, kAccountEasy},
      {32908, 32908, kAccountEasy},
      {32999, 32999, kAccountEasy},
      {32930, 32930, kAccountQuery},
      {32947, 32947, kAccountQuery},
      {32838, 32937, kAccountQuery},
      {32839, 32947, kAccountQuery},
      {32920, 32920, kAccountGraph},
      {32922, 32922, kAccountGraph},
      {32950, 32950, kAccountGraph},
      {32960, 32960, kAccountBudget},
      {32962, 32962, kAccountBudget},
      {33200, 33200, kSystem},
      {33202, 33202, kSystem},
      {32909, 0, kNone},
      {33203, 0, kNone},
      {701, 0, kNone},
      {32750, 0, kNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    EXPECT_EQ(c.page, PageOfCommand(c.command));
    if (c.page != 0) {
      EXPECT_EQ(c.module, ModuleOfPage(c.page));
    }
  }
}

}  // namespace
}  // namespace cw
