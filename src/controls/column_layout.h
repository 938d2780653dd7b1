#pragma once
// The column layout a user leaves on a table, kept in the settings under
// "User%d/T%03d" (user number, table number mod 1000):
//   "Col%d"       width of column %d; read back clamped to 20..500, 0 or missing
//                 keeps the table's own width;
//   "SortCol", "Ascending"   sort column and direction, when the table sorts;
//   "HideColumn"  bit i set = column i hidden (the first 32 columns).
// Module windows load it when they build a table and save it when they leave.
#include <string>

#include "controls/grid_model.h"
#include "core/session.h"

namespace cw {

inline constexpr int kMinStoredWidth = 20;
inline constexpr int kMaxStoredWidth = 500;

void LoadColumnLayout(GridModel& model, int table, int person_no = LoggedInPerson());
void SaveColumnLayout(const GridModel& model, int table, int person_no = LoggedInPerson());

// The same under a key of its own: the search results of each searched page
// keep theirs apart, under "User%d/T999_%03d" (searched page mod 1000).
std::string SearchLayoutKey(int searched_page, int person_no = LoggedInPerson());
// Whether a stored sort is restored only on a table that sorts already, or
// also on one that sorts when the user asks (a "排序" command).
enum class StoredSort { kWhenSorting, kAlways };
void LoadColumnLayout(GridModel& model, const std::string& key, StoredSort sort = StoredSort::kWhenSorting);
void SaveColumnLayout(const GridModel& model, const std::string& key);

}  // namespace cw
