#pragma once
// The sound device of the background music: Qt Multimedia (GStreamer on
// Debian) with a QAudioOutput. Nothing is set up until the first track opens,
// so a program that never plays music never touches the multimedia system.
#include <QObject>
#include <memory>

#include "music/music_backend.h"

class QAudioOutput;
class QMediaPlayer;

namespace cw {

class QtMusicBackend : public QObject, public MusicBackend {
  Q_OBJECT
 public:
  explicit QtMusicBackend(QObject* parent = nullptr);
  ~QtMusicBackend() override;

  bool Open(const std::string& path) override;
  void Pause() override;
  void Resume() override;
  void Close() override;

 private:
  bool EnsurePlayer();

  QMediaPlayer* player_ = nullptr;
  QAudioOutput* output_ = nullptr;
  bool started_ = false;  // OnTrackStarted was sent for the open track
};

}  // namespace cw
