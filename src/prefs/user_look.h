#pragma once
// Writing back what a user chose in the interface settings: theme, own
// colours, font size, greeting, photo and music folder, in the user's row.
#include <array>
#include <cstdint>
#include <string>

namespace cw {

struct UserLookSettings {
  int color_type = 0;
  int font_type = 0;
  std::string welcome_word;
  std::string welcome_picture;
  std::string work_music;
  std::array<std::uint32_t, 8> own_colours{};  // in theme order; stored only with theme 0
};

// One transaction. The own colours are written only when the theme is 0
// ("自定义"), so that trying a preset never loses them. False when nothing was
// written (no such user, or the write failed and was reported).
bool StoreUserLook(int person_no, const UserLookSettings& look);

// The user's music folder alone ("设置音乐目录").
bool StoreMusicFolder(int person_no, const std::string& folder);

}  // namespace cw
