#pragma once
// The colour themes and font sizes a user chooses for the program's look.
//
// Colours are stored as 0x00BBGGRR (blue in the high byte, red in the low
// byte), as the user table holds them. A theme paints eight elements, listed
// here in the order the interface settings offer them.
#include <array>
#include <cstdint>
#include <string>

#include "base/rgb.h"

namespace cw {

enum ThemeElement {
  kNaviColour = 0,        // Navi_Color: left navigation window
  kNaviBorderColour = 1,  // NaviBorder_Color: navigation window border
  kMainColour = 2,        // Main_Color: right main (module) window
  kMainCapColour = 3,     // MainCap_Color: main window caption
  kScrollColour = 4,      // Scroll_Color: main window scroll bar
  kFrameColour = 5,       // Frame_Color: top menu and tool bar
  kDialogColour = 6,      // BK_Color: dialog background
  kButtonColour = 7,      // Btn_Color: dialog buttons
};
inline constexpr int kThemeElementCount = 8;

using ThemeColours = std::array<std::uint32_t, kThemeElementCount>;  // indexed by ThemeElement

struct Theme {
  std::string name;
  int number = 0;
  ThemeColours colours{};
};

// Theme 0 ("自定义", the defaults of a user's own colours) to 4. False for any
// other number, which is how the presets are enumerated: 1, 2, ... until false.
bool LookupTheme(int number, Theme* theme);

// The colours a user sees: a preset's colours for Color_Type 1-4, else the
// user's own colours with every 0 replaced by theme 0's colour.
ThemeColours ResolveThemeColours(int color_type, const ThemeColours& own);

// Font size choice (FontType) 0 "小", 1 "中", 2 "大" in points: the Chinese
// sizes 小五, 五号 and 小四. Anything else reads as 0.
double FontPointSize(int font_type);

// What the frame applies when a user logs in.
struct UserLook {
  ThemeColours colours{};
  double font_points = 9;
};
UserLook LookOfUser(int color_type, int font_type, const ThemeColours& own);


}  // namespace cw
