// The chart cache: derived types of parents, paths, groups by type and the next free child code.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "core/item_cache.h"
#include "store/database.h"
#include "support/ledger_fixture.h"

namespace cw {
namespace {

using testing::LedgerTest;

class ItemCacheTest : public LedgerTest {
 protected:
  void SetUp() override {
    LedgerTest::SetUp();
    Database::Execute("DELETE FROM Item");
    struct Row {
      const char* code;
      const char* name;
      int type;
    } rows[] = {
        {"101", "现金", 0},      {"10101", "爸爸", 3},   {"10102", "妈妈", 3},      {"102", "银行存款", 0},
        {"10201", "工行", 0},    {"1020101", "活期", 4}, {"10202", "建行", 4},      {"601", "饮食", 0},
        {"60101", "早餐", 2},    {"60102", "午餐", 2},   {"60104", "晚餐", 2},      {"602", "居家", 0},
        {"60202", "水电", 2},    {"60203", "物业", 2},   {"603", "交通", 2},        {"604", "未设", 0},
        {"70101", "孤儿", 2},
    };
    for (const Row& r : rows) {
      Database::Execute(Database::LoadStatement(349), {std::string(r.code), std::string(r.name), r.type});
    }
    CItemCache::Instance().MarkDirty();
  }
  CItemCache& chart = CItemCache::Instance();
};

TEST_F(ItemCacheTest, ParentsTakeTheTypeOfTheirLeaves) {
  EXPECT_EQ(3, chart.TypeOf("101"));
  EXPECT_EQ(4, chart.TypeOf("10201")) << "its direct leaf child";
  EXPECT_EQ(4, chart.TypeOf("102")) << "no direct leaf child before 10202: the first leaf after it";
  EXPECT_EQ(2, chart.TypeOf("601"));
  EXPECT_EQ(0, chart.TypeOf("999"));
  EXPECT_TRUE(chart.IsLeaf("10101"));
  EXPECT_FALSE(chart.IsLeaf("101"));
  EXPECT_FALSE(chart.IsLeaf("999"));
  EXPECT_EQ("晚餐", chart.NameOf("60104"));
  EXPECT_EQ("", chart.NameOf("60103"));
}

TEST_F(ItemCacheTest, FullPathJoinsTheNamesThatExist) {
  EXPECT_EQ("银行存款\\工行\\活期\\", chart.FullPath("1020101"));
  EXPECT_EQ("现金\\", chart.FullPath("101"));
  EXPECT_EQ("孤儿\\", chart.FullPath("70101")) << "its parent 701 is missing";
}

TEST_F(ItemCacheTest, GroupsByType) {
  EXPECT_EQ(7, chart.CountOfType(2, true));  // 60101 60102 60104 60202 60203 603 70101
  EXPECT_EQ(2, chart.CountOfType(3, true));
  EXPECT_EQ(3, chart.CountOfType(3, false));  // with the parent 101
  EXPECT_EQ("10102", chart.NthOfType(3, 1, true));
  EXPECT_EQ("", chart.NthOfType(3, 2, true));
  EXPECT_EQ(std::make_pair(1, 2), chart.PositionInType("10102", true));
  EXPECT_EQ(std::make_pair(-1, 0), chart.PositionInType("999", true));
  EXPECT_FALSE(chart.AllLeavesTyped()) << "604 is a leaf without a type";
  Database::Execute(Database::LoadStatement(343), {std::string("未设"), 2, std::string("604")});
  chart.MarkDirty();
  EXPECT_TRUE(chart.AllLeavesTyped());
}

TEST_F(ItemCacheTest, NextFreeChildCode) {
  EXPECT_EQ("60103", chart.NextChildCode("601")) << "01, 02, 04: the gap";
  EXPECT_EQ("60201", chart.NextChildCode("602")) << "02, 03: 01 is free";
  EXPECT_EQ("60301", chart.NextChildCode("603")) << "no children";
  EXPECT_EQ("1020102", chart.NextChildCode("10201"));
  EXPECT_EQ("", chart.NextChildCode("605")) << "no such account";
}

TEST_F(ItemCacheTest, ReloadsOnlyAfterADirtyMark) {
  EXPECT_EQ("60103", chart.NextChildCode("601"));
  Database::Execute(Database::LoadStatement(349), {std::string("60103"), std::string("夜宵"), 2});
  EXPECT_EQ("60103", chart.NextChildCode("601")) << "still the loaded chart";
  chart.MarkDirty();
  EXPECT_EQ("60105", chart.NextChildCode("601"));
  // Opening the data set again also reloads.
  Database::Execute(Database::LoadStatement(349), {std::string("60105"), std::string("零食"), 2});
  Database::CloseDatabase();
  ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
  EXPECT_EQ("60106", chart.NextChildCode("601"));
}

// A worker inside a transaction asks the cache while the interface thread
// reloads it: neither may wait on the other (the plan run after the login
// once hung the program this way).
TEST_F(ItemCacheTest, AWorkerHoldingTheConnectionAndAReloadDoNotWaitOnEachOther) {
  std::atomic<bool> done = false;
  std::thread worker([&] {
    for (int i = 0; i < 2000; ++i) {
      std::lock_guard connection(Database::Lock());
      chart.TypeOf("101");
    }
    done = true;
  });
  while (!done) {
    chart.MarkDirty();
    chart.AllLeavesTyped();
  }
  worker.join();
  EXPECT_EQ(3, chart.TypeOf("101"));
}

}  // namespace
}  // namespace cw
