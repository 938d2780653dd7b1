#include "base/product.h"
#include "prefs/user_admin.h"

#include <optional>

#include "base/gbk_text.h"
#include "base/prompter.h"
#include "core/session.h"
#include "prefs/password.h"
#include "prefs/user_records.h"
#include "prefs/user_texts.h"
#include "store/database.h"

namespace cw {

UserResult AddUser(const UserInput& input) {
  // The transaction holds the connection lock from the name check to the last
  // write, so no other thread can take the name in between.
  Transaction tx;
  if (!tx.ok()) return UserResult::Failed();
  UserResult check = CheckNewUser(input);
  if (!check.ok) return check;
  std::optional<std::string> password = StoredPasswordFor(input.password);
  if (!password) return UserResult::Refused(user_texts::kPasswordNotStored, UserField::kPassword);
  const std::string name = NormalisedUserName(input.name);
  const Rights rights = input.level == 0 ? Rights::All() : input.rights;
  if (!Database::Execute(Database::LoadStatement(323), {name, *password, std::string(kDefaultGreeting),
                                                        input.level, input.state}))
    return UserResult::Failed();
  std::optional<UserRecord> added = FindUserByName(name);
  if (!added || !WriteRights(added->person_no, rights) || !tx.Commit()) return UserResult::Failed();
  return UserResult::Done(added->person_no);
}

UserResult ChangeUser(int person_no, const UserInput& input) {
  Transaction tx;
  if (!tx.ok()) return UserResult::Failed();
  UserResult check = CheckChangedUser(person_no, input);
  if (!check.ok) return check;
  std::optional<UserRecord> user = FindUserByNumber(person_no);
  if (!user) return UserResult::Refused(user_texts::kNoSuchUser, UserField::kNone);
  // The dialog greys state and rights for an administrator; the same holds here
  // for every caller, so that no administrator is ever locked out.
  const int state = user->IsAdministrator() ? 0 : input.state;
  const Rights rights = user->IsAdministrator() ? Rights::All() : input.rights;
  if (!Database::Execute(Database::LoadStatement(324), {NormalisedUserName(input.name), state, person_no}) ||
      !WriteRights(person_no, rights) || !tx.Commit())
    return UserResult::Failed();
  return UserResult::Done(person_no);
}

UserResult ChangePassword(int person_no, std::string_view old_password, std::string_view new_password,
                          std::string_view confirmation) {
  Transaction tx;
  if (!tx.ok()) return UserResult::Failed();
  std::optional<UserRecord> user = FindUserByNumber(person_no);
  if (!user) return UserResult::Refused(user_texts::kNoSuchUser, UserField::kNone);
  if (!VerifyPassword(user->password, old_password))
    return UserResult::Refused(user_texts::kOldPasswordWrong, UserField::kOldPassword);
  if (new_password != confirmation)
    return UserResult::Refused(user_texts::kNewPasswordMismatch, UserField::kNewPassword);
  if (GbkLength(new_password) > kMaxPasswordBytes)
    return UserResult::Refused(user_texts::kPasswordTooLong, UserField::kNewPassword);
  std::optional<std::string> stored = StoredPasswordFor(new_password);
  if (!stored) return UserResult::Refused(user_texts::kPasswordNotStored, UserField::kNewPassword);
  if (!Database::Execute(Database::LoadStatement(325), {*stored, person_no}) || !tx.Commit())
    return UserResult::Failed();
  return UserResult::Done(person_no);
}

namespace {

// Deletes one user record and its rights; false when a statement failed.
bool DeleteUser(const UserRecord& user) {
  Transaction tx;
  return tx.ok() && Database::Execute(Database::LoadStatement(355), {user.name}) &&
         Database::Execute(Database::LoadStatement(551), {user.person_no}) && tx.Commit();
}

}  // namespace

std::vector<int> DeleteUsers(const std::vector<int>& chosen, DeleteSource source, Prompter& prompter) {
  std::vector<int> deleted;
  if (chosen.empty()) {
    prompter.Inform(source == DeleteSource::kTickedRows ? user_texts::kNothingTicked : user_texts::kNoRowSelected,
                    user_texts::kInputErrorCaption);
    return deleted;
  }
  if (!prompter.Ask(user_texts::kConfirmDelete, user_texts::kDeleteCaption)) return deleted;
  for (auto it = chosen.rbegin(); it != chosen.rend(); ++it) {
    std::optional<UserRecord> user = FindUserByNumber(*it);
    if (!user) continue;  // gone meanwhile
    if (user->IsAdministrator()) {
      prompter.Inform(user_texts::kKeepAdministrator);
      continue;
    }
    if (user->person_no == LoggedInPerson()) {
      prompter.Inform(StrFormat(user_texts::kCannotDeleteSelf, user->name.c_str()));
      continue;
    }
    std::optional<int> data = CountUserLedgerData(user->person_no);
    if (!data) continue;  // the count failed and was reported: keep the user
    if (*data > 0) {
      prompter.Inform(StrFormat(user_texts::kUserHasData, user->name.c_str()));
      continue;
    }
    if (DeleteUser(*user)) deleted.push_back(user->person_no);
  }
  return deleted;
}

bool CanManageUsers(int person_no) {
  std::optional<UserRecord> user = FindUserByNumber(person_no);
  return user && user->IsAdministrator() && ReadRights(person_no).system_set;
}

}  // namespace cw
