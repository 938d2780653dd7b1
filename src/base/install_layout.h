#pragma once
// Where the programs and their shared files are. Every place the programs run
// from has the same shape below one folder, the prefix:
//
//   <prefix>/bin/              coinwright, coinwright-cli, patchwell, relaymate
//   <prefix>/share/coinwright/ VERSION, MANIFEST, update.pub, Default.gif, Config/ ...
//
// The prefix is ~/.local after `make install`, /usr for the package, and the
// build folder in a build tree, where the build writes VERSION and MANIFEST and
// links the programs into bin/ and the source tree's shared files into
// share/coinwright/. share/coinwright/VERSION marks a prefix: every build and
// every installation has one. No Qt.
#include <filesystem>
#include <string_view>

namespace cw {

struct InstallLayout {
  std::filesystem::path prefix;
  // A build folder (it holds CMakeCache.txt) rather than an installation.
  bool buildTree = false;

  std::filesystem::path ShareDir() const { return prefix / "share" / "coinwright"; }
  // `relative` below share/coinwright, such as "Config/DailyNotes.xml".
  std::filesystem::path SharePath(const std::filesystem::path& relative) const { return ShareDir() / relative; }
  // One of the programs, such as "patchwell".
  std::filesystem::path ProgramPath(std::string_view program) const { return prefix / "bin" / program; }
};

// The layout of the program at `executable` (an absolute path): the nearest
// folder above it that holds share/coinwright/VERSION. When there is none, the
// folder above the executable's own, where an installation would have it, so
// that a message can name the missing file.
InstallLayout LayoutOfExecutable(const std::filesystem::path& executable);

// The running program's layout, found once from /proc/self/exe.
const InstallLayout& CurrentLayout();

}  // namespace cw
