#include "bookkeeping/entries/person_names.h"

#include "prefs/user_records.h"

namespace cw {

PersonNames::PersonNames() {
  for (const UserRecord& user : ListUsers()) names_[user.person_no] = user.name;
}

std::string PersonNames::NameOf(int person_no) const {
  auto found = names_.find(person_no);
  return found == names_.end() ? std::string() : found->second;
}

}  // namespace cw
