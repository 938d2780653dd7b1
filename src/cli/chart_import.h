#pragma once
// Adding the sub-accounts that an import brings along.
#include <string>
#include <vector>

namespace cw::cli {

struct NewAccount {
  std::string code;
  std::string name;
  int type = 0;
};

// Adds to the chart of the open data set every account of `accounts` that it
// lacks (accounts already there are left as they are), parents before
// children. A leaf that receives its first sub-account keeps its name and
// stores type 0, as only leaves carry a type and bookings. Returns how many
// accounts were added.
//
// Everything is checked before the first write; BadInput names the first
// account refused: an invalid or repeated code, a new top-level account (the
// top level is fixed), a name the chart does not accept, a type outside 1-8 or
// other than its parent's, a missing parent, or a parent that already carries
// bookings. Failed when a write failed: run it inside the caller's transaction.
int AddMissingAccounts(std::vector<NewAccount> accounts);

}  // namespace cw::cli
