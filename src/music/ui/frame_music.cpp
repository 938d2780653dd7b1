#include "music/ui/frame_music.h"

#include <QFileDialog>
#include <QWidget>

#include "base/prompter.h"
#include "frame/app_commands.h"
#include "music/music_texts.h"
#include "music/ui/music_list_dialog.h"
#include "prefs/user_look.h"

namespace cw {

CFrameMusic::CFrameMusic(QWidget* window)
    : QObject(window), window_(window), music_(backend_, *this, CurrentPrompter()) {}

CFrameMusic::~CFrameMusic() = default;

void CFrameMusic::BeginLogon(int person_no, const std::string& folder) {
  person_no_ = person_no;
  music_.BeginLogon(person_no, folder);
}

void CFrameMusic::EndLogon() { music_.EndLogon(); }

void CFrameMusic::FolderChanged(const std::string& folder) { music_.FolderChanged(folder); }

bool CFrameMusic::IsMusicCommand(int command) {
  switch (command) {
    case cmd::kMusicPlay:
    case cmd::kMusicPause:
    case cmd::kMusicStop:
    case cmd::kMusicInOrder:
    case cmd::kMusicRandom:
    case cmd::kMusicList:
    case cmd::kMusicFolder: return true;
    default: return false;
  }
}

void CFrameMusic::Run(int command) {
  if (!Enabled(command)) return;
  switch (command) {
    case cmd::kMusicPlay: music_.Play(); break;
    case cmd::kMusicPause: music_.Pause(); break;
    case cmd::kMusicStop: music_.Stop(); break;
    case cmd::kMusicInOrder: music_.SetOrder(PlayOrder::kInOrder); break;
    case cmd::kMusicRandom: music_.SetOrder(PlayOrder::kRandom); break;
    case cmd::kMusicList: music_.ChooseTrack(); break;
    case cmd::kMusicFolder: music_.ChooseFolder(); break;
    default: break;
  }
}

bool CFrameMusic::Enabled(int command) const {
  const bool playing = music_.state() == CMusicPlayer::kPlaying;
  switch (command) {
    case cmd::kMusicPlay: return !playing;
    case cmd::kMusicPause:
    case cmd::kMusicStop: return playing;
    default: return IsMusicCommand(command);
  }
}

bool CFrameMusic::Checked(int command) const {
  return (command == cmd::kMusicInOrder && music_.order() == PlayOrder::kInOrder) ||
         (command == cmd::kMusicRandom && music_.order() == PlayOrder::kRandom);
}

std::optional<std::string> CFrameMusic::ChooseFolder(const std::string& current) {
  const QString folder =
      QFileDialog::getExistingDirectory(window_, music_texts::kFolderDialogTitle, QString::fromStdString(current));
  if (folder.isEmpty()) return std::nullopt;
  return folder.toStdString();
}

bool CFrameMusic::StoreFolder(const std::string& folder) {
  if (!StoreMusicFolder(person_no_, folder)) return false;
  emit FolderStored();
  return true;
}

std::optional<std::string> CFrameMusic::ChooseTrack(const std::vector<std::string>& files) {
  CMusicListDlg dialog(files, music_.CurrentFile(), window_);
  dialog.exec();
  return dialog.Chosen();
}

}  // namespace cw
