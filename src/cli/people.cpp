#include "cli/people.h"

#include "cli/cli_error.h"
#include "core/session.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw::cli {

People::People() {
  CDBPack rows;
  rows.Open(Database::LoadStatement(322));
  for (; !rows.IsEnd(); rows.MoveNext()) {
    people_.push_back({rows.GetLong("Person_No"), rows.GetText("Person_Name"), rows.GetByte("State")});
  }
}

const Person* People::Find(int number) const {
  for (const Person& person : people_)
    if (person.number == number) return &person;
  return nullptr;
}

std::string People::NameOf(int number) const {
  const Person* person = Find(number);
  return person ? person->name : "";
}

void LogIn(int user) {
  People people;
  const Person* person = people.Find(user);
  if (!person) throw BadInput("user " + std::to_string(user) + " does not exist");
  // A frozen user cannot log in to the desktop program either.
  if (person->state != 0) throw BadInput("user " + std::to_string(user) + " (" + person->name + ") is frozen");
  SetLoggedInPerson(user);
}

}  // namespace cw::cli
