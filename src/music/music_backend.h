#pragma once
// The sound device behind the background music. The desktop program plays
// through Qt Multimedia (music/ui/qt_music_backend.h); tests use a fake.
#include <string>

namespace cw {

// What the device reports while a track plays. A backend calls these from its
// event loop, never from inside one of its own operations.
class MusicEvents {
 public:
  virtual ~MusicEvents() = default;
  // The track plays (it was decoded and the device took it).
  virtual void OnTrackStarted() = 0;
  // The track played to its end.
  virtual void OnTrackEnded() = 0;
  // The track cannot be played after all (a codec is missing, the file is damaged).
  virtual void OnTrackFailed() = 0;
};

class MusicBackend {
 public:
  virtual ~MusicBackend() = default;
  void SetListener(MusicEvents* listener) { listener_ = listener; }
  // Opens `path` and plays it from its start. False when it cannot even be
  // tried (no sound device, no media support, no such file): nothing plays.
  virtual bool Open(const std::string& path) = 0;
  virtual void Pause() = 0;
  // Plays on from where Pause stopped.
  virtual void Resume() = 0;
  // Stops and lets go of the file.
  virtual void Close() = 0;

 protected:
  MusicEvents* listener_ = nullptr;
};

}  // namespace cw
