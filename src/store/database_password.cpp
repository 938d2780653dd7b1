#include "store/database_password.h"

#include <cstring>

#include "store/database.h"

namespace cw::internal {

std::string DatabasePassword() {
  // Catalogue entry 357 holds the pieces among filler: the password is the text
  // at 20, then at 10, 40 and 50, each piece ending at the next cut (15, 25, 45, 55).
  char buffer[100] = {};
  std::string entry = Database::LoadStatement(357);
  std::memcpy(buffer, entry.data(), entry.size() < 99 ? entry.size() : 99);
  for (int cut : {15, 25, 45, 55}) buffer[cut] = '\0';
  std::string password;
  for (int start : {20, 10, 40, 50}) password += buffer + start;
  return password;
}

}  // namespace cw::internal
