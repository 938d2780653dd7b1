#pragma once
// CMusicPlayer: the states of the background music over one sound device.
//
// Not open -> playing (OpenAndPlay) -> paused (Pause) -> playing (Resume: the
// same track from where it stopped) -> not open (Stop). Starting a new file
// while one is open first stops and closes the old one.
#include <string>

#include "music/music_backend.h"

namespace cw {

class CMusicPlayer {
 public:
  enum State { kNotOpen = 0, kPlaying = 1, kPaused = 2 };

  explicit CMusicPlayer(MusicBackend& backend) : backend_(backend) {}

  // False when the device cannot take the file; the player is then not open.
  bool OpenAndPlay(const std::string& path);
  void Pause();
  void Resume();
  void Stop();

  State state() const { return state_; }
  // The track open now, or the last one opened.
  const std::string& CurrentFile() const { return current_; }

 private:
  MusicBackend& backend_;
  State state_ = kNotOpen;
  std::string current_;
};

}  // namespace cw
