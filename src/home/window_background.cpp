#include "home/window_background.h"

#include <algorithm>

#include "home/resource_path.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {

Placement WindowBackground::placement() const {
  switch (display % 10) {
    case 1: return Placement::kStretched;
    case 2: return Placement::kTiled;
    default: return Placement::kCentred;
  }
}

int DisplayCode(Placement placement, bool scrolls) {
  const int code = static_cast<int>(placement);
  return scrolls && placement != Placement::kCentred ? code + 10 : code;
}

WindowBackground DefaultWindowBackground(int window_no) {
  switch (window_no) {
    case kHomeWindow: return {false, ResourcePath("Image/Scenery1.jpg"), 11, 70};
    case kStatisticsWindow: return {true, ResourcePath("Image/Flower2.jpg"), 11, 70};
    case kBudgetWindow: return {true, ResourcePath("Image/Scenery1.jpg"), 1, 70};
    default: return {false, "", 0, 50};
  }
}

WindowBackground LoadWindowBackground(int person_no, int window_no) {
  CDBPack rows;
  if (!rows.Open(Database::LoadStatement(1853), {person_no, window_no}) || rows.IsEnd())
    return DefaultWindowBackground(window_no);
  WindowBackground background;
  background.picture = rows.GetByte("BkType") == 1;
  background.image = rows.GetText("BkImage");
  background.display = rows.GetShort("Display");
  background.transparent = std::clamp(rows.GetByte("Transparent"), 0, 100);
  return background;
}

bool StoreWindowBackground(int person_no, int window_no, const WindowBackground& background) {
  Transaction tx;
  if (!tx.ok()) return false;
  if (!Database::Execute(Database::LoadStatement(1854),
                         {person_no, window_no, background.picture ? 1 : 0, background.image, background.display,
                          std::clamp(background.transparent, 0, 100)}))
    return false;
  return tx.Commit();
}

}  // namespace cw
