#pragma once
// BackgroundMusic: the music that plays while the program is open, behind the
// commands of the "背景音乐" menu. It lives as long as the main frame; a logon
// hands it the user's music folder, and the user's "PlayMusic" and
// "MusicPlaySequence" settings are read at the logon and written at its end.
//
// A track the device cannot play is skipped; when no track of the folder can
// be played the music stops and says so once for the life of the object, so a
// machine without a sound device or decoder is told once and never nagged.
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "music/music_files.h"
#include "music/music_player.h"

namespace cw {

class Prompter;

// What the music asks of the desktop: the choosers and the user's row.
class MusicHost {
 public:
  virtual ~MusicHost() = default;
  // The folder chooser ("请选择有音乐的文件夹"); nothing when cancelled.
  virtual std::optional<std::string> ChooseFolder(const std::string& current) = 0;
  // Stores the folder as the user's Work_Music; false when it could not.
  virtual bool StoreFolder(const std::string& folder) = 0;
  // The list of the folder's files; the one chosen, nothing when cancelled.
  virtual std::optional<std::string> ChooseTrack(const std::vector<std::string>& files) = 0;
};

class BackgroundMusic : public MusicEvents {
 public:
  BackgroundMusic(MusicBackend& backend, MusicHost& host, Prompter& prompter);
  ~BackgroundMusic() override;

  // A user logged in with this music folder: the order is read, and the music
  // starts by itself, without a message when nothing is playable, when the
  // user left the program playing.
  void BeginLogon(int person_no, const std::string& folder);
  // Stores whether music was playing or paused, then stops.
  void EndLogon();

  // "播放音乐": resumes a paused track, else starts the folder (asking for a
  // folder when there is none or it holds nothing playable).
  void Play();
  void Pause();
  void Stop();
  void SetOrder(PlayOrder order);
  // "设置音乐目录": chooses, stores and plays a new folder.
  void ChooseFolder();
  // "音乐文件列表": plays the track chosen from the folder's list.
  void ChooseTrack();
  // The user's folder was changed elsewhere (the interface settings): the
  // music stops and starts again from the new folder.
  void FolderChanged(const std::string& folder);

  CMusicPlayer::State state() const { return player_.state(); }
  PlayOrder order() const { return order_; }
  const std::string& folder() const { return folder_; }
  const std::string& CurrentFile() const { return player_.CurrentFile(); }

  void OnTrackStarted() override;
  void OnTrackEnded() override;
  void OnTrackFailed() override;

 private:
  // The folder's files, or nothing after asking `question` (and choosing a
  // folder on Yes) when there is no folder or it holds nothing playable.
  std::optional<std::vector<std::string>> FilesOrAsk();
  // A fresh attempt by the user: tracks that failed before are tried again.
  void StartFresh(const std::string& track);
  // Plays `track`, or the tracks after it in order when it fails, until one
  // plays or every one failed.
  void TryFrom(std::string track);
  void TellCannotPlay();

  MusicBackend& backend_;
  MusicHost& host_;
  Prompter& prompter_;
  CMusicPlayer player_;
  int person_no_ = -1;
  std::string folder_;
  PlayOrder order_ = PlayOrder::kInOrder;
  std::set<std::string> failed_;  // tracks that failed since the last one that played
  bool told_cannot_play_ = false;
};

// The preview of the interface settings: a player of its own that plays the
// first playable file of a folder, or stops.
class MusicPreview {
 public:
  MusicPreview(MusicBackend& backend, Prompter& prompter) : player_(backend), prompter_(prompter) {}
  ~MusicPreview() { player_.Stop(); }
  // Stops a preview that plays; otherwise plays the folder's first playable
  // file, or says that there is none or that it cannot be played.
  void Toggle(const std::string& folder);
  void Stop() { player_.Stop(); }
  bool Playing() const { return player_.state() != CMusicPlayer::kNotOpen; }

 private:
  CMusicPlayer player_;
  Prompter& prompter_;
};

}  // namespace cw
