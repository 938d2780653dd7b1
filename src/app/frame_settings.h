#pragma once
// The main window's stored settings and the arithmetic over them: the window
// placement under "Wnd" and the per-user layout under "User%d".
namespace cw {

struct ScreenRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const ScreenRect&) const = default;
};

// The values under "Wnd" as stored (0 when missing).
struct StoredPlacement {
  int width = 0;
  int height = 0;
  int maximum = 0;
};

struct WindowPlacement {
  ScreenRect normal;  // the restored (not maximised) geometry
  bool maximised = false;
};

// Where the window opens on a desktop whose work area is `work_area`: a width
// of 0 or one wider than the work area becomes the work area's width (likewise
// the height); the window is centred in the work area (integer halves); it
// opens maximised when "Maximum" is 1 or when neither size was stored.
WindowPlacement ComputePlacement(const StoredPlacement& stored, const ScreenRect& work_area);

StoredPlacement ReadStoredPlacement();
// Stores the normal size and whether the window was maximised.
void SavePlacement(const ScreenRect& normal, bool maximised);

// "DataWndAlignPercent" as used: 0 (also missing) reads as 50, values up to 20
// as 20, values from 80 up as 80.
int ClampAlignPercent(int stored);

// The per-user layout of the module windows.
struct UserLayout {
  bool navigation_hidden = false;  // "HideNavigationWnd"
  bool vertical = false;           // "DataWndVertAlign": data windows one above the other
  int percent = 50;                // "DataWndAlignPercent", clamped
};

UserLayout ReadUserLayout(int person_no);
void SaveNavigationHidden(int person_no, bool hidden);
void SaveDataAlignment(int person_no, bool vertical);

}  // namespace cw
