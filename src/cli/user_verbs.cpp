// users, useradd, passwd: user management from the command line, with the
// checks of the user dialogs. New passwords are read from a file or typed at
// the terminal, never taken from the command line.
#include "cli/cli_error.h"
#include "cli/login.h"
#include "cli/password_input.h"
#include "cli/value_parsing.h"
#include "cli/verbs.h"
#include "prefs/user_commands.h"
#include "prefs/user_table.h"

namespace cw::cli {
namespace {

constexpr OptionSpec kAddOptions[] = {{"new-password-file", true}, {"level", true}};
constexpr OptionSpec kPasswdOptions[] = {{"new-password-file", true}};

// The grid's table value as printed text: every column, cells as they stand.
Table TableOfGrid(const GridModel& grid, const std::vector<std::string>& keys) {
  Table table;
  table.grid = std::make_shared<const GridModel>(grid);
  table.columns.push_back({"no", "编号", Format::kNumber});
  for (int c = 0; c < grid.ColumnCount(); ++c) {
    table.columns.push_back({c < static_cast<int>(keys.size()) ? keys[c] : grid.Column(c).title, grid.Column(c).title});
  }
  for (int r = 0; r < grid.RowCount(); ++r) {
    std::vector<Value> row{static_cast<long long>(grid.Key(r).Number())};
    for (int c = 0; c < grid.ColumnCount(); ++c) row.push_back(grid.Cell(r, c));
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace

Document RunUsers(Invocation& invocation) {
  invocation.Options({});
  OpenLedger(invocation);
  Table table = TableOfGrid(ListUsersCommand(), {"name", "level", "state", "rights"});
  table.window.title = kUserTableTitle;
  return {{"users", std::move(table)}};
}

Document RunUserAdd(Invocation& invocation) {
  VerbOptions options = invocation.Options(kAddOptions, 1);
  int level = 1;
  if (auto text = options.Value("level")) level = ParseInteger(*text, "--level");
  OpenLedger(invocation);
  const NewPassword password = ReadNewPassword(options.Value("new-password-file"));
  int added = 0;
  std::string error =
      AddUserCommand(options.positionals()[0], password.password, password.confirmation, level, &added);
  if (!error.empty()) throw BadInput(error);
  return {{"user", Record{{{"no", "编号", Format::kNumber}, added}, {{"name", "用户名"}, options.positionals()[0]}}}};
}

// The logged-in user's own password; the one he logged in with is the old one.
Document RunPasswd(Invocation& invocation) {
  VerbOptions options = invocation.Options(kPasswdOptions);
  OpenLedger(invocation);
  const NewPassword password = ReadNewPassword(options.Value("new-password-file"));
  const LoggedInUser& user = CurrentUser();
  std::string error = ChangePasswordCommand(user.person_no, user.password, password.password, password.confirmation);
  if (!error.empty()) throw BadInput(error);
  return {{"passwd", Record{{{"name", "用户名"}, user.name}, {{"changed", "已修改", Format::kFlag}, true}}}};
}

}  // namespace cw::cli
