#pragma once
// One run of the updater, on a worker thread: fetch and check the update
// information, download every listed file, check all of them, close the
// running program, replace the files. Nothing is replaced before every file
// has been downloaded and checked, and a failed replacement puts the
// installation back (code 6).
//
// Stop points: the stop flag is tested after the information is downloaded
// (11), after it is read (12), after the files are downloaded (13; a download
// also ends as soon as the flag is set), after they are checked (14), after
// the program is closed (15) and after the replacement (16; the replaced files
// are then put back, so a stopped run never leaves a changed installation).
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "patchwell/install_places.h"
#include "update/update_result.h"
#include "update/update_signature.h"

namespace cw::patchwell {

enum class RunStage { kConnecting = 0, kDownloading = 1, kVerifying = 2, kReplacing = 3, kFinished = 4 };

// What the run tells its window; called on the worker thread.
class RunObserver {
 public:
  virtual ~RunObserver() = default;
  virtual void StageChanged(RunStage stage) {}
  // When the download stage begins: the installed and the offered version.
  virtual void VersionsKnown(double installed, double offered) {}
  // `index` counts from 1.
  virtual void DownloadingFile(const std::string& listed, int index, int count) {}
  virtual void BytesReceived(std::uint64_t received, std::uint64_t total) {}
  virtual void ReplacingFile(const std::string& listed, int index, int count) {}
  // Closes the running desktop program (asking the user as needed); false
  // when it is still running or the user would not close it.
  virtual bool CloseRunningProgram() = 0;
};

struct RunSettings {
  std::string server;  // the folder that holds Update.inf (http(s) address)
  InstallPlaces places;
  double installed_version = 0;
  std::optional<update::PublicKey> key;  // none: no update can be trusted (code 2)
};

struct RunOutcome {
  // 1-7 failures, 11-16 stopped, 100 nothing to do, 102 updated, 103 updated
  // with the updater's own file left in the downloads for Relaymate.
  update::UpdateResult result = update::UpdateResult::kOk;
  std::string updater_listed;  // with 103: the listed path of that file
};

RunOutcome RunUpdate(const RunSettings& settings, RunObserver& observer, const std::atomic<bool>& stop);

}  // namespace cw::patchwell
