#pragma once
// ThemeChoice: the colours being chosen in the interface settings. It starts
// from the user's stored theme and own colours; choosing a preset shows the
// preset, choosing "自定义" shows the user's own colours again, and only the
// own colours can be changed one by one.
#include <vector>

#include "home/theme.h"

namespace cw {

class ThemeChoice {
 public:
  // `own` as stored: a 0 stands for theme 0's colour of that element.
  ThemeChoice(int color_type, const ThemeColours& own);

  // The themes in the order the list offers them: the presets 1-4, then "自定义".
  static std::vector<Theme> ListedThemes();

  void Select(int theme);
  // Replaces one of the user's own colours; ignored unless "自定义" is chosen.
  void ChangeColour(int element, std::uint32_t colour);

  int theme() const { return theme_; }
  bool CanChangeColour() const { return theme_ == 0; }
  // The colours shown now, every element resolved.
  ThemeColours colours() const { return ResolveThemeColours(theme_, own_); }
  // The user's own colours to store (a 0 still means the default).
  const ThemeColours& own() const { return own_; }

 private:
  int theme_;
  ThemeColours own_;
};

}  // namespace cw
