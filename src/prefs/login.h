#pragma once
// The password check of the login dialog.
#include <string>
#include <string_view>

namespace cw {

enum class LoginResult {
  kOk,
  kNoSuchUser,     // the dialog does nothing
  kFrozen,         // user_texts::kFrozenLogin
  kWrongPassword,  // user_texts::kWrongPassword, focus back to the password
};

struct LoginOutcome {
  LoginResult result = LoginResult::kNoSuchUser;
  int person_no = 0;  // the user found by name (0 when there is none)
};

// Checks a login on the open data set. A frozen user is refused before the
// password is looked at, so even the right password does not reveal itself.
// A successful login whose password is still kept in an old form rewrites it
// as Argon2id; when that rewrite fails the login still succeeds.
LoginOutcome CheckLogin(const std::string& name, std::string_view password);

}  // namespace cw
