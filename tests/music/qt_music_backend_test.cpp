// The background music on this machine's real Qt Multimedia: a file that
// cannot be decoded, or a machine without a sound device, never hangs the
// program nor leaves it playing, and the user is told once.
#include "music/ui/qt_music_backend.h"

#include <gtest/gtest.h>

#include <QTest>

#include "base/scripted_prompter.h"
#include "music/background_music.h"
#include "music/music_texts.h"
#include "music_fakes.h"
#include "support/temp_home.h"

namespace cw {
namespace {

TEST(QtMusicBackendTest, UndecodableMusicIsToldOnceAndNothingPlays) {
  testing::TempHome home;
  QtMusicBackend backend;
  testing::FakeHost host;
  ScriptedPrompter prompter;
  BackgroundMusic music(backend, host, prompter);
  const std::string folder = testing::MakeFolder(std::filesystem::path(home.path()) / "music",
                                                 {"first.mp3", "second.wav"}, "this is no sound at all");
  music.BeginLogon(3, folder);
  music.Play();
  // Without a device this is told at once; with one, when the decoder gives up.
  EXPECT_TRUE(QTest::qWaitFor([&] { return !prompter.shown.empty(); }, 20000));
  EXPECT_EQ(music.state(), CMusicPlayer::kNotOpen);
  music.Play();
  QTest::qWait(500);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, music_texts::kCannotPlay);
  EXPECT_EQ(music.state(), CMusicPlayer::kNotOpen);
}

}  // namespace
}  // namespace cw
