#pragma once
// Who is logged in to the frame and how the program looks for him: read from
// the user's record and rights when he logs in.
#include <array>
#include <cstdint>
#include <string>

#include "prefs/rights.h"

namespace cw {

struct LogonProfile {
  int person_no = -1;
  bool demo = false;  // the demonstration data set is open
  // Kept when the user has no record (cannot happen after a login, but the
  // frame must still show something).
  std::string name = "Sample User";
  int level = 1;
  Rights rights{};
  std::string work_music{};
  std::string welcome_word{};     // as stored; empty means the default greeting
  std::string welcome_picture{};  // as stored; empty means Default.gif
  int color_type = 0;
  int font_type = 0;
  std::array<std::uint32_t, 8> own_colours{};  // the user's own colours (theme 0), in theme order

  bool IsAdministrator() const { return level == 0; }
};

// Reads the profile of `person_no` from the open data set (record 548 and the
// rights record; every right when there is none).
LogonProfile LoadUserProfile(int person_no, bool demo);

}  // namespace cw
