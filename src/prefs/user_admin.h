#pragma once
// Adding, changing and deleting users and changing a password, with every
// check the user-management page and the password dialog make.
//
// The checks and the writes are plain functions so that the dialogs, the page
// and the command-line tool share them. Each writing operation is one
// transaction: a user is never left without the rights record written with it.
// They are meant to be called on their own, not inside a caller's transaction:
// a refusal rolls back, and that marks an enclosing transaction failed.
#include <string>
#include <string_view>
#include <vector>

#include "prefs/rights.h"

namespace cw {

class Prompter;

// The longest name and password, counted as GBK bytes (a CJK character counts 2).
inline constexpr std::size_t kMaxNameBytes = 20;
inline constexpr std::size_t kMaxPasswordBytes = 20;

// The input a refusal points at, so that a dialog can put the focus there.
enum class UserField { kNone, kName, kPassword, kLevel, kState, kOldPassword, kNewPassword };

// What the user dialog collects. The password is used only when adding; the
// level only by the command-line tool (the dialog always adds level 1).
struct UserInput {
  std::string name;
  std::string password;
  int level = 1;
  int state = 0;
  Rights rights;
};

// The outcome of a check or an operation. A refusal carries its message (shown
// with the caption "操作错误") and the field to focus; a failed write carries
// no message, because the data store has reported it already.
struct UserResult {
  bool ok = false;
  int person_no = 0;  // the user added or changed
  std::string message;
  UserField field = UserField::kNone;

  static UserResult Done(int person_no) { return {true, person_no, {}, UserField::kNone}; }
  static UserResult Refused(std::string message, UserField field) { return {false, 0, std::move(message), field}; }
  static UserResult Failed() { return {}; }
};

// The name as it is checked and stored: surrounding blanks removed, so that
// "张三 " cannot sit in the login list beside "张三".
std::string NormalisedUserName(std::string_view name);

// Checks for a new user: the name is given, at most 20 bytes and not taken;
// the password at most 20 bytes; the level 0 or 1.
UserResult CheckNewUser(const UserInput& input);
// Checks for a change of user `person_no`: the user exists, the same name
// checks (a user of that name is a conflict only when it is another user), and
// an administrator cannot be frozen.
UserResult CheckChangedUser(int person_no, const UserInput& input);

// Adds a user after CheckNewUser: the password in its stored form, the default
// greeting, the level, the state and the rights record (an administrator gets
// every right). The result carries the new Person_No.
UserResult AddUser(const UserInput& input);
// Changes name, state and rights of a user after CheckChangedUser. An
// administrator keeps state 正常 and every right whatever the input says.
UserResult ChangeUser(int person_no, const UserInput& input);

// Changes the password of user `person_no` (the logged-in user): the old
// password must match (field kOldPassword), the new one and its confirmation
// must agree (kNewPassword), the new one is at most 20 bytes. An empty new
// password removes the password.
UserResult ChangePassword(int person_no, std::string_view old_password, std::string_view new_password,
                          std::string_view confirmation);

// Where the users to delete were chosen: the ticked rows (toolbar) or the row
// under the mouse (context menu).
enum class DeleteSource { kTickedRows, kSelectedRow };

// Deletes the chosen users (Person_No in row order) after asking `prompter`;
// from the last to the first, an administrator, a user whose data the ledger
// holds and the logged-in user are refused, each with its message, and the
// others deleted with their rights. Returns the numbers deleted.
std::vector<int> DeleteUsers(const std::vector<int>& chosen, DeleteSource source, Prompter& prompter);

// True when `person_no` may manage users: level 0 with the right 系统管理.
bool CanManageUsers(int person_no);

}  // namespace cw
