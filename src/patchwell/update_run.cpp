#include "patchwell/update_run.h"

#include <algorithm>

#include "patchwell/file_replacement.h"
#include "patchwell/relay_request.h"
#include "update/download.h"
#include "update/file_bytes.h"
#include "update/listed_path.h"
#include "update/verified_update.h"

namespace cw::patchwell {
namespace {

using update::UpdateResult;

// Every folder a listed file goes to must be writable; checked before any
// download so that a system-package installation is refused at once.
bool InstallationWritable(const InstallPlaces& places, const update::UpdateInfo& info) {
  if (!FolderWritable(places.install)) return false;
  return std::all_of(info.files.begin(), info.files.end(), [&](const update::UpdateFile& file) {
    return FolderWritable((places.install / *update::NormalListedPath(file.path)).parent_path());
  });
}

UpdateResult DownloadFiles(const RunSettings& settings, const update::UpdateInfo& info, RunObserver& observer,
                           const std::atomic<bool>& stop) {
  const int count = static_cast<int>(info.files.size());
  for (int i = 0; i < count; ++i) {
    const std::string& listed = info.files[i].path;
    observer.DownloadingFile(listed, i + 1, count);
    const auto body = update::Download(update::UrlInFolder(settings.server, listed),
                                       [&](std::uint64_t received, std::uint64_t total) {
                                         observer.BytesReceived(received, total);
                                         return !stop;
                                       });
    if (!body) return stop ? UpdateResult::kStoppedAfterDownload : UpdateResult::kDownloadFailed;
    const auto place = update::PlaceBelow(settings.places.Downloads(), listed);
    std::error_code error;
    if (place) fs::create_directories(place->parent_path(), error);
    if (!place || error || !update::WriteFileBytes(*place, *body)) return UpdateResult::kDownloadFailed;
  }
  return UpdateResult::kOk;
}

// Gives each checked download the permissions it will have when installed.
void SetPermissions(const InstallPlaces& places, const update::UpdateInfo& info) {
  std::error_code error;
  for (const update::UpdateFile& file : info.files) {
    const std::string normal = *update::NormalListedPath(file.path);
    fs::permissions(places.Downloads() / normal, PermissionsFor(places.install / normal, normal), error);
  }
}

UpdateResult ReplaceFiles(const InstallPlaces& places, const update::UpdateInfo& info, RunObserver& observer,
                          const std::atomic<bool>& stop) {
  FileReplacement replacement(places.install, places.Downloads(), places.Saved());
  const int count = static_cast<int>(info.files.size());
  for (int i = 0; i < count; ++i) {
    const std::string& listed = info.files[i].path;
    observer.ReplacingFile(listed, i + 1, count);
    if (IsUpdaterFile(listed)) continue;  // Relaymate swaps it once the updater has ended
    if (!replacement.Replace(*update::NormalListedPath(listed))) return UpdateResult::kCannotReplace;
  }
  if (stop) return UpdateResult::kStoppedAfterReplace;  // the destructor puts the files back
  replacement.Commit();
  return UpdateResult::kOk;
}

UpdateResult Run(const RunSettings& settings, RunObserver& observer, const std::atomic<bool>& stop,
                 std::string& updater_listed) {
  const InstallPlaces& places = settings.places;
  if (!FolderWritable(places.install)) return UpdateResult::kNotWritable;
  // A run killed while replacing left the saved copies of the files it had
  // replaced: the installation goes back to the version they belong to first.
  if (!RestoreSavedCopies(places.install, places.Saved())) return UpdateResult::kCannotReplace;

  // 1. The update information and its signature.
  observer.StageChanged(RunStage::kConnecting);
  const auto info_text = update::Download(update::UrlInFolder(settings.server, "Update.inf"));
  const auto signature = info_text ? update::Download(update::UrlInFolder(settings.server, "Update.inf.sig"))
                                   : std::nullopt;
  if (!info_text || !signature) return UpdateResult::kInfoUnreadable;
  if (stop) return UpdateResult::kStoppedAfterInfoDownload;

  // 2. Read and check it.
  update::VerifiedUpdate offer;
  if (!settings.key) return UpdateResult::kInfoIncorrect;
  if (const UpdateResult read = update::ReadVerifiedUpdate(*info_text, *signature, *settings.key, offer);
      read != UpdateResult::kOk) {
    return read;
  }
  const update::UpdateInfo& info = offer.info;
  if (std::any_of(info.files.begin(), info.files.end(),
                  [](const update::UpdateFile& file) { return IsInStaging(file.path); })) {
    return UpdateResult::kInfoIncorrect;
  }
  if (stop) return UpdateResult::kStoppedAfterParse;

  // 3. Anything to do?
  if (!update::UpdateNeeded(info.version, settings.installed_version)) return UpdateResult::kUpToDate;
  if (!InstallationWritable(places, info)) return UpdateResult::kNotWritable;

  // 4. Every file into a fresh staging folder.
  std::error_code error;
  fs::remove_all(places.Staging(), error);
  observer.VersionsKnown(settings.installed_version, info.version);
  observer.StageChanged(RunStage::kDownloading);
  if (const UpdateResult downloaded = DownloadFiles(settings, info, observer, stop); downloaded != UpdateResult::kOk)
    return downloaded;
  if (stop) return UpdateResult::kStoppedAfterDownload;

  // 5. Every file checked before any is used.
  observer.StageChanged(RunStage::kVerifying);
  if (update::CheckDownloadedFiles(offer, places.Downloads()) != UpdateResult::kOk) return UpdateResult::kCheckFailed;
  SetPermissions(places, info);
  if (stop) return UpdateResult::kStoppedAfterCheck;

  // 6. The desktop program must not run while its files change.
  observer.StageChanged(RunStage::kReplacing);
  if (!observer.CloseRunningProgram()) return UpdateResult::kCannotClose;
  if (stop) return UpdateResult::kStoppedAfterClose;

  // 7. All files or none.
  if (const UpdateResult replaced = ReplaceFiles(places, info, observer, stop); replaced != UpdateResult::kOk)
    return replaced;

  // 8.
  observer.StageChanged(RunStage::kFinished);
  if (const auto self = UpdaterListed(info.files)) {
    updater_listed = *self;
    return UpdateResult::kUpdatedSelfPending;
  }
  fs::remove_all(places.Staging(), error);
  return UpdateResult::kUpdated;
}

}  // namespace

RunOutcome RunUpdate(const RunSettings& settings, RunObserver& observer, const std::atomic<bool>& stop) {
  RunOutcome outcome;
  outcome.result = Run(settings, observer, stop, outcome.updater_listed);
  return outcome;
}

}  // namespace cw::patchwell
