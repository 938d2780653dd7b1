#include "home/theme.h"

namespace cw {
namespace {

struct ThemeRow {
  const char* name;
  ThemeColours colours;  // Navi, NaviBorder, Main, MainCap, Scroll, Frame, BK, Btn
};

constexpr ThemeRow kThemes[] = {
    {"自定义", {0xFAF0F0, 0xE69678, 0xFFFFFF, 0xFFDCDC, 0xFCD5C5, 0xFADCDC, 0xF5DCCD, 0xE6B450}},
    {"蓝色海洋", {0xFAF0F0, 0xE69678, 0xFAF0F0, 0xF5B9A5, 0xF5B9A5, 0xFAE6E6, 0xFAE6E6, 0xEB9B4B}},
    {"金色沙漠", {0xDCFAFA, 0x0AB4E6, 0xDCFAFA, 0x3CD2E6, 0x3CD2E6, 0xDCFAFA, 0xDCFAFA, 0x28C8FA}},
    {"绿色草原", {0xE6FFE1, 0x23A014, 0xE6FFE1, 0x8CDC78, 0x8CDC78, 0xE6FFE1, 0xE6FFE1, 0x91EB7D}},
    {"粉红玫瑰", {0xFAEBFA, 0xD250CD, 0xFAEBFA, 0xF596EB, 0xF596EB, 0xFAEBFA, 0xFAEBFA, 0xE6A0E1}},
};
constexpr int kThemeCount = sizeof(kThemes) / sizeof(kThemes[0]);

}  // namespace

bool LookupTheme(int number, Theme* theme) {
  if (number < 0 || number >= kThemeCount) return false;
  theme->name = kThemes[number].name;
  theme->number = number;
  theme->colours = kThemes[number].colours;
  return true;
}

ThemeColours ResolveThemeColours(int color_type, const ThemeColours& own) {
  if (color_type > 0 && color_type < kThemeCount) return kThemes[color_type].colours;
  ThemeColours colours = own;
  for (int i = 0; i < kThemeElementCount; ++i) {
    if (colours[i] == 0) colours[i] = kThemes[0].colours[i];
  }
  return colours;
}

double FontPointSize(int font_type) {
  switch (font_type) {
    case 1: return 10.5;
    case 2: return 12;
    default: return 9;
  }
}

UserLook LookOfUser(int color_type, int font_type, const ThemeColours& own) {
  return {ResolveThemeColours(color_type, own), FontPointSize(font_type)};
}

}  // namespace cw
