#include "cli/login.h"

#include <cstdlib>
#include <optional>

#include "cli/cli_error.h"
#include "cli/password_input.h"
#include "core/session.h"
#include "prefs/login.h"
#include "prefs/user_admin.h"
#include "prefs/user_records.h"
#include "prefs/user_texts.h"

namespace cw::cli {
namespace {

LoggedInUser current;

// --user, else the first administrator: the one a new data set starts with.
std::string UserName(const GlobalOptions& globals) {
  if (globals.user) return NormalisedUserName(*globals.user);
  for (const UserRecord& user : ListUsers()) {
    if (user.IsAdministrator()) return user.name;
  }
  throw BadInput("the data set has no administrator: give --user NAME");
}

std::string LoginPassword(const GlobalOptions& globals, const std::string& name) {
  if (globals.password_file) return PasswordFromFile(*globals.password_file);
  if (const char* variable = std::getenv(kPasswordVariable)) return variable;
  if (!TerminalAvailable()) {
    throw BadInput("user " + name + " has a password: give --password-file FILE, set " +
                   std::string(kPasswordVariable) + " or run at a terminal");
  }
  return AskHidden(name + " 的密码：");
}

std::string NeedText(Need need) {
  for (const RightLabel& right : kRightLabels) {
    Rights only = Rights::None();
    only.*right.member = true;
    if (need != Need::kUserAdmin && Permitted(need, only, 1)) return std::string("“") + right.label + "”";
  }
  return need == Need::kUserAdmin ? "“系统管理” and the administrator level" : "no right";
}

}  // namespace

const LoggedInUser& LogIn(const GlobalOptions& globals) {
  const std::string name = UserName(globals);
  std::optional<UserRecord> user = FindUserByName(name);
  if (!user) throw BadInput("user " + name + ": " + user_texts::kNoSuchUser);
  // Refused before a password is asked for, as the login dialog refuses a
  // frozen user before it looks at the password.
  if (user->IsFrozen()) throw BadInput("user " + name + ": " + user_texts::kFrozenLogin);
  // The empty stored form means no password; only the empty one matches it.
  const std::string password = user->password.empty() ? "" : LoginPassword(globals, name);
  const LoginOutcome outcome = CheckLogin(name, password);
  switch (outcome.result) {
    case LoginResult::kOk: break;
    case LoginResult::kNoSuchUser: throw BadInput("user " + name + ": " + user_texts::kNoSuchUser);
    case LoginResult::kFrozen: throw BadInput("user " + name + ": " + user_texts::kFrozenLogin);
    case LoginResult::kWrongPassword: throw BadInput("user " + name + ": wrong password");
  }
  std::optional<UserRecord> record = FindUserByNumber(outcome.person_no);
  if (!record) throw Failed("user " + name + " could not be read");
  current = {outcome.person_no, record->name, record->level, ReadRights(outcome.person_no), password};
  SetLoggedInPerson(outcome.person_no);
  return current;
}

const LoggedInUser& CurrentUser() { return current; }

void RequireRight(Need need, std::string_view what) {
  if (Permitted(need, current.rights, current.level)) return;
  throw BadInput("user " + current.name + " may not run " + std::string(what) + ": it needs the right " +
                 NeedText(need));
}

}  // namespace cw::cli
