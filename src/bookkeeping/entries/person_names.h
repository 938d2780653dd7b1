#pragma once
// The names of the users for the "制单" and "审核" columns, read once per table.
#include <map>
#include <string>

namespace cw {

class PersonNames {
 public:
  // Reads the users of the open data set.
  PersonNames();
  // The name of user `person_no`; empty for 0 (nobody) and for a user no longer there.
  std::string NameOf(int person_no) const;

 private:
  std::map<int, std::string> names_;
};

}  // namespace cw
