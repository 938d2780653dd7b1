#include "app/frame_settings.h"

#include "core/settings.h"

namespace cw {
namespace {

constexpr char kWndKey[] = "Wnd";

}  // namespace

WindowPlacement ComputePlacement(const StoredPlacement& stored, const ScreenRect& work_area) {
  WindowPlacement placement;
  const int width = stored.width <= 0 || stored.width > work_area.width ? work_area.width : stored.width;
  const int height = stored.height <= 0 || stored.height > work_area.height ? work_area.height : stored.height;
  // Offsets from the work area's corner keep the window clear of a panel at
  // the top or the left of the screen.
  placement.normal = {work_area.left + (work_area.width - width) / 2, work_area.top + (work_area.height - height) / 2,
                      width, height};
  placement.maximised = stored.maximum == 1 || (stored.width == 0 && stored.height == 0);
  return placement;
}

StoredPlacement ReadStoredPlacement() {
  return {settings::GetNumber(kWndKey, "Width"), settings::GetNumber(kWndKey, "Height"),
          settings::GetNumber(kWndKey, "Maximum")};
}

void SavePlacement(const ScreenRect& normal, bool maximised) {
  settings::SetNumber(kWndKey, "Width", normal.width);
  settings::SetNumber(kWndKey, "Height", normal.height);
  settings::SetNumber(kWndKey, "Maximum", maximised ? 1 : 0);
}

int ClampAlignPercent(int stored) {
  if (stored == 0) return 50;
  if (stored <= 20) return 20;
  if (stored >= 80) return 80;
  return stored;
}

UserLayout ReadUserLayout(int person_no) {
  const std::string key = settings::UserKey(person_no);
  UserLayout layout;
  layout.navigation_hidden = settings::GetNumber(key, "HideNavigationWnd") != 0;
  layout.vertical = settings::GetNumber(key, "DataWndVertAlign") != 0;
  layout.percent = ClampAlignPercent(settings::GetNumber(key, "DataWndAlignPercent"));
  return layout;
}

void SaveNavigationHidden(int person_no, bool hidden) {
  settings::SetNumber(settings::UserKey(person_no), "HideNavigationWnd", hidden ? 1 : 0);
}

void SaveDataAlignment(int person_no, bool vertical) {
  settings::SetNumber(settings::UserKey(person_no), "DataWndVertAlign", vertical ? 1 : 0);
}

}  // namespace cw
