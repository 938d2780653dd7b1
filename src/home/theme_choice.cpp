#include "home/theme_choice.h"

namespace cw {

ThemeChoice::ThemeChoice(int color_type, const ThemeColours& own) : own_(own) {
  Theme probe;
  theme_ = LookupTheme(color_type, &probe) ? color_type : 0;
}

std::vector<Theme> ThemeChoice::ListedThemes() {
  std::vector<Theme> themes;
  Theme theme;
  for (int number = 1; LookupTheme(number, &theme); ++number) themes.push_back(theme);
  LookupTheme(0, &theme);
  themes.push_back(theme);
  return themes;
}

void ThemeChoice::Select(int theme) {
  Theme probe;
  if (LookupTheme(theme, &probe)) theme_ = theme;
}

void ThemeChoice::ChangeColour(int element, std::uint32_t colour) {
  if (!CanChangeColour() || element < 0 || element >= kThemeElementCount) return;
  // A stored 0 means "the default colour": black chosen on purpose is kept as
  // the nearest colour that is not 0, so that it stays black.
  colour &= 0xFFFFFF;
  own_[element] = colour == 0 ? 0x010101 : colour;
}

}  // namespace cw
