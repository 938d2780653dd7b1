#pragma once
// The column layout a user leaves on a table, kept in the settings under
// "User%d/T%03d" (user number, table number mod 1000):
//   "Col%d"       width of column %d; read back clamped to 20..500, 0 or missing
//                 keeps the table's own width;
//   "SortCol", "Ascending"   sort column and direction, when the table sorts;
//   "HideColumn"  bit i set = column i hidden (the first 32 columns).
// Module windows load it when they build a table and save it when they leave.
#include "controls/grid_model.h"
#include "core/session.h"

namespace cw {

inline constexpr int kMinStoredWidth = 20;
inline constexpr int kMaxStoredWidth = 500;

void LoadColumnLayout(GridModel& model, int table, int person_no = LoggedInPerson());
void SaveColumnLayout(const GridModel& model, int table, int person_no = LoggedInPerson());

}  // namespace cw
