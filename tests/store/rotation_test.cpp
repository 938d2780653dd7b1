// Which backup files a rotation renames and deletes.
#include <gtest/gtest.h>

#include "store/rotation.h"

namespace cw {
namespace {

TEST(RotationTest, OnlySmallNumberedNamesTakePart) {
  EXPECT_EQ(1, RotationNumber("CW_1.db"));
  EXPECT_EQ(15, RotationNumber("CW_15.db"));
  for (const char* name : {"CW_16.db", "CW_0.db", "CW_01.db", "CW_20261210.db", "CW_XXX_1.db", "CW_1.db.partial",
                           "CW_before_restore_20261210_120000.db", "CW_.db", "CW.db", "cw_1.db", "CW_1.mdb"}) {
    EXPECT_EQ(0, RotationNumber(name)) << name;
  }
}

TEST(RotationTest, PlansRenamesFromTheOldestDown) {
  struct Case {
    const char* what;
    std::vector<std::string> names;
    int retain;
    std::vector<RotationStep> steps;
  };
  const std::vector<Case> cases = {
      {"retain 3, three copies: CW_3 is replaced by CW_2",
       {"CW_1.db", "CW_2.db", "CW_3.db"},
       3,
       {{"CW_2.db", "CW_3.db"}, {"CW_1.db", "CW_2.db"}}},
      {"lowering 5 to 2: CW_3..CW_5 go, CW_1 replaces CW_2",
       {"CW_1.db", "CW_2.db", "CW_3.db", "CW_4.db", "CW_5.db"},
       2,
       {{"CW_5.db", ""}, {"CW_4.db", ""}, {"CW_3.db", ""}, {"CW_1.db", "CW_2.db"}}},
      {"retain 1: the new copy replaces CW_1, nothing else moves", {"CW_1.db", "CW_2.db"}, 1, {{"CW_2.db", ""}}},
      {"gaps move up one by one", {"CW_1.db", "CW_3.db"}, 5, {{"CW_3.db", "CW_4.db"}, {"CW_1.db", "CW_2.db"}}},
      {"other files are left alone",
       {"CW_20261210.db", "CW_XXX_1.db", "notes.txt", "CW_1.db"},
       5,
       {{"CW_1.db", "CW_2.db"}}},
      {"an empty folder needs no step", {}, 5, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.steps, PlanRotation(c.names, c.retain)) << c.what;
}

}  // namespace
}  // namespace cw
