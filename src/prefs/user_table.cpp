#include "prefs/user_table.h"

#include "store/read_watch.h"

namespace cw {

std::vector<GridColumn> UserTableColumns() {
  auto column = [](const char* title, int width, Align align) {
    GridColumn c;
    c.title = title;
    c.width = width;
    c.align = align;
    c.required = true;
    return c;
  };
  return {column("用户名", 80, Align::Left), column("级别", 80, Align::Left), column("状态", 80, Align::Centre),
          column("权限", 450, Align::Left)};
}

GridRow UserTableRow(const UserRecord& user, const Rights& rights) {
  GridRow row;
  row.key = user.person_no;
  row.cells = {user.name, LevelText(user.level), StateText(user.state), RightsText(rights)};
  row.checkable = true;
  return row;
}

GridModel BuildUserTable() {
  ReadWatch reads;
  GridModel table;
  table.SetColumns(UserTableColumns());
  table.ShowCheckColumn(true);
  for (const UserRecord& user : ListUsers()) table.AddRow(UserTableRow(user, ReadRights(user.person_no)));
  if (reads.ReportIfFailed()) table.DeleteAllRows();  // rows read up to a failure are not shown
  return table;
}

}  // namespace cw
