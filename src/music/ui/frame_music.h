#pragma once
// CFrameMusic: the background music of the main frame. It carries out the
// commands of the "背景音乐" menu, says which of them can be chosen now, and
// answers the music's questions with the folder chooser, the track list and
// the user's row.
#include <QObject>
#include <optional>
#include <string>
#include <vector>

#include "music/background_music.h"
#include "music/ui/qt_music_backend.h"

class QWidget;

namespace cw {

class CFrameMusic : public QObject, public MusicHost {
  Q_OBJECT
 public:
  explicit CFrameMusic(QWidget* window);
  ~CFrameMusic() override;

  void BeginLogon(int person_no, const std::string& folder);
  void EndLogon();
  void FolderChanged(const std::string& folder);

  // The commands of the music menu.
  static bool IsMusicCommand(int command);
  void Run(int command);
  // "播放音乐" can be chosen unless music plays; "暂停播放" and "停止播放" only while it plays.
  bool Enabled(int command) const;
  // The order items carry a check mark for the user's order.
  bool Checked(int command) const;

  const BackgroundMusic& Music() const { return music_; }

  std::optional<std::string> ChooseFolder(const std::string& current) override;
  bool StoreFolder(const std::string& folder) override;
  std::optional<std::string> ChooseTrack(const std::vector<std::string>& files) override;

 signals:
  // The user's music folder was stored by "设置音乐目录".
  void FolderStored();

 private:
  QWidget* window_;
  int person_no_ = -1;
  QtMusicBackend backend_;
  BackgroundMusic music_;
};

}  // namespace cw
