// The colour themes and font sizes applied at login.
#include "home/theme.h"

#include <gtest/gtest.h>

namespace cw {
namespace {

TEST(Theme, PresetsAreEnumeratedUntilTheLookupFails) {
  std::vector<std::string> names;
  Theme theme;
  for (int n = 1; LookupTheme(n, &theme); ++n) {
    EXPECT_EQ(theme.number, n);
    names.push_back(theme.name);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"蓝色海洋", "金色沙漠", "绿色草原", "粉红玫瑰"}));
  ASSERT_TRUE(LookupTheme(0, &theme));
  EXPECT_EQ(theme.name, "自定义");
  EXPECT_FALSE(LookupTheme(-1, &theme));
}

TEST(Theme, PresetsIgnoreTheUsersOwnColours) {
  ThemeColours own;
  own.fill(0x123456);
  const ThemeColours green = ResolveThemeColours(3, own);
  EXPECT_EQ(green, (ThemeColours{0xE6FFE1, 0x23A014, 0xE6FFE1, 0x8CDC78, 0x8CDC78, 0xE6FFE1, 0xE6FFE1, 0x91EB7D}));
  EXPECT_EQ(ResolveThemeColours(2, own)[kNaviBorderColour], 0x0AB4E6u);
  EXPECT_EQ(ResolveThemeColours(4, own)[kButtonColour], 0xE6A0E1u);
  EXPECT_EQ(ResolveThemeColours(1, own)[kMainCapColour], 0xF5B9A5u);
}

TEST(Theme, CustomColoursFallBackToTheDefaultsWhereZero) {
  const ThemeColours defaults{0xFAF0F0, 0xE69678, 0xFFFFFF, 0xFFDCDC, 0xFCD5C5, 0xFADCDC, 0xF5DCCD, 0xE6B450};
  EXPECT_EQ(ResolveThemeColours(0, ThemeColours{}), defaults);
  ThemeColours own{};
  own[kMainColour] = 0x00FF00;
  ThemeColours expected = defaults;
  expected[kMainColour] = 0x00FF00;
  EXPECT_EQ(ResolveThemeColours(0, own), expected);
}

TEST(Theme, LookAtLogin) {
  const UserLook look = LookOfUser(1, 2, ThemeColours{});
  EXPECT_EQ(look.colours[kMainColour], 0xFAF0F0u);
  EXPECT_EQ(look.font_points, 12);
  EXPECT_LT(FontPointSize(0), FontPointSize(1));
  EXPECT_LT(FontPointSize(1), FontPointSize(2));
  EXPECT_EQ(FontPointSize(7), FontPointSize(0));
  // Stored colours are 0x00BBGGRR.
  EXPECT_EQ(RgbOf(0xB4FFC8), (Rgb{200, 255, 180}));
}

}  // namespace
}  // namespace cw
