// What the interface settings write back to the user's row.
#include <gtest/gtest.h>

#include "prefs/user_look.h"
#include "prefs/user_records.h"
#include "users_fixture.h"

namespace cw::testing {
namespace {

using UserLookTest = UsersTest;

TEST_F(UserLookTest, PresetIsStoredWithoutTouchingTheOwnColours) {
  const int mom = Add("妈妈");
  UserLookSettings look;
  look.own_colours = {0x111111, 0, 0x333333, 0, 0, 0, 0, 0x888888};
  ASSERT_TRUE(StoreUserLook(mom, look));

  look.color_type = 3;
  look.font_type = 2;
  look.welcome_word = "今天也要记账";
  look.welcome_picture = "/home/mama/me.gif";
  look.work_music = "/home/mama/Music";
  look.own_colours.fill(0x777777);  // what a preset shows is not the user's own
  ASSERT_TRUE(StoreUserLook(mom, look));

  const std::optional<UserRecord> user = FindUserByNumber(mom);
  ASSERT_TRUE(user.has_value());
  EXPECT_EQ(user->color_type, 3);
  EXPECT_EQ(user->font_type, 2);
  EXPECT_EQ(user->welcome_word, "今天也要记账");
  EXPECT_EQ(user->welcome_picture, "/home/mama/me.gif");
  EXPECT_EQ(user->work_music, "/home/mama/Music");
  EXPECT_EQ(user->own_colours, (std::array<std::uint32_t, 8>{0x111111, 0, 0x333333, 0, 0, 0, 0, 0x888888}));
}

TEST_F(UserLookTest, UnknownUserWritesNothing) {
  UserLookSettings look;
  look.welcome_word = "x";
  EXPECT_FALSE(StoreUserLook(999, look));
  EXPECT_FALSE(StoreMusicFolder(999, "/music"));
  ASSERT_TRUE(StoreMusicFolder(1, "/music"));
  EXPECT_EQ(FindUserByNumber(1)->work_music, "/music");
}

}  // namespace
}  // namespace cw::testing
