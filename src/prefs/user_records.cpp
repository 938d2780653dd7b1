#include "prefs/user_records.h"

#include "prefs/user_texts.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {

namespace {

// A user from a row of Person; the fields whose columns the query does not
// select keep their neutral values (CDBPack's getters give 0 or empty text).
UserRecord ReadUser(const CDBPack& row) {
  UserRecord user;
  user.person_no = row.GetLong("Person_No");
  user.name = row.GetText("Person_Name");
  user.password = row.GetText("Person_Password");
  user.level = row.GetLong("Person_Level");
  user.state = row.GetByte("State");
  user.color_type = row.GetByte("Color_Type");
  user.font_type = row.GetByte("FontType");
  user.welcome_word = row.GetText("Welcome_Word");
  user.welcome_picture = row.GetText("Welcome_Picture");
  user.work_music = row.GetText("Work_Music");
  const char* colour_columns[] = {"Navi_Color",   "NaviBorder_Color", "Main_Color", "MainCap_Color",
                                  "Scroll_Color", "Frame_Color",      "BK_Color",   "Btn_Color"};
  for (std::size_t i = 0; i < user.own_colours.size(); ++i) {
    user.own_colours[i] = static_cast<std::uint32_t>(row.GetLong(colour_columns[i]));
  }
  return user;
}

// The user the lookup `statement` finds with `key`.
std::optional<UserRecord> FindUser(int statement, const SqlValue& key) {
  CDBPack rows;
  rows.Open(Database::LoadStatement(statement), {key});
  if (rows.IsEnd()) return std::nullopt;
  return ReadUser(rows);
}

}  // namespace

std::vector<UserRecord> ListUsers() {
  std::vector<UserRecord> users;
  CDBPack rows;
  rows.Open(Database::LoadStatement(322));
  for (; !rows.IsEnd(); rows.MoveNext()) users.push_back(ReadUser(rows));
  return users;
}

std::optional<UserRecord> FindUserByName(const std::string& name) { return FindUser(327, name); }

std::optional<UserRecord> FindUserByNumber(int person_no) { return FindUser(548, person_no); }

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
