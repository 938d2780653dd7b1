#pragma once
// How one update run ends, and the text the user is shown for it.
#include <string>

namespace cw::update {

enum class UpdateResult {
  kOk = 0,                   // no failure so far (never the end of a run)
  kInfoUnreadable = 1,       // Update.inf (or its signature) not downloadable
  kInfoIncorrect = 2,        // Update.inf incorrect, unsigned or listing a path outside the installation
  kDownloadFailed = 3,
  kCheckFailed = 4,          // a check number or a SHA-256 sum did not match
  kCannotClose = 5,          // the running program could not be closed
  kCannotReplace = 6,        // a file could not be replaced (the installation was put back)
  kNotWritable = 7,          // the installation folder is not the user's to write (a system package)
  // 11-16: stopped by the user at the stop point after the step named.
  kStoppedAfterInfoDownload = 11,
  kStoppedAfterParse = 12,
  kStoppedAfterDownload = 13,
  kStoppedAfterCheck = 14,
  kStoppedAfterClose = 15,
  kStoppedAfterReplace = 16,
  kUpToDate = 100,
  kUpdated = 102,
  kUpdatedSelfPending = 103,  // the updater's own file still has to be swapped
};

// The message for `result` with the product name filled in; empty for kOk.
std::string ResultText(UpdateResult result);

}  // namespace cw::update
