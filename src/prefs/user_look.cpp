#include "prefs/user_look.h"

#include "store/database.h"

namespace cw {
namespace {

// The row was there and took the values.
bool Updated(int statement, const SqlParams& params) {
  return Database::Execute(Database::LoadStatement(statement), params) && Database::Changes() == 1;
}

}  // namespace

bool StoreUserLook(int person_no, const UserLookSettings& look) {
  Transaction tx;
  if (!tx.ok()) return false;
  if (!Updated(1850, {look.color_type, look.font_type, look.welcome_word, look.welcome_picture, look.work_music,
                      person_no}))
    return false;
  if (look.color_type == 0) {
    SqlParams colours;
    for (std::uint32_t colour : look.own_colours) colours.push_back(static_cast<std::int64_t>(colour));
    colours.push_back(person_no);
    if (!Updated(1851, colours)) return false;
  }
  return tx.Commit();
}

bool StoreMusicFolder(int person_no, const std::string& folder) {
  Transaction tx;
  return tx.ok() && Updated(1852, {folder, person_no}) && tx.Commit();
}

}  // namespace cw
