#include "prefs/user_commands.h"

#include <optional>

#include "prefs/user_admin.h"
#include "prefs/user_table.h"
#include "prefs/user_texts.h"

namespace cw {
namespace {

// A failed write has no message of its own: the data store has reported the
// database error through the prompter already.
constexpr char kWriteFailed[] = "数据库操作失败。";

std::string ErrorText(const UserResult& result) {
  if (result.ok) return {};
  return result.message.empty() ? kWriteFailed : result.message;
}

}  // namespace

GridModel ListUsersCommand() { return BuildUserTable(); }

std::string AddUserCommand(const std::string& name, const std::string& password, const std::string& confirmation,
                           int level, int* added) {
  if (password != confirmation) return user_texts::kNewPasswordMismatch;
  UserInput input;
  input.name = name;
  input.password = password;
  input.level = level;
  UserResult result = AddUser(input);
  if (result.ok && added) *added = result.person_no;
  return ErrorText(result);
}

std::string ChangePasswordCommand(int person_no, const std::string& old_password, const std::string& new_password,
                                  const std::string& confirmation) {
  return ErrorText(ChangePassword(person_no, old_password, new_password, confirmation));
}

}  // namespace cw
