#pragma once
// How the tool logs in: as the login dialog does, with the user and the
// password taken from the command line's options, the environment or the
// terminal, and the rights of the user checked before a verb works.
#include <string>
#include <string_view>

#include "cli/arguments.h"
#include "prefs/rights.h"

namespace cw::cli {

// The environment variable a script may hand the login password in.
inline constexpr char kPasswordVariable[] = "COINWRIGHT_PASSWORD";

struct LoggedInUser {
  int person_no = 0;
  std::string name;
  int level = 1;
  Rights rights;
  std::string password;  // as typed at login: passwd takes it as the old password
};

// Logs in to the open data set. The user is --user NAME, else the
// administrator (level 0) with the lowest number. A user without a password
// needs none; otherwise the password is the first line of --password-file,
// else $COINWRIGHT_PASSWORD, else typed at the terminal without echo.
// BadInput for a user who does not exist, a frozen user, a wrong password, or
// no way to get the password.
const LoggedInUser& LogIn(const GlobalOptions& globals);

// The user logged in by LogIn.
const LoggedInUser& CurrentUser();

// BadInput unless the logged-in user has what `need` asks; `what` names the
// verb or the part of its work that needs it.
void RequireRight(Need need, std::string_view what);

}  // namespace cw::cli
