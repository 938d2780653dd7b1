// The frame's routing rules and the history it replays, without a window.
#include "app/page_routing.h"

#include <gtest/gtest.h>

#include "app/page_history.h"

namespace cw {
namespace {

using Action = RouteDecision::Action;
constexpr ModuleKind kNone = ModuleKind::kNone;
constexpr ModuleKind kMain = ModuleKind::kMain;
constexpr ModuleKind kEasy = ModuleKind::kAccountEasy;
constexpr ModuleKind kQuery = ModuleKind::kAccountQuery;
constexpr ModuleKind kGraph = ModuleKind::kAccountGraph;
constexpr ModuleKind kBudget = ModuleKind::kAccountBudget;
constexpr ModuleKind kSystem = ModuleKind::kSystem;

TEST(PageRoutingTest, Requests) {
  struct Case {
    const char* name;
    RouteState state;
    int page;
    bool forced;
    bool available;
    Action action;
    ModuleKind module;
    bool again;
  } cases[] = {
      {"entry page again is not reloaded", {32900, kEasy}, 32900, false, true, Action::kIgnore, kNone, false},
      {"entry page again when forced", {32900, kEasy}, 32900, true, true, Action::kKeepModule, kEasy, true},
      {"entry to entry keeps the module", {32900, kEasy}, 32901, false, true, Action::kKeepModule, kEasy, false},
      {"entry to search result keeps it", {32900, kEasy}, 32999, false, true, Action::kKeepModule, kEasy, false},
      {"search result again reloads", {32999, kEasy}, 32999, false, true, Action::kKeepModule, kEasy, true},
      {"entry to ledger replaces it", {32900, kEasy}, 32930, false, true, Action::kNewModule, kQuery, false},
      {"detail ledger again reloads", {32930, kQuery}, 32930, false, true, Action::kKeepModule, kQuery, true},
      {"balance table again reloads", {32940, kQuery}, 32940, false, true, Action::kKeepModule, kQuery, true},
      {"income-expense again reloads", {32920, kGraph}, 32920, false, true, Action::kKeepModule, kGraph, true},
      {"classified again reloads", {32921, kGraph}, 32921, false, true, Action::kKeepModule, kGraph, true},
      {"balance sheet again is kept", {32950, kGraph}, 32950, false, true, Action::kIgnore, kNone, false},
      {"budget again is kept", {32960, kBudget}, 32960, false, true, Action::kIgnore, kNone, false},
      {"property budget again reloads", {32962, kBudget}, 32962, false, true, Action::kKeepModule, kBudget, true},
      {"first page creates its module", {0, kNone}, 32850, false, true, Action::kNewModule, kMain, false},
      {"home while shown is ignored", {32850, kMain}, 32850, false, true, Action::kIgnore, kNone, false},
      {"home forced is built afresh", {32850, kMain}, 32850, true, true, Action::kNewModule, kMain, true},
      {"home replaces another module", {33200, kSystem}, 32850, false, true, Action::kNewModule, kMain, false},
      {"system pages switch inside", {33200, kSystem}, 33202, false, true, Action::kKeepModule, kSystem, false},
      {"system page again is ignored", {33200, kSystem}, 33200, false, true, Action::kIgnore, kNone, false},
      {"a page not built is never shown", {32850, kMain}, 32900, false, false, Action::kIgnore, kNone, false},
      {"an unknown number is no page", {32850, kMain}, 32909, true, true, Action::kIgnore, kNone, false},
      {"untyped leaves stop ledger pages", {32850, kMain, false}, 32935, true, true, Action::kIgnore, kNone, false},
      {"untyped leaves stop entry pages", {32850, kMain, false}, 32900, false, true, Action::kIgnore, kNone, false},
      // Account management is where the missing types are set.
      {"untyped leaves keep accounts open", {32850, kMain, false}, 33201, false, true, Action::kNewModule, kSystem,
       false},
      {"untyped leaves keep home open", {33200, kSystem, false}, 32850, false, true, Action::kNewModule, kMain,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const RouteDecision decision = PlanRoute(c.state, c.page, c.forced, c.available);
    EXPECT_EQ(c.action, decision.action);
    if (c.action != Action::kIgnore) {
      EXPECT_EQ(c.module, decision.module);
      EXPECT_EQ(c.again, decision.again);
    }
  }
}

HistoryEntry Entry(int command, const std::string& account = "") {
  return {command, "page " + std::to_string(command), {account, 0, 0, -1}};
}

TEST(PageHistoryTest, BackForwardAndBranching) {
  PageHistory history;
  EXPECT_EQ(nullptr, history.Current());
  EXPECT_FALSE(history.CanBack());
  for (int command : {32850, 33200, 32930}) history.Record(Entry(command));
  EXPECT_EQ(2, history.Cursor());
  EXPECT_EQ((std::vector<int>{1, 0}), history.BackIndexes());
  EXPECT_TRUE(history.ForwardIndexes().empty());

  // Going back two steps through the drop-down list, then one forward.
  ASSERT_TRUE(history.SetCursor(0));
  EXPECT_EQ((std::vector<int>{1, 2}), history.ForwardIndexes());
  EXPECT_FALSE(history.CanBack());
  ASSERT_TRUE(history.SetCursor(1));
  EXPECT_EQ(33200, history.Current()->command);

  // A new page after going back drops the pages ahead.
  history.Record(Entry(32940));
  EXPECT_EQ(3, history.Size());
  EXPECT_FALSE(history.CanForward());
  EXPECT_EQ(32940, history.At(2).command);
  EXPECT_FALSE(history.SetCursor(3));
  EXPECT_FALSE(history.SetCursor(-1));
}

TEST(PageHistoryTest, SamePageAddsOnlyWithOtherParameters) {
  PageHistory history;
  history.Record(Entry(32930, "10101"));
  history.Record(Entry(32930, "10101"));
  EXPECT_EQ(1, history.Size());
  history.Record(Entry(32930, "10102"));
  EXPECT_EQ(2, history.Size());
}

TEST(PageHistoryTest, ParametersWrittenByTheModuleComeBackOnReplay) {
  PageHistory history;
  history.Record(Entry(32930, "10101"));
  // Before the frame leaves the page, the module stores where it was.
  history.Current()->params = {"10101", 202405001, 202405999, 7};
  history.Record(Entry(32850));
  const HistoryEntry& replayed = history.At(history.BackIndexes().front());
  EXPECT_EQ(32930, replayed.command);
  EXPECT_EQ((PageParams{"10101", 202405001, 202405999, 7}), replayed.params);
}

TEST(PageHistoryTest, OldestEntriesGoBeyondCapacity) {
  PageHistory history;
  for (int i = 0; i < PageHistory::kCapacity + 5; ++i) history.Record(Entry(32930, std::to_string(i)));
  EXPECT_EQ(PageHistory::kCapacity, history.Size());
  EXPECT_EQ(PageHistory::kCapacity - 1, history.Cursor());
  EXPECT_EQ("5", history.At(0).params.account);
  EXPECT_EQ(std::to_string(PageHistory::kCapacity + 4), history.Current()->params.account);
}

}  // namespace
}  // namespace cw
