#pragma once
// The places the updater works with inside one installation folder (a prefix
// such as ~/.local): the programs in bin/, and the staging folder that holds
// the downloaded files and the saved copies of the files they replace. The
// staging folder lies inside the installation so that files are renamed into
// place on the same file system.
#include <filesystem>
#include <string>
#include <string_view>

namespace cw::patchwell {

namespace fs = std::filesystem;

inline constexpr char kStagingName[] = ".coinwright-update";
inline constexpr char kUpdaterName[] = "patchwell";

struct InstallPlaces {
  fs::path install;

  fs::path Staging() const { return install / kStagingName; }
  fs::path Downloads() const { return Staging() / "new"; }
  fs::path Saved() const { return Staging() / "saved"; }
  fs::path Program(std::string_view name) const { return install / "bin" / name; }
  fs::path Shared(std::string_view name) const { return install / "share" / "coinwright" / name; }
};

// True when a listed file is the updater's own program (compared by file
// name): it cannot be replaced while the updater runs and goes to Relaymate.
bool IsUpdaterFile(std::string_view listed);

// True when a listed path lies inside the staging folder, where an update must
// not place anything.
bool IsInStaging(std::string_view listed);

// Whether the user can create and rename files in `folder`, or, when it does
// not exist yet, in the nearest folder above it that does.
bool FolderWritable(const fs::path& folder);

}  // namespace cw::patchwell
