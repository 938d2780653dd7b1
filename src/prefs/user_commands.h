#pragma once
// What the command-line verbs `users`, `useradd` and `passwd` do, as plain
// functions on the open data set. Each returns the table to print or an error
// text (empty when it worked); the verbs only parse their words and print.
#include <string>

#include "controls/grid_model.h"

namespace cw {

// users: the user-management table.
GridModel ListUsersCommand();

// useradd NAME [--password P] [--level N]: adds an active user with every
// right. `added` receives the new Person_No when it worked.
std::string AddUserCommand(const std::string& name, const std::string& password, int level, int* added);

// passwd NAME --old P --new Q: the checks of the password dialog, with the new
// password as its own confirmation.
std::string ChangePasswordCommand(const std::string& name, const std::string& old_password,
                                  const std::string& new_password);

}  // namespace cw
