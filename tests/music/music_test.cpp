// The background music: which files a folder offers, which track comes next,
// and the player's states driven through a fake sound device.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "base/scripted_prompter.h"
#include "core/settings.h"
#include "music/background_music.h"
#include "music/music_texts.h"
#include "music_fakes.h"
#include "support/temp_home.h"

namespace cw {
namespace {

namespace fs = std::filesystem;
using testing::FakeHost;
using testing::MakeFolder;

// A sound device that writes down what it was asked; paths in `broken` cannot be opened.
class FakeBackend : public MusicBackend {
 public:
  bool Open(const std::string& path) override {
    log.push_back("open " + fs::path(path).filename().string());
    return !broken.contains(fs::path(path).filename().string()) && !no_device;
  }
  void Pause() override { log.push_back("pause"); }
  void Resume() override { log.push_back("resume"); }
  void Close() override { log.push_back("close"); }
  MusicEvents* listener() const { return listener_; }

  std::vector<std::string> log;
  std::set<std::string> broken;
  bool no_device = false;
};

std::vector<std::string> Names(const std::vector<std::string>& paths) {
  std::vector<std::string> names;
  for (const std::string& path : paths) names.push_back(fs::path(path).filename().string());
  return names;
}

TEST(MusicFiles, OnlyLowerCaseMp3AndWavAfterTheFirstDotPlay) {
  const struct {
    const char* name;
    bool playable;
  } cases[] = {
      {"song.mp3", true},  {"song.wav", true},      {"Song.MP3", false}, {"song.Mp3", false},
      {"a.b.mp3", false},  {"song.mp3.txt", false}, {"mp3", false},      {"song.wma", false},
      {".mp3", true},      {"song.mp", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsPlayableMusicName(c.name), c.playable) << c.name;
}

TEST(MusicFiles, FolderListsItsPlayableFilesByName) {
  testing::TempHome home;
  const std::string folder = MakeFolder(fs::path(home.path()) / "music",
                                        {"b.mp3", "a.wav", "C.MP3", "notes.txt", "x.b.mp3"});
  fs::create_directory(fs::path(folder) / "sub.mp3");
  EXPECT_EQ(Names(PlayableMusicFiles(folder)), (std::vector<std::string>{"a.wav", "b.mp3"}));
  EXPECT_TRUE(PlayableMusicFiles(folder + "/gone").empty());
  EXPECT_TRUE(PlayableMusicFiles("").empty());
}

TEST(MusicFiles, NextTrack) {
  const std::vector<std::string> files{"a", "b", "c"};
  const struct {
    std::string current;
    PlayOrder order;
    std::string next;
  } cases[] = {
      {"", PlayOrder::kInOrder, "a"},      {"a", PlayOrder::kInOrder, "b"}, {"c", PlayOrder::kInOrder, "a"},
      {"gone", PlayOrder::kInOrder, "a"},  {"a", PlayOrder::kRandom, "c"},
  };
  const RandomPick pick_last = [](std::size_t count) { return count - 1; };
  for (const auto& c : cases) EXPECT_EQ(NextTrack(files, c.current, c.order, pick_last), c.next) << c.current;
  EXPECT_EQ(NextTrack({"only"}, "only", PlayOrder::kInOrder), "only");
  EXPECT_EQ(NextTrack({}, "a", PlayOrder::kRandom), "");
  // The real random pick stays inside the list and reaches every file.
  std::set<std::string> seen;
  for (int i = 0; i < 200; ++i) seen.insert(NextTrack(files, "", PlayOrder::kRandom));
  EXPECT_EQ(seen, (std::set<std::string>{"a", "b", "c"}));
}

class BackgroundMusicTest : public ::testing::Test {
 protected:
  testing::TempHome home;
  FakeBackend backend;
  FakeHost host;
  ScriptedPrompter prompter;
  BackgroundMusic music{backend, host, prompter};
  std::string folder = MakeFolder(fs::path(home.path()) / "music", {"a.mp3", "b.mp3", "c.wav"});

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& shown : prompter.shown) texts.push_back(shown.text);
    return texts;
  }
};

TEST_F(BackgroundMusicTest, PauseThenPlayResumesTheSameTrack) {
  music.BeginLogon(3, folder);
  music.Play();
  EXPECT_EQ(music.state(), CMusicPlayer::kPlaying);
  music.Pause();
  EXPECT_EQ(music.state(), CMusicPlayer::kPaused);
  music.Play();
  EXPECT_EQ(music.state(), CMusicPlayer::kPlaying);
  EXPECT_EQ(backend.log, (std::vector<std::string>{"open a.mp3", "pause", "resume"}));
  music.Stop();
  EXPECT_EQ(music.state(), CMusicPlayer::kNotOpen);
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(BackgroundMusicTest, TrackEndsThenTheNextPlaysInOrderOrAtRandom) {
  music.BeginLogon(3, folder);
  music.Play();
  backend.listener()->OnTrackEnded();
  backend.listener()->OnTrackEnded();
  backend.listener()->OnTrackEnded();
  EXPECT_EQ(Names({music.CurrentFile()}), std::vector<std::string>{"a.mp3"});  // wrapped round
  EXPECT_EQ(backend.log, (std::vector<std::string>{"open a.mp3", "close", "open b.mp3", "close", "open c.wav",
                                                   "close", "open a.mp3"}));
  // The order is the user's and survives the next logon.
  music.SetOrder(PlayOrder::kRandom);
  music.EndLogon();
  music.BeginLogon(3, folder);
  EXPECT_EQ(music.order(), PlayOrder::kRandom);
  // An end reported after a stop starts nothing.
  music.Stop();
  backend.log.clear();
  backend.listener()->OnTrackEnded();
  EXPECT_TRUE(backend.log.empty());
}

TEST_F(BackgroundMusicTest, OneTrackInOrderPlaysAgain) {
  const std::string single = MakeFolder(fs::path(home.path()) / "one", {"only.mp3"});
  music.BeginLogon(3, single);
  music.Play();
  backend.listener()->OnTrackEnded();
  EXPECT_EQ(backend.log, (std::vector<std::string>{"open only.mp3", "close", "open only.mp3"}));
  EXPECT_EQ(music.state(), CMusicPlayer::kPlaying);
}

TEST_F(BackgroundMusicTest, MissingOrUselessFolderAsksAndChoosesAnother) {
  const std::string upper = MakeFolder(fs::path(home.path()) / "upper", {"A.MP3", "B.WAV"});
  // No folder: asked whether to set one; No leaves everything as it was.
  music.BeginLogon(3, "");
  music.Play();
  EXPECT_EQ(Texts(), std::vector<std::string>{music_texts::kAskSetFolder});
  EXPECT_TRUE(host.stored.empty());
  // A folder of upper-case names is as good as empty; Yes chooses, stores and plays the new one.
  music.BeginLogon(3, upper);
  prompter.shown.clear();
  prompter.answers = {true};
  host.folder_choice = folder;
  music.Play();
  EXPECT_EQ(Texts(), std::vector<std::string>{music_texts::kAskFolderAgain});
  EXPECT_EQ(host.stored, std::vector<std::string>{folder});
  EXPECT_EQ(music.folder(), folder);
  EXPECT_EQ(Names({music.CurrentFile()}), std::vector<std::string>{"a.mp3"});
  // Choosing a folder without music says so and plays nothing.
  prompter.shown.clear();
  host.folder_choice = upper;
  music.ChooseFolder();
  EXPECT_EQ(Texts(), std::vector<std::string>{music_texts::kNoPlayableFile});
  EXPECT_EQ(music.state(), CMusicPlayer::kNotOpen);
}

TEST_F(BackgroundMusicTest, TrackListPlaysTheChosenTrack) {
  music.BeginLogon(3, folder);
  music.ChooseTrack();
  EXPECT_EQ(Names(host.offered), (std::vector<std::string>{"a.mp3", "b.mp3", "c.wav"}));
  EXPECT_EQ(backend.log, std::vector<std::string>{"open b.mp3"});
}

TEST_F(BackgroundMusicTest, UnplayableTracksAreSkippedAndNoDeviceIsToldOnce) {
  backend.broken = {"a.mp3"};
  music.BeginLogon(3, folder);
  music.Play();
  EXPECT_EQ(Names({music.CurrentFile()}), std::vector<std::string>{"b.mp3"});
  // A track that fails while playing is skipped too.
  backend.listener()->OnTrackFailed();
  EXPECT_EQ(Names({music.CurrentFile()}), std::vector<std::string>{"c.wav"});
  EXPECT_TRUE(prompter.shown.empty());

  backend.no_device = true;
  backend.log.clear();
  music.Stop();
  music.Play();
  music.Play();
  EXPECT_EQ(music.state(), CMusicPlayer::kNotOpen);
  EXPECT_EQ(Texts(), std::vector<std::string>{music_texts::kCannotPlay});
  // Every track was tried once per attempt; nothing loops.
  EXPECT_EQ(std::count(backend.log.begin(), backend.log.end(), "open a.mp3"), 2);
}

TEST_F(BackgroundMusicTest, LogonStartsMusicTheUserLeftPlaying) {
  music.BeginLogon(3, folder);
  music.Play();
  music.Pause();
  music.EndLogon();
  EXPECT_EQ(settings::GetNumber(settings::UserKey(3), "PlayMusic"), 1);
  EXPECT_EQ(music.state(), CMusicPlayer::kNotOpen);
  backend.log.clear();
  music.BeginLogon(3, folder);
  EXPECT_EQ(music.state(), CMusicPlayer::kPlaying);
  music.Stop();
  music.EndLogon();
  EXPECT_EQ(settings::GetNumber(settings::UserKey(3), "PlayMusic"), 0);
  // Left playing with a folder that holds nothing playable now: silence, no message.
  settings::SetNumber(settings::UserKey(4), "PlayMusic", 1);
  music.BeginLogon(4, MakeFolder(fs::path(home.path()) / "empty", {}));
  EXPECT_EQ(music.state(), CMusicPlayer::kNotOpen);
  EXPECT_TRUE(prompter.shown.empty());
  // A changed folder starts again from its first track.
  music.FolderChanged(folder);
  EXPECT_EQ(Names({music.CurrentFile()}), std::vector<std::string>{"a.mp3"});
}

TEST(MusicPreviewTest, TogglesAndSaysWhenNothingPlays) {
  testing::TempHome home;
  FakeBackend backend;
  ScriptedPrompter prompter;
  MusicPreview preview(backend, prompter);
  preview.Toggle(MakeFolder(fs::path(home.path()) / "m", {"x.wav"}));
  EXPECT_TRUE(preview.Playing());
  preview.Toggle("");
  EXPECT_FALSE(preview.Playing());
  preview.Toggle(MakeFolder(fs::path(home.path()) / "e", {"X.WAV"}));
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, music_texts::kNoPlayableFile);
}

}  // namespace
}  // namespace cw
