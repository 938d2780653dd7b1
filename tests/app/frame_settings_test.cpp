// Window placement arithmetic and the per-user layout settings.
#include "app/frame_settings.h"

#include <gtest/gtest.h>

#include "core/settings.h"
#include "support/temp_home.h"

namespace cw {
namespace {

TEST(WindowPlacementTest, FromStoredValues) {
  struct Case {
    const char* name;
    StoredPlacement stored;
    ScreenRect work_area;
    ScreenRect normal;
    bool maximised;
  } cases[] = {
      {"nothing stored: maximised over the work area", {0, 0, 0}, {0, 0, 1920, 1040}, {0, 0, 1920, 1040}, true},
      {"too wide: the work area's width", {2500, 700, 0}, {0, 0, 1920, 1040}, {0, 170, 1920, 700}, false},
      {"too tall: the work area's height", {800, 1200, 0}, {0, 0, 1920, 1040}, {560, 0, 800, 1040}, false},
      {"centred with integer halves", {1000, 700, 0}, {0, 0, 1921, 1041}, {460, 170, 1000, 700}, false},
      {"Maximum 1 keeps the normal size", {1000, 700, 1}, {0, 0, 1920, 1040}, {460, 170, 1000, 700}, true},
      {"only a width stored", {1000, 0, 0}, {0, 0, 1920, 1040}, {460, 0, 1000, 1040}, false},
      {"a panel above the work area", {1000, 600, 0}, {0, 32, 1920, 1048}, {460, 256, 1000, 600}, false},
      {"negative sizes read as missing", {-5, -5, 0}, {0, 0, 800, 600}, {0, 0, 800, 600}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const WindowPlacement placement = ComputePlacement(c.stored, c.work_area);
    EXPECT_EQ(c.normal, placement.normal);
    EXPECT_EQ(c.maximised, placement.maximised);
  }
}

TEST(WindowPlacementTest, SavedPlacementIsReadBack) {
  testing::TempHome home;
  EXPECT_EQ(0, ReadStoredPlacement().width);
  SavePlacement({10, 20, 1100, 650}, true);
  const StoredPlacement stored = ReadStoredPlacement();
  EXPECT_EQ(1100, stored.width);
  EXPECT_EQ(650, stored.height);
  EXPECT_EQ(1, stored.maximum);
  EXPECT_FALSE(ComputePlacement(stored, {0, 0, 1920, 1040}).normal.width == 1920);
}

TEST(UserLayoutTest, AlignPercentIsClamped) {
  const std::pair<int, int> cases[] = {{0, 50},  {10, 20}, {20, 20}, {21, 21}, {-3, 20},
                                       {50, 50}, {79, 79}, {80, 80}, {95, 80}};
  for (auto [stored, used] : cases) EXPECT_EQ(used, ClampAlignPercent(stored)) << stored;
}

TEST(UserLayoutTest, ReadPerUser) {
  testing::TempHome home;
  const UserLayout missing = ReadUserLayout(3);
  EXPECT_FALSE(missing.navigation_hidden);
  EXPECT_FALSE(missing.vertical);
  EXPECT_EQ(50, missing.percent);

  settings::SetNumber("User3", "DataWndVertAlign", 1);
  settings::SetNumber("User3", "DataWndAlignPercent", 95);
  SaveNavigationHidden(3, true);
  const UserLayout stored = ReadUserLayout(3);
  EXPECT_TRUE(stored.navigation_hidden);
  EXPECT_TRUE(stored.vertical);
  EXPECT_EQ(80, stored.percent);
  EXPECT_FALSE(ReadUserLayout(4).navigation_hidden);
}

}  // namespace
}  // namespace cw
