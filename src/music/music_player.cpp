#include "music/music_player.h"

namespace cw {

bool CMusicPlayer::OpenAndPlay(const std::string& path) {
  Stop();
  current_ = path;
  if (!backend_.Open(path)) return false;
  state_ = kPlaying;
  return true;
}

void CMusicPlayer::Pause() {
  if (state_ != kPlaying) return;
  backend_.Pause();
  state_ = kPaused;
}

void CMusicPlayer::Resume() {
  if (state_ != kPaused) return;
  backend_.Resume();
  state_ = kPlaying;
}

void CMusicPlayer::Stop() {
  if (state_ == kNotOpen) return;
  backend_.Close();
  state_ = kNotOpen;
}

}  // namespace cw
