#include "music/background_music.h"

#include "base/prompter.h"
#include "core/settings.h"
#include "music/music_texts.h"

namespace cw {
namespace {

constexpr char kPlayMusic[] = "PlayMusic";
constexpr char kPlaySequence[] = "MusicPlaySequence";

}  // namespace

BackgroundMusic::BackgroundMusic(MusicBackend& backend, MusicHost& host, Prompter& prompter)
    : backend_(backend), host_(host), prompter_(prompter), player_(backend) {
  backend_.SetListener(this);
}

BackgroundMusic::~BackgroundMusic() {
  player_.Stop();
  backend_.SetListener(nullptr);
}

void BackgroundMusic::BeginLogon(int person_no, const std::string& folder) {
  player_.Stop();
  person_no_ = person_no;
  folder_ = folder;
  const std::string key = settings::UserKey(person_no);
  order_ = settings::GetNumber(key, kPlaySequence) == 1 ? PlayOrder::kRandom : PlayOrder::kInOrder;
  if (folder_.empty() || settings::GetNumber(key, kPlayMusic) != 1) return;
  StartFresh(NextTrack(PlayableMusicFiles(folder_), "", order_));
}

void BackgroundMusic::EndLogon() {
  if (person_no_ < 0) return;
  settings::SetNumber(settings::UserKey(person_no_), kPlayMusic, player_.state() != CMusicPlayer::kNotOpen ? 1 : 0);
  player_.Stop();
  person_no_ = -1;
}

std::optional<std::vector<std::string>> BackgroundMusic::FilesOrAsk() {
  if (folder_.empty()) {
    if (prompter_.Ask(music_texts::kAskSetFolder)) ChooseFolder();
    return std::nullopt;
  }
  std::vector<std::string> files = PlayableMusicFiles(folder_);
  if (files.empty()) {
    if (prompter_.Ask(music_texts::kAskFolderAgain)) ChooseFolder();
    return std::nullopt;
  }
  return files;
}

void BackgroundMusic::Play() {
  switch (player_.state()) {
    case CMusicPlayer::kPlaying: return;
    case CMusicPlayer::kPaused: player_.Resume(); return;
    case CMusicPlayer::kNotOpen: break;
  }
  if (std::optional<std::vector<std::string>> files = FilesOrAsk()) StartFresh(NextTrack(*files, "", order_));
}

void BackgroundMusic::Pause() { player_.Pause(); }

void BackgroundMusic::Stop() { player_.Stop(); }

void BackgroundMusic::SetOrder(PlayOrder order) {
  order_ = order;
  if (person_no_ >= 0) settings::SetNumber(settings::UserKey(person_no_), kPlaySequence, static_cast<int>(order));
}

void BackgroundMusic::ChooseFolder() {
  const std::optional<std::string> chosen = host_.ChooseFolder(folder_);
  if (!chosen || chosen->empty() || !host_.StoreFolder(*chosen)) return;
  folder_ = *chosen;
  player_.Stop();
  const std::vector<std::string> files = PlayableMusicFiles(folder_);
  if (files.empty()) {
    prompter_.Inform(music_texts::kNoPlayableFile);
    return;
  }
  StartFresh(files.front());
}

void BackgroundMusic::ChooseTrack() {
  std::optional<std::vector<std::string>> files = FilesOrAsk();
  if (!files) return;
  if (const std::optional<std::string> chosen = host_.ChooseTrack(*files)) StartFresh(*chosen);
}

void BackgroundMusic::FolderChanged(const std::string& folder) {
  if (folder == folder_) return;
  folder_ = folder;
  player_.Stop();
  StartFresh(NextTrack(PlayableMusicFiles(folder_), "", order_));
}

void BackgroundMusic::StartFresh(const std::string& track) {
  failed_.clear();
  TryFrom(track);
}

void BackgroundMusic::TryFrom(std::string track) {
  if (track.empty()) {
    player_.Stop();
    return;
  }
  // After a failure the next try goes in order, so every file is tried once.
  const std::vector<std::string> files = PlayableMusicFiles(folder_);
  while (!failed_.contains(track)) {
    if (player_.OpenAndPlay(track)) return;
    failed_.insert(track);
    track = NextTrack(files, track, PlayOrder::kInOrder);
    if (track.empty()) break;
  }
  player_.Stop();
  TellCannotPlay();
}

void BackgroundMusic::TellCannotPlay() {
  if (told_cannot_play_) return;
  told_cannot_play_ = true;
  prompter_.Inform(music_texts::kCannotPlay);
}

void BackgroundMusic::OnTrackStarted() { failed_.clear(); }

void BackgroundMusic::OnTrackEnded() {
  if (player_.state() != CMusicPlayer::kPlaying) return;
  TryFrom(NextTrack(PlayableMusicFiles(folder_), player_.CurrentFile(), order_));
}

void BackgroundMusic::OnTrackFailed() {
  if (player_.state() == CMusicPlayer::kNotOpen) return;
  const std::string failed = player_.CurrentFile();
  failed_.insert(failed);
  TryFrom(NextTrack(PlayableMusicFiles(folder_), failed, PlayOrder::kInOrder));
}

void MusicPreview::Toggle(const std::string& folder) {
  if (Playing()) {
    player_.Stop();
    return;
  }
  const std::vector<std::string> files = PlayableMusicFiles(folder);
  if (files.empty()) {
    prompter_.Inform(music_texts::kNoPlayableFile);
    return;
  }
  for (const std::string& file : files)
    if (player_.OpenAndPlay(file)) return;
  prompter_.Inform(music_texts::kCannotPlay);
}

}  // namespace cw
