// Window backgrounds: the defaults of the windows that have one, and a
// background stored for one user and window.
#include <gtest/gtest.h>

#include <filesystem>

#include "home/window_background.h"
#include "support/store_fixture.h"

namespace cw {
namespace {

using WindowBackgroundTest = testing::StoreTest;

std::string FileName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

TEST_F(WindowBackgroundTest, WindowsWithoutAStoredBackgroundTakeTheirDefaults) {
  const struct {
    int window;
    bool picture;
    const char* image;
    int display;
    int transparent;
  } cases[] = {
      {kHomeWindow, false, "Scenery1.jpg", 11, 70},
      {kStatisticsWindow, true, "Flower2.jpg", 11, 70},
      {kBudgetWindow, true, "Scenery1.jpg", 1, 70},
      {5, false, "", 0, 50},
  };
  for (const auto& c : cases) {
    const WindowBackground background = LoadWindowBackground(1, c.window);
    EXPECT_EQ(background.picture, c.picture) << c.window;
    EXPECT_EQ(FileName(background.image), c.image) << c.window;
    EXPECT_EQ(background.display, c.display) << c.window;
    EXPECT_EQ(background.transparent, c.transparent) << c.window;
    // The shipped pictures are there.
    if (*c.image) {
      EXPECT_TRUE(std::filesystem::exists(background.image)) << background.image;
    }
  }
}

TEST_F(WindowBackgroundTest, StoredBackgroundBelongsToItsUserAndWindow) {
  const WindowBackground mine{true, "/photos/garden.jpg", DisplayCode(Placement::kTiled, true), 30};
  ASSERT_TRUE(StoreWindowBackground(2, kHomeWindow, mine));
  EXPECT_EQ(LoadWindowBackground(2, kHomeWindow), mine);
  EXPECT_EQ(LoadWindowBackground(3, kHomeWindow), DefaultWindowBackground(kHomeWindow));
  EXPECT_EQ(LoadWindowBackground(2, kBudgetWindow), DefaultWindowBackground(kBudgetWindow));
  // Stored again, the row is replaced.
  const WindowBackground plain{false, "", 0, 50};
  ASSERT_TRUE(StoreWindowBackground(2, kHomeWindow, plain));
  EXPECT_EQ(LoadWindowBackground(2, kHomeWindow), plain);
}

TEST(WindowBackground, DisplayCodes) {
  EXPECT_EQ(DisplayCode(Placement::kStretched, true), 11);
  EXPECT_EQ(DisplayCode(Placement::kTiled, false), 2);
  EXPECT_EQ(DisplayCode(Placement::kCentred, true), 0) << "a centred picture never scrolls";
  const WindowBackground tiled{true, "", 12, 50};
  EXPECT_EQ(tiled.placement(), Placement::kTiled);
  EXPECT_TRUE(tiled.scrolls());
}

}  // namespace
}  // namespace cw
