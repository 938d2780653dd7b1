// The colour themes and font sizes applied at login.
#include "home/theme.h"
#include "home/theme_choice.h"

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

TEST(ThemeChoice, PresetsShowTheirColoursAndCustomGivesTheOwnBack) {
  std::vector<std::string> names;
  for (const Theme& theme : ThemeChoice::ListedThemes()) names.push_back(theme.name);
  EXPECT_EQ(names, (std::vector<std::string>{"蓝色海洋", "金色沙漠", "绿色草原", "粉红玫瑰", "自定义"}));

  ThemeColours own{};
  own[kMainColour] = 0x00FF00;
  ThemeChoice choice(0, own);
  EXPECT_TRUE(choice.CanChangeColour());
  choice.Select(4);
  EXPECT_FALSE(choice.CanChangeColour());
  choice.ChangeColour(kMainColour, 0x123456);  // a preset's colours cannot be changed
  EXPECT_EQ(choice.colours(), ResolveThemeColours(4, {}));
  choice.Select(0);
  EXPECT_EQ(choice.colours()[kMainColour], 0x00FF00u);
  EXPECT_EQ(choice.colours()[kNaviColour], ResolveThemeColours(0, {})[kNaviColour]);
  choice.ChangeColour(kButtonColour, 0x123456);
  // Black chosen on purpose stays black instead of turning into the default.
  choice.ChangeColour(kDialogColour, 0x000000);
  EXPECT_EQ(choice.own()[kButtonColour], 0x123456u);
  EXPECT_EQ(choice.own()[kDialogColour], 0x010101u);
  EXPECT_EQ(choice.own()[kNaviColour], 0u) << "untouched colours keep meaning the default";
  // A stored theme number out of range reads as the custom theme.
  EXPECT_EQ(ThemeChoice(9, own).theme(), 0);
  EXPECT_EQ(ThemeChoice(3, own).theme(), 3);
}

}  // namespace
}  // namespace cw
