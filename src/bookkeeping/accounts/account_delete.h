#pragma once
// Deleting an account ("删除"), with its checks in this order: the reserved
// card-interest account, sub-accounts, a top-level account, the confirmation,
// then what refers to the account. An account that carries bookings or
// scheduled bookings is deleted only when it is its parent's only sub-account
// and the user agrees to move them to the parent, which then becomes a leaf
// again and takes the deleted account's type.
#include <string>

#include "bookkeeping/accounts/account_result.h"

namespace cw {

class Prompter;

struct DeletedAccount {
  AccountResult result;
  std::string parent;     // the deleted account's parent
  bool parent_is_leaf = false;  // it was the only sub-account: the parent is a leaf again
  int parent_type = 0;    // the type the parent took then
};

// Asks and informs through `prompter`; the deletion itself is one transaction.
DeletedAccount DeleteAccount(const std::string& code, Prompter& prompter);

}  // namespace cw
