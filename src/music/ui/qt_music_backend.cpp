#include "music/ui/qt_music_backend.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

namespace cw {

QtMusicBackend::QtMusicBackend(QObject* parent) : QObject(parent) {}

QtMusicBackend::~QtMusicBackend() { Close(); }

bool QtMusicBackend::EnsurePlayer() {
  if (player_) return true;
  // GStreamer unless the user names another backend: later Qt versions would
  // pick FFmpeg, which crashes on a machine without a sound device.
  if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");
  // Without a sound device there is nothing to play to; the player is not even made.
  if (QMediaDevices::defaultAudioOutput().isNull()) return false;
  player_ = new QMediaPlayer(this);
  if (!player_->isAvailable()) {
    delete player_;
    player_ = nullptr;
    return false;
  }
  output_ = new QAudioOutput(this);
  player_->setAudioOutput(output_);
  // Queued: the listener may open the next track, which must not happen inside
  // the player's own signal.
  connect(
      player_, &QMediaPlayer::mediaStatusChanged, this,
      [this](QMediaPlayer::MediaStatus status) {
        if (!listener_ || player_->source().isEmpty()) return;
        if (status == QMediaPlayer::EndOfMedia) {
          listener_->OnTrackEnded();
        } else if (status == QMediaPlayer::InvalidMedia) {
          listener_->OnTrackFailed();
        } else if (!started_ && (status == QMediaPlayer::BufferedMedia || status == QMediaPlayer::LoadedMedia)) {
          started_ = true;
          listener_->OnTrackStarted();
        }
      },
      Qt::QueuedConnection);
  connect(
      player_, &QMediaPlayer::errorOccurred, this,
      [this](QMediaPlayer::Error error) {
        if (listener_ && error != QMediaPlayer::NoError && !player_->source().isEmpty()) listener_->OnTrackFailed();
      },
      Qt::QueuedConnection);
  return true;
}

bool QtMusicBackend::Open(const std::string& path) {
  const QString file = QString::fromStdString(path);
  if (!QFileInfo(file).isFile() || !EnsurePlayer()) return false;
  started_ = false;
  player_->setSource(QUrl::fromLocalFile(file));
  player_->play();
  return true;
}

void QtMusicBackend::Pause() {
  if (player_) player_->pause();
}

void QtMusicBackend::Resume() {
  if (player_) player_->play();
}

void QtMusicBackend::Close() {
  if (!player_) return;
  player_->stop();
  player_->setSource(QUrl());
}

}  // namespace cw
