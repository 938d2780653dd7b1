#pragma once
// The picture backgrounds of the windows, one per user and window.
//
// Window numbers: 1 the home page, 61 the charts of the statistics window
// (图表统计), 71 the projection chart of the budget window (收支预算). A window
// without a stored background takes its default: the home page a plain colour
// (with Scenery1.jpg ready in the dialog), the statistics charts Flower2.jpg
// stretched over the whole drawing and the projection chart Scenery1.jpg
// stretched over the part in view, both pictures.
#include <string>

namespace cw {

inline constexpr int kHomeWindow = 1;
inline constexpr int kStatisticsWindow = 61;
inline constexpr int kBudgetWindow = 71;

enum class Placement { kCentred = 0, kStretched = 1, kTiled = 2 };

struct WindowBackground {
  bool picture = false;     // BkType: a picture, else the plain window colour
  std::string image;        // BkImage
  int display = 0;          // Display: placement, + 10 when the picture scrolls with the window
  int transparent = 50;     // Transparent: 0-100 percent

  Placement placement() const;
  bool scrolls() const { return display >= 10; }
  bool operator==(const WindowBackground&) const = default;
};

// Display for a placement and the scroll choice; a centred picture never scrolls.
int DisplayCode(Placement placement, bool scrolls);

WindowBackground DefaultWindowBackground(int window_no);

// The stored background of the window, or its default.
WindowBackground LoadWindowBackground(int person_no, int window_no);
// Stores it in one transaction; false when it could not be written (reported).
bool StoreWindowBackground(int person_no, int window_no, const WindowBackground& background);

}  // namespace cw
