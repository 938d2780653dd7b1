#pragma once
// What the command-line verbs `users`, `useradd` and `passwd` do, as plain
// functions on the open data set. Each returns the table to print or an error
// text (empty when it worked); the verbs only parse their words and print.
#include <string>

#include "controls/grid_model.h"

namespace cw {

// users: the user-management table.
GridModel ListUsersCommand();

// useradd NAME [--level N]: adds an active user with every right, after the
// password and its confirmation agree. `added` receives the new Person_No
// when it worked.
std::string AddUserCommand(const std::string& name, const std::string& password, const std::string& confirmation,
                           int level, int* added);

// passwd: the password dialog's change of user `person_no`'s own password.
std::string ChangePasswordCommand(int person_no, const std::string& old_password, const std::string& new_password,
                                  const std::string& confirmation);

}  // namespace cw
