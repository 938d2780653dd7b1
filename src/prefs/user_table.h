#pragma once
// The table of the user-management page: columns "用户名", "级别", "状态",
// "权限", one row per user in number order, keyed by Person_No, each row with
// a check box for deleting several users at once. Printing, export and the
// command-line tool show the same table.
#include "controls/grid_model.h"
#include "prefs/rights.h"
#include "prefs/user_records.h"

namespace cw {

// The title of the exported table.
inline constexpr char kUserTableTitle[] = "全部列表用户";

// The columns of the table.
std::vector<GridColumn> UserTableColumns();
// One user's row: name, level text, state text and rights text.
GridRow UserTableRow(const UserRecord& user, const Rights& rights);
// The whole table for the users of the open data set.
GridModel BuildUserTable();

}  // namespace cw
