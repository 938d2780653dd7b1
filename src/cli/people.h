#pragma once
// The users of the open data set, as the verbs need them: names for the
// 制单/审核 columns and the check of the user a verb acts as.
#include <string>
#include <vector>

namespace cw::cli {

struct Person {
  int number = 0;
  std::string name;
  int state = 0;  // 0 active, else frozen
};

class People {
 public:
  // Reads the users of the open data set.
  People();
  // The name of user `number`; empty for 0 (nobody) and for a user no longer there.
  std::string NameOf(int number) const;
  const Person* Find(int number) const;

 private:
  std::vector<Person> people_;
};

// Logs in as `user`: BadInput when the user does not exist or is frozen.
void LogIn(int user);

}  // namespace cw::cli
