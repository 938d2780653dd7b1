#include "prefs/user_records.h"

#include "prefs/user_texts.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {

std::vector<UserRecord> ListUsers() {
  std::vector<UserRecord> users;
  CDBPack rows;
  rows.Open(Database::LoadStatement(322));
  for (; !rows.IsEnd(); rows.MoveNext()) {
    UserRecord user;
    user.person_no = rows.GetLong("Person_No");
    user.name = rows.GetText("Person_Name");
    user.level = rows.GetLong("Person_Level");
    user.state = rows.GetByte("State");
    users.push_back(std::move(user));
  }
  return users;
}

std::optional<UserRecord> FindUserByName(const std::string& name) {
  CDBPack rows;
  rows.Open(Database::LoadStatement(327), {name});
  if (rows.IsEnd()) return std::nullopt;
  UserRecord user;
  user.person_no = rows.GetLong("Person_No");
  user.name = rows.GetText("Person_Name");
  user.state = rows.GetByte("State");
  user.password = rows.GetText("Person_Password");
  return user;
}

std::optional<UserRecord> FindUserByNumber(int person_no) {
  CDBPack rows;
  rows.Open(Database::LoadStatement(548), {person_no});
  if (rows.IsEnd()) return std::nullopt;
  UserRecord user;
  user.person_no = rows.GetLong("Person_No");
  user.name = rows.GetText("Person_Name");
  user.password = rows.GetText("Person_Password");
  user.level = rows.GetLong("Person_Level");
  user.state = rows.GetByte("State");
  user.color_type = rows.GetByte("Color_Type");
  user.font_type = rows.GetByte("FontType");
  user.welcome_word = rows.GetText("Welcome_Word");
  user.welcome_picture = rows.GetText("Welcome_Picture");
  user.work_music = rows.GetText("Work_Music");
  const char* colour_columns[] = {"Navi_Color",   "NaviBorder_Color", "Main_Color", "MainCap_Color",
                                  "Scroll_Color", "Frame_Color",      "BK_Color",   "Btn_Color"};
  for (std::size_t i = 0; i < user.own_colours.size(); ++i) {
    user.own_colours[i] = static_cast<std::uint32_t>(rows.GetLong(colour_columns[i]));
  }
  return user;
}

std::vector<std::string> LoginUserNames() {
  std::vector<std::string> names;
  CDBPack rows;
  rows.Open(Database::LoadStatement(328));
  for (; !rows.IsEnd(); rows.MoveNext()) names.push_back(rows.GetText("Person_Name"));
  return names;
}

std::optional<int> CountUserLedgerData(int person_no) {
  CDBPack rows;
  if (!rows.Open(Database::LoadStatement(326), {person_no}) || rows.IsEnd()) return std::nullopt;
  return rows.GetLong("Total");
}

const char* LevelText(int level) { return level == 0 ? user_texts::kLevelAdministrator : user_texts::kLevelOrdinary; }

const char* StateText(int state) { return state == 0 ? user_texts::kStateActive : user_texts::kStateFrozen; }

}  // namespace cw
