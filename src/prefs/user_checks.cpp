// The checks of the user dialog, shared by adding and changing a user.
#include <optional>

#include "base/gbk_text.h"
#include "prefs/user_admin.h"
#include "prefs/user_records.h"
#include "prefs/user_texts.h"

namespace cw {
namespace {

// The checks on the name: given, not too long, and not the name of another
// user (`own_number` 0 when adding).
std::optional<UserResult> RefuseName(const std::string& name, int own_number) {
  if (name.empty()) return UserResult::Refused(user_texts::kNameMissing, UserField::kName);
  if (GbkLength(name) > kMaxNameBytes) return UserResult::Refused(user_texts::kNameTooLong, UserField::kName);
  std::optional<UserRecord> holder = FindUserByName(name);
  if (holder && holder->person_no != own_number)
    return UserResult::Refused(user_texts::kNameTaken, UserField::kName);
  return std::nullopt;
}

}  // namespace

std::string NormalisedUserName(std::string_view name) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t begin = name.find_first_not_of(kBlanks);
  if (begin == std::string_view::npos) return {};
  const std::size_t end = name.find_last_not_of(kBlanks);
  return std::string(name.substr(begin, end - begin + 1));
}

UserResult CheckNewUser(const UserInput& input) {
  if (auto refusal = RefuseName(NormalisedUserName(input.name), 0)) return *refusal;
  if (GbkLength(input.password) > kMaxPasswordBytes)
    return UserResult::Refused(user_texts::kPasswordTooLong, UserField::kPassword);
  if (input.level != 0 && input.level != 1) return UserResult::Refused(user_texts::kBadLevel, UserField::kLevel);
  return UserResult::Done(0);
}

UserResult CheckChangedUser(int person_no, const UserInput& input) {
  std::optional<UserRecord> user = FindUserByNumber(person_no);
  if (!user) return UserResult::Refused(user_texts::kNoSuchUser, UserField::kNone);
  if (auto refusal = RefuseName(NormalisedUserName(input.name), person_no)) return *refusal;
  if (user->IsAdministrator() && input.state != 0)
    return UserResult::Refused(user_texts::kCannotFreezeAdministrator, UserField::kState);
  return UserResult::Done(person_no);
}

}  // namespace cw
