#pragma once
// Reading the user records (`Person`) of the open data set.
//
// A failed query has been reported by the data store and reads as "no rows".
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cw {

struct UserRecord {
  int person_no = 0;
  std::string name;
  // Stored form of the password (see prefs/password.h); filled by the lookups
  // by name and by number, not by the list.
  std::string password;
  int level = 1;  // 0 administrator, else ordinary user
  int state = 0;  // 0 active, else frozen
  // Profile fields, filled by the lookups, not by the list.
  int color_type = 0;
  int font_type = 0;
  std::string welcome_word;
  std::string welcome_picture;
  std::string work_music;
  // The user's own colours (0x00BBGGRR, 0 = the default), in the order the
  // interface settings list them: navigation, navigation border, main window,
  // main caption, scroll bar, frame, dialog background, dialog buttons.
  std::array<std::uint32_t, 8> own_colours{};

  bool IsAdministrator() const { return level == 0; }
  bool IsFrozen() const { return state != 0; }
};

// Every user in number order: number, name, level and state.
std::vector<UserRecord> ListUsers();
// The user of that name with every field.
std::optional<UserRecord> FindUserByName(const std::string& name);
// The user of that number with every field.
std::optional<UserRecord> FindUserByNumber(int person_no);
// The names offered by the login dialog, in number order.
std::vector<std::string> LoginUserNames();
// How many vouchers (entered or audited) and scheduled bookings name the user;
// a user with any cannot be deleted. Nothing when the count failed.
std::optional<int> CountUserLedgerData(int person_no);

// "管理员" for level 0, "普通用户" otherwise.
const char* LevelText(int level);
// "正常" for state 0, "冻结" otherwise.
const char* StateText(int state);

}  // namespace cw
