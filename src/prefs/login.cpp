#include "prefs/login.h"

#include "prefs/password.h"
#include "prefs/user_records.h"
#include "store/database.h"

namespace cw {
namespace {

// Rewrites an old stored form. Silent: the user is let in either way, and the
// next login tries again.
void UpgradeStoredPassword(int person_no, std::string_view password) {
  std::optional<std::string> stored = StoredPasswordFor(password);
  if (!stored) return;
  Transaction tx;
  if (tx.ok() && Database::Execute(Database::LoadStatement(325), {*stored, person_no}, /*silent=*/true)) (void)tx.Commit();
}

}  // namespace

LoginOutcome CheckLogin(const std::string& name, std::string_view password) {
  std::optional<UserRecord> user = FindUserByName(name);
  if (!user) return {LoginResult::kNoSuchUser, 0};
  if (user->IsFrozen()) return {LoginResult::kFrozen, user->person_no};
  if (!VerifyPassword(user->password, password)) return {LoginResult::kWrongPassword, user->person_no};
  if (NeedsUpgrade(user->password)) UpgradeStoredPassword(user->person_no, password);
  return {LoginResult::kOk, user->person_no};
}

}  // namespace cw
