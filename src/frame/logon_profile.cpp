#include "frame/logon_profile.h"

#include "prefs/user_records.h"

namespace cw {

LogonProfile LoadUserProfile(int person_no, bool demo) {
  LogonProfile profile;
  profile.person_no = person_no;
  profile.demo = demo;
  profile.rights = ReadRights(person_no);
  if (std::optional<UserRecord> user = FindUserByNumber(person_no)) {
    profile.name = user->name;
    profile.level = user->level;
    profile.work_music = user->work_music;
    profile.welcome_word = user->welcome_word;
    profile.welcome_picture = user->welcome_picture;
    profile.color_type = user->color_type;
    profile.font_type = user->font_type;
    profile.own_colours = user->own_colours;
  }
  return profile;
}

}  // namespace cw
